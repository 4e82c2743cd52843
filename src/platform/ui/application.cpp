#include "platform/ui/application.h"

#include "platform/ui/dialogs.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui
{

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(applicationTitle());
    setApplicationDisplayName(QString());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportException(e);
    } catch (...) {
        messageBox(applicationTitle(), QStringLiteral("未知错误"), Icon::Error, Buttons::Ok);
    }
    return false;
}

void Application::installChineseTranslations()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto* translator = new QTranslator(this);
        if (translator->load(QLatin1String(name), dir))
            installTranslator(translator);
        else
            delete translator;
    }
}

void reportException(const std::exception& e)
{
    messageBox(applicationTitle(), QString::fromUtf8(e.what()), Icon::Error, Buttons::Ok);
}

} // namespace ui
