#pragma once

#include "points/ledgerform.h"

class QPushButton;
class QRadioButton;

namespace points
{
class RefillingComboBox;
}

// 积分兑换: exchanges points for a gift or cash back.
class Tduihuan : public points::LedgerForm
{
    Q_OBJECT
public:
    explicit Tduihuan(QWidget* parent = nullptr);
    ~Tduihuan() override;

private:
    void buildControls();
    void connectKeys();
    void armWay();
    void save();
    bool validate();
    void writeRedemption(const QString& points);
    QStringList receiptBody() const;
    void reset();

    QWidget* m_radioGroup;
    QRadioButton* m_gift;
    QRadioButton* m_cash;
    QLineEdit* m_edit12;
    QLineEdit* m_edit13;
    points::RefillingComboBox* m_comboBox1;
    points::RefillingComboBox* m_comboBox2;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
};
