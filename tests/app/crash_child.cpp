// Test helper: sets crash reporting up the way main() does, writes a log
// line and then fails in the way its first argument names.
// Usage: crash_child <condition> [bundle] [region]

#include "CAppPaths.h"
#include "app/CrashReport.h"
#include "CJobRunner.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "RvpdfVersion.h"

#include <QTemporaryFile>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>

#include <sys/resource.h>

// Outside the anonymous namespace and out of line: with the whole class
// tree in view the compiler would call Square::Area directly.
struct Shape
{
    __attribute__((noinline)) Shape()
    {
        Shape* volatile self = this;
        Describe(self);
    }
    virtual ~Shape() = default;
    virtual double Area() const = 0;
    __attribute__((noinline)) static void Describe(const Shape* shape) { std::printf("%f\n", shape->Area()); }
};

struct Square : Shape
{
    double Area() const override { return 1.0; }
};

namespace {

// Read at run time so the compiler cannot see through the failures.
int* volatile g_nowhere = nullptr;
volatile int g_zero = 0;
volatile int g_ten = 10;
volatile size_t g_huge = size_t(1) << 62;
volatile unsigned long g_depthLimit = ~0UL;

// Passing the frame down keeps it alive, so no tail call can turn this into
// a loop.
__attribute__((noinline)) unsigned long Recurse(unsigned long depth, volatile char* previous)
{
    volatile char frame[4096];
    frame[0] = previous ? previous[0] : 0;
    if (depth >= g_depthLimit)
        return frame[0];
    return Recurse(depth + 1, frame) + frame[1];
}

int Fail(const QByteArray& condition)
{
    if (condition == "null") {
        *g_nowhere = 1;
    } else if (condition == "abort") {
        std::abort();
    } else if (condition == "terminate") {
        std::terminate();
    } else if (condition == "exception") {
        throw std::runtime_error("disk on fire");
    } else if (condition == "pure-virtual") {
        Square square;
    } else if (condition == "allocation") {
        std::printf("%p\n", ::operator new(g_huge));
    } else if (condition == "divide") {
        std::printf("%d\n", g_ten / g_zero);
    } else if (condition == "stack-overflow") {
        std::printf("%lu\n", Recurse(0, nullptr));
    } else if (condition == "worker-stack-overflow") {
        // As deep recursion in a crafted document would on a render thread.
        CJobRunner::Run([]() { return Recurse(0, nullptr); }).waitForFinished();
    } else if (condition == "illegal") {
        __builtin_trap();
    } else if (condition == "bus") {
        // Reading a mapped page whose file was cut away.
        QTemporaryFile file;
        if (!file.open() || !file.resize(4096))
            return 3;
        volatile uchar* page = file.map(0, 4096);
        if (!page || !file.resize(0))
            return 3;
        std::printf("%d\n", page[0]);
    } else if (condition != "none") {
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Crashes on purpose; core files would only slow the tests down.
    const rlimit noCore {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);

    const QByteArray condition = argc > 1 ? argv[1] : "";
    const QString bundle = QString::fromLocal8Bit(argc > 2 ? argv[2] : "rv");
    const QString region = QString::fromLocal8Bit(argc > 3 ? argv[3] : "overseas");

    MKApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(RVPDF_VERSION);
    app.InitProduct(bundle, region);
    CrashIdentity crash;
    if (CrashIdentityForBrand(bundle, region, &crash))
        InitCrashReport(crash.database, crash.userName, crash.email);
    MKBase::LoggerObject::InitLogger(QStringLiteral("PDF.log"), MKBase::CAppPaths::LogBaseDir());
    MK_LOG("crash child about to fail: %s", condition.constData());

    std::printf("reporter installed: %s\n", IsCrashReportInstalled() ? "yes" : "no");
    std::fflush(stdout);
    return Fail(condition);
}
