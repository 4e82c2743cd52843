#include "app/startup.h"

#include "app/dm1frm.h"
#include "app/hiddenforms.h"
#include "app/mainfrm.h"
#include "platform/os/singleinstance.h"
#include "platform/ui/application.h"

namespace app
{

const QString InstanceName = QStringLiteral("weichuanshizezudavevudezavuriviv");

int run(int argc, char** argv)
{
    ui::Application application(argc, argv);
    application.installChineseTranslations();
    os::SingleInstance guard(InstanceName);
    if (!guard.acquired())
        return 0;
    // Until the main window shows, closing the login must not end a loop
    // that has not started yet; the program ends by returning instead.
    application.setQuitOnLastWindowClosed(false);
    TDM1 dataModule;
    TMAIN main;
    if (!main.initialise())
        return 0;
    createHiddenForms();
    main.showMaximized();
    application.setQuitOnLastWindowClosed(true);
    return application.exec();
}

} // namespace app
