#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

// The screen lock: blocks the program until the login password is typed again.
class Tguaqi : public QDialog
{
    Q_OBJECT
public:
    explicit Tguaqi(QWidget* parent = nullptr);

    // A new lock window, shown modally and destroyed when it closes.
    static void run(QWidget* parent);

    bool isLocked() const { return m_locked; }

    // Esc and the window system's close requests end only an unlocked window.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void lock();
    void wake();
    bool checkPassword() const;

    QGroupBox* m_frame;
    QLineEdit* m_edit1;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
    QPushButton* m_bitBtn3;
    bool m_locked = false;
};
