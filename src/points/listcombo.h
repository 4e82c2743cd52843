#pragma once

#include <QComboBox>
#include <functional>

namespace points
{

// The distinct values of one column, in the order the engine returns them.
QStringList distinctValues(const QString& select, const QString& field);

// Replaces the entries; with selectFirst the first entry becomes current.
void fillList(QComboBox* box, const QStringList& entries, bool selectFirst);

// An editable drop-down whose entries are read again each time it drops
// down; the typed text stays.
class RefillingComboBox : public QComboBox
{
    Q_OBJECT
public:
    RefillingComboBox(std::function<QStringList()> entries, QWidget* parent = nullptr);
    void refill(bool selectFirst);
    void showPopup() override;

private:
    std::function<QStringList()> m_entries;
};

} // namespace points
