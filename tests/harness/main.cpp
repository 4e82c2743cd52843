// The main() of every window test: the real application object, so
// exceptions reach the default error box as in the program.
#include "platform/ui/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ui::Application application(argc, argv);
    application.installChineseTranslations();
    application.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
