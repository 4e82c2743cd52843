#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// 消费类别修改: changes the ratio of one category. Created once at start-up,
// shown modally for each change.
class Tleixingxiugai : public QDialog
{
    Q_OBJECT
public:
    static void createHidden();
    static Tleixingxiugai* instance();

    // Shows the category modally; returns when the dialog is closed.
    void edit(const QString& category, const QString& ratio);

private:
    Tleixingxiugai();
    void save();

    QLineEdit* m_edit1;
    QLineEdit* m_edit3;
    QPushButton* m_bitBtn4;
    QPushButton* m_bitBtn5;
};
