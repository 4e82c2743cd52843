#pragma once

#include "platform/ui/childform.h"

#include <QVector>

class QCheckBox;
class QPushButton;

namespace ui
{
class AdvStringGrid;
}

// The operator list: who may log in, with the flags of the chosen operator.
class Tcaozuorenyuan : public ui::ChildForm
{
    Q_OBJECT
public:
    explicit Tcaozuorenyuan(QWidget* parent = nullptr);

    // Re-reads the table and selects the first operator again.
    void refresh();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showSelectedFlags();
    QString selectedCode() const;
    QString selectedName() const;
    void openAdd();
    void modify();
    void remove();

    ui::AdvStringGrid* m_grid;
    QVector<QCheckBox*> m_flags;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
    QPushButton* m_bitBtn3;
    QPushButton* m_bitBtn4;
    bool m_watchingFrame = false;
};
