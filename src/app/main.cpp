// The process entry. A launch while an instance runs hands its file over and
// ends; it loads nothing but Qt's core library, so that the file reaches the
// running instance within a few milliseconds. Only a launch that is to be
// the instance loads the application (AppEntry.h).
#include "AppEntry.h"
#include "LaunchHandOver.h"
#include "windows/CLaunchRequest.h"
#include "windows/CSingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

#include <dlfcn.h>

namespace {

// Installed, the library sits in a folder of its own beside the program's;
// in a build tree, next to it.
RunApplicationFunction LoadApplication()
{
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
    QString error;
    for (const QString& path : {folder + QStringLiteral("/" RVPDF_APP_LIBRARY_DIR "/" RVPDF_APP_LIBRARY),
                                folder + QStringLiteral("/" RVPDF_APP_LIBRARY)}) {
        if (!QFileInfo::exists(path))
            continue;
        void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            error = QString::fromLocal8Bit(dlerror());
            break;
        }
        if (auto run = reinterpret_cast<RunApplicationFunction>(dlsym(library, kRunApplicationSymbol)))
            return run;
        error = path + QStringLiteral(": no entry point");
        break;
    }
    std::fprintf(stderr, "rvpdf: cannot load the application (%s): %s\n", RVPDF_APP_LIBRARY,
                 qUtf8Printable(error.isEmpty() ? QStringLiteral("not found beside %1").arg(folder) : error));
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    const CLaunchRequest launch = CLaunchRequest::Parse(BuildArgumentList(argc, argv), QDir::currentPath());
    std::unique_ptr<CSingleInstance> instance;
    // A mistake on the command line, --help and --version are the
    // application's to tell, whether or not an instance runs.
    if (launch.error.isEmpty() && !launch.help && !launch.version) {
        const QString key = QStringLiteral(RVPDF_BUNDLE_ID);
        instance = std::make_unique<CSingleInstance>(key);
        if (instance->IsRunning()) {
            const int rc = HandOverToRunningInstance(*instance, key, launch.HandOver());
            if (rc >= 0)
                return rc;
        }
    }
    // Text recognition reads one page per worker thread; the recognizer's
    // own threads on top of those only wait for each other, and made it four
    // times slower. Its thread library reads the limit once, as the
    // application loads it; the user's own setting is left alone, and ours is
    // taken back before a program we start could inherit it.
    const bool limitThreads = !qEnvironmentVariableIsSet("OMP_THREAD_LIMIT");
    if (limitThreads)
        qputenv("OMP_THREAD_LIMIT", "1");
    const RunApplicationFunction run = LoadApplication();
    if (limitThreads)
        qunsetenv("OMP_THREAD_LIMIT");
    return run ? run(argc, argv, instance.get()) : 1;
}
