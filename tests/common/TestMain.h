#pragma once

#include "MKApplication.h"
#include "MKCheckBox.h"
#include "MainBox.h"
#include "ModalAnswerer.h"
#include "RvpdfVersion.h"
#include "TestEnv.h"

#include <QTest>

#include <cstdio>

// Test entry point: private folders first, then the application object with
// the default brand, then the test object; at the end the document engine's
// background work is drained, as the application does after its event loop.
#define RV_TEST_MAIN_WITH(TestObject, DisplayKind)                                      \
    int main(int argc, char** argv)                                                     \
    {                                                                                   \
        TestEnv::Setup(DisplayKind);                                                    \
        MKApplication app(argc, argv);                                                  \
        QCoreApplication::setApplicationVersion(RVPDF_VERSION);                         \
        app.InitProduct("rv", "overseas");                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                        \
        /* Opening a file asks once about the default viewer; tests of */              \
        /* that question clear the mark themselves. */                                 \
        MKCheckBox::SetMarked("pdf_Launcher", true);                                    \
        ModalAnswerer::InstallWatchdog();                                               \
        TestObject tc;                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                      \
        const int result = QTest::qExec(&tc, argc, argv);                               \
        /* A file still being read: no static destructors under it. */                  \
        if (!MainBox::DestroyPDF())                                                     \
            TestEnv::EndNow(result);                                                    \
        return result;                                                                  \
    }

#define RV_TEST_MAIN(TestObject) RV_TEST_MAIN_WITH(TestObject, TestEnv::Offscreen)
#define RV_TEST_MAIN_XVFB(TestObject) RV_TEST_MAIN_WITH(TestObject, TestEnv::Xvfb)

// Benchmark entry: output unbuffered, private folders on Xvfb, then the
// application object (named app) with the default brand.
#define RV_BENCH_APP(argc, argv)                                                        \
    std::setvbuf(stdout, nullptr, _IONBF, 0);                                           \
    TestEnv::Setup(TestEnv::Xvfb);                                                      \
    MKApplication app(argc, argv);                                                      \
    QCoreApplication::setApplicationVersion(RVPDF_VERSION);                             \
    app.InitProduct("rv", "overseas")
