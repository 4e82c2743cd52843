#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QLabel;
class QPushButton;

// The login: nobody reaches the main window without an operator code and password.
class Tloginform : public QDialog
{
    Q_OBJECT
public:
    explicit Tloginform(QWidget* parent = nullptr);
    ~Tloginform() override;

    // Shows the login modally; true when an operator logged in.
    static bool runLogin(QWidget* parent);

    static constexpr int MaxFailures = 5;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadOperators();
    void lookUpName();
    void comboTextChanged();
    void focusChanged(QWidget* old, QWidget* now);
    void enter();
    int selectedIndex() const;

    QComboBox* m_cbusername;
    QLineEdit* m_edit1;
    QLineEdit* m_edtpassword;
    QLabel* m_label3;
    QPushButton* m_button1;
    QPushButton* m_button2;
    QStringList m_passwords;
    int m_failures = 0;
    bool m_loading = false;
};

// The password rule of the login: letters A-Z compare without case, nothing
// else does; no trimming, so both texts must have the same length.
bool loginPasswordMatches(const QString& typed, const QString& stored);
