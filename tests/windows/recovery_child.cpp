// Test helper: opens the document given, deletes its second page and turns
// its first without saving, keeps a recovery copy of that, prints "ready"
// and waits to be killed.
// Usage: recovery_child <document.pdf>

#include "CEditSession.h"
#include "CPagePlan.h"
#include "MKApplication.h"
#include "MainBox.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    MKApplication app(argc, argv);
    app.InitProduct("rv", "overseas");
    if (argc < 2)
        return 2;
    int result = -1;
    auto* box = qobject_cast<MainBox*>(MainBox::CreatePdfBox(nullptr, QString::fromLocal8Bit(argv[1]), {}, result));
    if (!box)
        return 3;
    CPagePlan plan = box->Session()->Plan();
    plan.Remove({1});
    plan.Rotate({0}, 90);
    box->Session()->ApplyPlan(plan, "edit", {});
    if (!box->WriteRecoveryCopy())
        return 4;
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
