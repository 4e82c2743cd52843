#pragma once

#include "points/ledgerform.h"

class QComboBox;
class QPushButton;

namespace ui
{
class AdvStringGrid;
}

namespace points
{
class RefillingComboBox;
}

// 会员消费增加积分: credits points for a consumption, to the member and the referrer.
class Tzengjiajifen : public points::LedgerForm
{
    Q_OBJECT
public:
    explicit Tzengjiajifen(QWidget* parent = nullptr);
    ~Tzengjiajifen() override;

    static constexpr int Lines = 20;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void prepareGrid();
    void connectKeys();
    QStringList itemSuggestions() const;
    QStringList amountSuggestions(int row) const;
    void focusChanged(QWidget* old, QWidget* now);
    int firstIncompleteLine() const;
    void leaveGrid();
    void computePoints();
    void save();
    bool validate();
    void writeCredit(const QString& points);
    QStringList receiptBody() const;
    void reset();

    QComboBox* m_comboBox1;
    points::RefillingComboBox* m_comboBox2;
    ui::AdvStringGrid* m_grid;
    QLineEdit* m_edit12;
    QLineEdit* m_edit13;
    QLineEdit* m_edit14;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
};
