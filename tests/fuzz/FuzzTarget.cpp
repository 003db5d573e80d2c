#include "FuzzTarget.h"

#include "MKApplication.h"
#include "RvpdfVersion.h"
#include "TestEnv.h"

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

Registrar::Registrar(const char* name, TargetFunction function)
{
    Targets().append({QString::fromLatin1(name), function});
}

QList<Target>& Targets()
{
    static QList<Target> targets;
    return targets;
}

void Setup()
{
    if (QCoreApplication::instance())
        return;
    TestEnv::Setup(TestEnv::Offscreen);
    static int argc = 1;
    static char name[] = "rvpdf-fuzz";
    static char* argv[] = {name, nullptr};
    // Lives as long as the process, as the application's own does.
    auto* app = new MKApplication(argc, argv);
    QCoreApplication::setApplicationVersion(RVPDF_VERSION);
    app->InitProduct("rv", "overseas");
}

void Fail(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", condition, file, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace Fuzz
