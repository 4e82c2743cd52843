#pragma once

#include <QVector>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace operators
{

// The layout and logic the add and modify windows share: code, name, the
// password twice, the 21 flags with the select-all toggle, 保存 and 退出.
class OperatorForm : public QWidget
{
    Q_OBJECT
public:
    explicit OperatorForm(QWidget* parent = nullptr);

    void setCodeReadOnly(bool readOnly);
    QString code() const;

    // Empties the four boxes, unticks every flag and focuses the code box.
    void clear();
    // Fills name, password and flags from the stored row of code; 重复密码 stays empty.
    void load(const QString& code);

    // The checks both windows run before writing; each shows its box and empties
    // the offending boxes on failure.
    bool checkCodeGiven();
    bool checkPasswordsMatch();
    // Refuses a code already taken, as the database compares texts.
    bool checkCodeFree();

    QString insertSql() const;
    QString updateSql(const QString& editedCode) const;

signals:
    void saveClicked();
    void exitClicked();

private:
    void toggleAll();
    bool codeExists() const;
    QStringList flagTexts(int first, int last) const;

    QLineEdit* m_edit1;
    QLineEdit* m_edit2;
    QLineEdit* m_edit3;
    QLineEdit* m_edit4;
    QPushButton* m_button1;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn3;
    QVector<QCheckBox*> m_flags;
};

} // namespace operators
