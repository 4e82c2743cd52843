#pragma once

#include <QString>

class QWidget;

namespace ui
{

enum class Icon { None, Information, Question, Warning, Error };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    bool save = true;
    QString title;
    QString filter;      // "文本|*.TXT|CSV|*.CSV": description and pattern pairs
    int filterIndex = 1; // 1-based, as chosen or preset
    QString fileName;
    QString defaultExt;
    QString initialDir;
};

// Every modal question, message box and file dialog of the program goes
// through the one service set here, so tests can answer and record them.
class DialogService
{
public:
    virtual ~DialogService() = default;
    virtual Answer message(QWidget* owner, const QString& title, const QString& text, Icon icon,
                           Buttons buttons) = 0;
    // Returns false when cancelled; on acceptance fills fileName and filterIndex.
    virtual bool fileDialog(QWidget* owner, FileDialogRequest& request) = 0;
};

DialogService& dialogs();
// Installs a replacement (not owned); nullptr restores the real dialogs.
void setDialogService(DialogService* service);

// The forms every window uses; the owner is the active window.
void information(const QString& title, const QString& text);
void error(const QString& title, const QString& text);
void warning(const QString& title, const QString& text);
// Question with OK and Cancel; true only on OK.
bool confirm(const QString& title, const QString& text);
// Question with Yes and No; true only on Yes.
bool confirmYesNo(const QString& title, const QString& text);
// A plain box captioned with the application title, no icon.
void showMessage(const QString& text);
Answer messageBox(const QString& title, const QString& text, Icon icon, Buttons buttons);

// The application title: task bar text and caption of the error box.
QString applicationTitle();

} // namespace ui
