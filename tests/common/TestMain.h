#pragma once

#include "MKApplication.h"
#include "MKCheckBox.h"
#include "ModalAnswerer.h"
#include "TestEnv.h"

#include <QTest>

// Test entry point: private folders first, then the application object with
// the default brand, then the test object.
#define RV_TEST_MAIN_WITH(TestObject, DisplayKind)                                      \
    int main(int argc, char** argv)                                                     \
    {                                                                                   \
        TestEnv::Setup(DisplayKind);                                                    \
        MKApplication app(argc, argv);                                                  \
        QCoreApplication::setApplicationVersion("2.0.0.4");                             \
        app.InitProduct("rv", "overseas");                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                        \
        /* Opening a file asks once about the default viewer; tests of */              \
        /* that question clear the mark themselves. */                                 \
        MKCheckBox::SetMarked("pdf_Launcher", true);                                    \
        ModalAnswerer::InstallWatchdog();                                               \
        TestObject tc;                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                      \
        return QTest::qExec(&tc, argc, argv);                                           \
    }

#define RV_TEST_MAIN(TestObject) RV_TEST_MAIN_WITH(TestObject, TestEnv::Offscreen)
#define RV_TEST_MAIN_XVFB(TestObject) RV_TEST_MAIN_WITH(TestObject, TestEnv::Xvfb)
