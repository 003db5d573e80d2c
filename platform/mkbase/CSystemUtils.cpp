#include "CSystemUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QStandardPaths>

#include "CFileUtils.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>

#include <malloc.h>
#include <pwd.h>
#include <unistd.h>

namespace MKBase {

void CSystemUtils::EnableHighDPISupport(bool bRoundScale)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        bRoundScale ? Qt::HighDpiScaleFactorRoundingPolicy::Round : Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

namespace {

const char* const kGlIntegration = "QT_XCB_GL_INTEGRATION";
bool g_glIntegrationSet = false;

} // namespace

void CSystemUtils::SkipOpenGLIntegration()
{
    if (qEnvironmentVariableIsSet(kGlIntegration))
        return;
    qputenv(kGlIntegration, "none");
    g_glIntegrationSet = true;
}

void CSystemUtils::RestoreStartupEnvironment()
{
    if (!g_glIntegrationSet)
        return;
    qunsetenv(kGlIntegration);
    g_glIntegrationSet = false;
}

void CSystemUtils::TuneMemory()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
    mallopt(M_ARENA_MAX, 4);
#endif
}

void CSystemUtils::GiveBackFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

bool CSystemUtils::IsWindows11OrGreater()
{
    return false;
}

bool CSystemUtils::IsPaletteDark(const QPalette& palette)
{
    // Perceived brightness, so a saturated blue window counts as dark.
    auto luma = [](const QColor& c) { return 299 * c.red() + 587 * c.green() + 114 * c.blue(); };
    return luma(palette.color(QPalette::Window)) < luma(palette.color(QPalette::WindowText));
}

bool CSystemUtils::IsSystemPaletteDark()
{
    // The application palette is our own skin once one is applied; only the
    // platform theme still says what the desktop uses.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    const QPlatformTheme* theme = QGuiApplicationPrivate::platformTheme();
    const QPalette* palette = theme ? theme->palette(QPlatformTheme::SystemPalette) : nullptr;
    return palette && IsPaletteDark(*palette);
}

QString CSystemUtils::MachineId()
{
    for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString id = QString::fromLatin1(file.read(128)).trimmed();
        if (id.size() >= 16)
            return id;
    }
    return QString();
}

QString CSystemUtils::UserName()
{
    if (const passwd* pw = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::fromLocal8Bit(qgetenv("USER"));
}

bool CSystemUtils::IsNewUser(const QString& brandName, const QString& productName)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return false;
    QString name = (brandName + productName).toLower();
    name.remove(QRegularExpression("[^a-z0-9_-]"));
    if (name.isEmpty())
        return false;
    const QString marker = base + "/" + name + "-user";
    if (QFile::exists(marker))
        return false;
    return CFileUtils::WriteFileData(marker, QStringLiteral("1"));
}

bool CSystemUtils::HasSessionBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    // The per-user bus of systemd sessions is found without the variable.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace MKBase
