#pragma once

#include "platform/ui/childform.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// 店铺名称及小票打印设置: the shop name, background, slogan and receipt settings.
class Tdayinshezhi : public ui::ChildForm
{
    Q_OBJECT
public:
    explicit Tdayinshezhi(QWidget* parent = nullptr);

private:
    void buildControls();
    void loadSettings();
    void save();
    void writeSettings();
    void chooseBackground();
    void printTestPage();
    QString footerText() const;

    QLineEdit* m_edit1;
    QLineEdit* m_edit2;
    QLineEdit* m_edit3;
    QLineEdit* m_edit4;
    QLineEdit* m_edit5;
    QComboBox* m_comboBox1;
    QPlainTextEdit* m_memo1;
    QCheckBox* m_checkBox1;
    QPushButton* m_button1;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
    QPushButton* m_bitBtn3;
};
