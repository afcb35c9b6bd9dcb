// The one test entry point: a QApplication on the offscreen platform (unless the
// environment names another), styled as the program styles it.
#include "startup.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    parvelo::prepare_toolkit(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
