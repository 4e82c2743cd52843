#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace ui
{
namespace
{

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

// "desc|*.A|desc2|*.B" into Qt's "desc (*.A);;desc2 (*.B)".
QStringList qtFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return out;
}

class QtDialogs : public DialogService
{
public:
    Answer message(QWidget* owner, const QString& title, const QString& text, Icon icon,
                   Buttons buttons) override
    {
        QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, owner);
        switch (buttons) {
        case Buttons::Ok:
            box.addButton(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.addButton(QMessageBox::Ok);
            box.addButton(QMessageBox::Cancel);
            break;
        case Buttons::YesNo:
            box.addButton(QMessageBox::Yes);
            box.addButton(QMessageBox::No);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    bool fileDialog(QWidget* owner, FileDialogRequest& request) override
    {
        QFileDialog dialog(owner, request.title, request.initialDir);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QStringList filters = qtFilters(request.filter);
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.filterIndex - 1]);
        if (!request.defaultExt.isEmpty())
            dialog.setDefaultSuffix(request.defaultExt);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        request.fileName = dialog.selectedFiles().constFirst();
        request.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        return true;
    }
};

DialogService* g_service = nullptr;

QWidget* activeOwner()
{
    return QApplication::activeWindow();
}

} // namespace

DialogService& dialogs()
{
    static QtDialogs real;
    return g_service ? *g_service : real;
}

void setDialogService(DialogService* service)
{
    g_service = service;
}

Answer messageBox(const QString& title, const QString& text, Icon icon, Buttons buttons)
{
    return dialogs().message(activeOwner(), title, text, icon, buttons);
}

void information(const QString& title, const QString& text)
{
    messageBox(title, text, Icon::Information, Buttons::Ok);
}

void error(const QString& title, const QString& text)
{
    messageBox(title, text, Icon::Error, Buttons::Ok);
}

void warning(const QString& title, const QString& text)
{
    messageBox(title, text, Icon::Warning, Buttons::Ok);
}

bool confirm(const QString& title, const QString& text)
{
    return messageBox(title, text, Icon::Question, Buttons::OkCancel) == Answer::Ok;
}

bool confirmYesNo(const QString& title, const QString& text)
{
    return messageBox(title, text, Icon::Question, Buttons::YesNo) == Answer::Yes;
}

void showMessage(const QString& text)
{
    messageBox(applicationTitle(), text, Icon::None, Buttons::Ok);
}

QString applicationTitle()
{
    return QStringLiteral("蔚川石vidodirarore");
}

} // namespace ui
