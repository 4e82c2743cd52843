#pragma once

#include "platform/ui/childform.h"

class QLineEdit;
class QPushButton;

// The current operator changes his or her own password.
class Txiugaimima : public ui::ChildForm
{
    Q_OBJECT
public:
    explicit Txiugaimima(QWidget* parent = nullptr);

private:
    void confirm();

    QLineEdit* m_edit1;
    QLineEdit* m_edit2;
    QLineEdit* m_edit3;
    QLineEdit* m_edit4;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
};
