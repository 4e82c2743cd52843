#pragma once

#include "platform/ui/dialogs.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class QAbstractButton;
class QTimer;
class TMAIN;
class TDM1;

namespace test
{

// Answers and records every message box and file dialog.
class ScriptedDialogs : public ui::DialogService
{
public:
    struct Box {
        QString title;
        QString text;
        ui::Icon icon;
        ui::Buttons buttons;
    };

    // The next questions get these answers in turn; an unscripted question is
    // answered OK (or Yes).
    void answer(ui::Answer a) { m_answers << a; }
    // The next file dialog accepts this path and filter index (0 keeps the preset).
    void acceptFile(const QString& path, int filterIndex = 0);
    void cancelFile();

    QList<Box> boxes;
    QList<ui::FileDialogRequest> fileRequests;
    const Box& last() const;
    QStringList texts() const;
    bool shown(const QString& text) const { return texts().contains(text); }
    void clear()
    {
        boxes.clear();
        fileRequests.clear();
    }

    // Runs when the next box opens, while it is up (for boxes that must see a state).
    std::function<void(const Box&)> onBox;

    ui::Answer message(QWidget* owner, const QString& title, const QString& text, ui::Icon icon,
                       ui::Buttons buttons) override;
    bool fileDialog(QWidget* owner, ui::FileDialogRequest& request) override;

private:
    QList<ui::Answer> m_answers;
    struct FileAnswer {
        bool accept;
        QString path;
        int filterIndex;
    };
    QList<FileAnswer> m_files;
};

// A temporary program folder with a fresh database, a fixed clock and the
// scripted dialogs. Fixtures derive from it.
class AppTest : public ::testing::Test
{
protected:
    AppTest();
    ~AppTest() override;
    void SetUp() override;
    void TearDown() override;

    QString dir() const;                // the stand-in for the executable's folder, with "/"
    void writeIni(const QString& body); // the settings file, written as GBK
    void setNow(const QDateTime& moment);

    // Start-up up to the logged-in main window; nullptr when start-up ended.
    TMAIN* start(const QString& operatorCode = QStringLiteral("0001"),
                 const QString& password = QString());
    // The same, with the login window driven by the test (wrong passwords...).
    TMAIN* startDriving(std::function<void(QWidget*)> driveLogin);
    TMAIN* mainWindow() const { return m_main; }

    // Chooses a main-menu item by its text; returns the child window then active.
    QWidget* chooseMenu(const QString& itemText);
    template <class T> T* openChild(const QString& itemText)
    {
        return dynamic_cast<T*>(chooseMenu(itemText));
    }

    // Runs body as soon as the next modal window is up (login, modal forms).
    // Returns the watching timer; deleting it gives up the wait.
    QTimer* whenModal(std::function<void(QWidget*)> body);

    // Direct SQL on the test database, through its own connection.
    void sql(const QString& statement);
    QVariant scalar(const QString& select);
    int count(const QString& selectCount) { return scalar(selectCount).toInt(); }
    QList<QStringList> rows(const QString& select);

    ScriptedDialogs dialogs;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TDM1> m_dm;
    TMAIN* m_main = nullptr;
};

// Finding and driving controls by their object names.
QWidget* findNamed(QWidget* root, const QString& name);
template <class T> T* find(QWidget* root, const QString& name)
{
    auto* w = qobject_cast<T*>(findNamed(root, name));
    EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
    return w;
}
void type(QWidget* box, const QString& text);     // replaces the text, as typed
void typeKeys(QWidget* box, const QString& keys); // key by key, through key filters
void pressEnter(QWidget* w);
void click(QAbstractButton* button);
void leaveFocus(QWidget* from, QWidget* to); // moves the focus, firing focus-out handlers
void processEvents();

} // namespace test
