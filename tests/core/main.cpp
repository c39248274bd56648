// The logic tests run in one process per test under ctest, and several paint
// text (PDFs, label sheets, reports), which needs a GUI application: every
// run gets one, on the offscreen platform unless told otherwise.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
