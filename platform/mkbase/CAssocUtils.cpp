#include "CAssocUtils.h"

#include "CFileUtils.h"
#include "CMimeAppsList.h"
#include "LoggerObject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace MKBase {

namespace {

const QString kPdfType = QStringLiteral("application/pdf");
constexpr int kMaxIdDepth = 8;

// Escapes of the key file "string" type. A leading space would be eaten
// by readers, so it is written as \s.
QString EscapeString(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == '\\')
            out += QStringLiteral("\\\\");
        else if (c == '\n')
            out += QStringLiteral("\\n");
        else if (c == '\t')
            out += QStringLiteral("\\t");
        else if (c == '\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    if (out.startsWith(' '))
        out.replace(0, 1, QStringLiteral("\\s"));
    return out;
}

// One argument of an Exec line: quoted when it holds a reserved character,
// with '%' doubled so that it is not taken for a field code.
QString ExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || reserved.contains(c);
    QString out;
    if (quote) {
        out += '"';
        for (const QChar c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                out += '\\';
            out += c;
        }
        out += '"';
    } else {
        out = argument;
    }
    return out.replace('%', QStringLiteral("%%"));
}

// Absolute entries of a colon-separated list; relative ones are invalid
// and skipped. Unset or empty gives the fallback.
QStringList EnvDirs(const char* name, const QString& fallback)
{
    QString value = QString::fromLocal8Bit(qgetenv(name));
    if (value.isEmpty())
        value = fallback;
    QStringList dirs;
    for (const QString& dir : value.split(':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            dirs << QDir::cleanPath(dir);
    }
    return dirs;
}

QStringList SystemApplicationsDirs()
{
    QStringList dirs;
    for (const QString& dir : EnvDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share/:/usr/share/")))
        dirs << dir + "/applications";
    return dirs;
}

QStringList ApplicationsDirs()
{
    return QStringList {CAssocUtils::UserApplicationsDir()} + SystemApplicationsDirs();
}

// A desktop file id names applications/foo/bar.desktop as foo-bar.desktop,
// so each '-' may stand for a folder.
QString ResolveId(const QString& dir, const QString& rest, int depth)
{
    const QString direct = dir + "/" + rest;
    if (QFileInfo(direct).isFile())
        return direct;
    if (depth >= kMaxIdDepth)
        return {};
    for (int dash = rest.indexOf('-'); dash > 0; dash = rest.indexOf('-', dash + 1)) {
        const QString sub = dir + "/" + rest.left(dash);
        if (!QFileInfo(sub).isDir())
            continue;
        const QString found = ResolveId(sub, rest.mid(dash + 1), depth + 1);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// Keys of the entries this program writes, now and in earlier versions.
const QStringList kWrittenKeys {"Type",     "Version",  "Name",          "GenericName",   "Comment",
                                "TryExec",  "Exec",     "Icon",          "MimeType",      "Categories",
                                "Keywords", "Terminal", "StartupNotify", "StartupWMClass"};

// An entry this program wrote and nobody changed where it matters: nothing
// but our keys, starting the program its TryExec names.
bool IsWrittenByUs(const QString& path)
{
    CMimeAppsList entry;
    if (entry.Load(path) != CMimeAppsList::Loaded)
        return false;
    const QString group = QStringLiteral("Desktop Entry");
    const QStringList keys = entry.Keys(group);
    for (const QString& key : keys) {
        if (!kWrittenKeys.contains(key))
            return false;
    }
    const QStringList tryExec = entry.Values(group, QStringLiteral("TryExec"));
    const QString exec = entry.Values(group, QStringLiteral("Exec")).join(';');
    return tryExec.size() == 1 && exec == CAssocUtils::ExecValue(tryExec.first());
}

bool IsHiddenEntry(const QString& path)
{
    CMimeAppsList entry;
    if (entry.Load(path) != CMimeAppsList::Loaded)
        return false;
    const QStringList hidden = entry.Values(QStringLiteral("Desktop Entry"), QStringLiteral("Hidden"));
    return hidden.size() == 1 && hidden.first() == QLatin1String("true");
}

// The first folder holding the id decides, also when it hides it.
QString FindIn(const QStringList& dirs, const QString& desktopId)
{
    if (!desktopId.endsWith(QLatin1String(".desktop")) || desktopId.contains('/') || desktopId.startsWith('.'))
        return {};
    for (const QString& dir : dirs) {
        const QString path = ResolveId(dir, desktopId, 0);
        if (!path.isEmpty())
            return IsHiddenEntry(path) ? QString() : path;
    }
    return {};
}

} // namespace

QString CAssocUtils::DesktopFileId(const QString& appId)
{
    // Dot-separated elements of letters, digits, '_' and '-', none starting
    // with a digit: what desktop file ids may be, and never a path.
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z_][A-Za-z0-9_-]*(\\.[A-Za-z_][A-Za-z0-9_-]*)*$"));
    if (appId.size() > 200 || !valid.match(appId).hasMatch())
        return {};
    return appId + ".desktop";
}

QString CAssocUtils::UserApplicationsDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/applications";
}

QString CAssocUtils::UserMimeAppsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/mimeapps.list";
}

QString CAssocUtils::ExecValue(const QString& program, const QStringList& arguments)
{
    QString line = ExecArgument(program);
    for (const QString& argument : arguments)
        line += ' ' + ExecArgument(argument);
    // One file per launch: each launch hands over one file, and a list of
    // them would not fit the hand-over.
    return EscapeString(line + " %f");
}

QByteArray CAssocUtils::DesktopEntry(const QString& appId, const QString& title, const QString& program)
{
    // Qt names X11 windows after the lower-case application name, the last
    // element of the id.
    const QString windowClass = appId.section('.', -1).toLower();
    QString entry;
    entry += "[Desktop Entry]\n";
    entry += "Type=Application\n";
    entry += "Version=1.0\n";
    // The same keys as the packaged entry: where this one is used (a
    // program run from where it was built) it stands in for that one.
    entry += "Name=" + EscapeString(title.isEmpty() ? appId.section('.', -1) : title) + "\n";
    entry += "GenericName=PDF Viewer\n";
    entry += "Comment=Read and print PDF documents in tabs\n";
    entry += "TryExec=" + EscapeString(program) + "\n";
    entry += "Exec=" + ExecValue(program) + "\n";
    entry += "Icon=" + appId + "\n";
    entry += "MimeType=application/pdf;\n";
    entry += "Categories=Office;Viewer;\n";
    entry += "Keywords=PDF;Document;Viewer;Reader;\n";
    entry += "Terminal=false\n";
    entry += "StartupNotify=true\n";
    entry += "StartupWMClass=" + windowClass + "\n";
    return entry.toUtf8();
}

bool CAssocUtils::SetPdfLauncher(const QString& appId, const QString& title, bool makeDefault)
{
    const QString id = DesktopFileId(appId);
    const QString program = QCoreApplication::applicationFilePath();
    if (id.isEmpty() || program.isEmpty()) {
        MK_LOG("pdf launcher: unusable id '%s'", qUtf8Printable(appId));
        return false;
    }
    const QString listPath = UserMimeAppsPath();
    CMimeAppsList list;
    const CMimeAppsList::LoadResult loaded = list.Load(listPath);
    if (loaded != CMimeAppsList::Loaded && loaded != CMimeAppsList::Missing) {
        // Rewriting a file we could not read would lose what it holds.
        MK_LOG("pdf launcher: %s left alone (%d)", qUtf8Printable(listPath), int(loaded));
        return false;
    }
    bool changed = list.Prepend(CMimeAppsList::kAddedGroup, kPdfType, id);
    if (makeDefault) {
        changed = list.Prepend(CMimeAppsList::kDefaultGroup, kPdfType, id) || changed;
        changed = list.Remove(CMimeAppsList::kRemovedGroup, kPdfType, id) || changed;
    }

    const QString entryPath = UserApplicationsDir() + "/" + id;
    if (!SystemDesktopFile(id).isEmpty()) {
        // The package's entry stays the one the desktop sees: a copy of
        // ours would hide its updates and outlive its removal.
        if (changed && !list.Save(listPath)) {
            MK_LOG("pdf launcher: cannot write %s", qUtf8Printable(listPath));
            return false;
        }
        if (QFileInfo(entryPath).isFile() && IsWrittenByUs(entryPath))
            QFile::remove(entryPath);
        MK_LOG("pdf launcher set: %s (installed entry) default=%d", qUtf8Printable(id), makeDefault ? 1 : 0);
        return true;
    }
    // The entry goes first, so the list never names a file that is missing;
    // if the list then fails, the entry is put back as it was.
    const bool hadEntry = QFileInfo(entryPath).isFile();
    const QByteArray oldEntry
        = hadEntry ? CFileUtils::ReadFileBytes(entryPath, CMimeAppsList::kMaxFileSize) : QByteArray();
    const QByteArray entry = DesktopEntry(appId, title, program);
    if (!(hadEntry && oldEntry == entry) && !CFileUtils::WriteFileBytes(entryPath, entry)) {
        MK_LOG("pdf launcher: cannot write %s", qUtf8Printable(entryPath));
        return false;
    }
    if (changed && !list.Save(listPath)) {
        MK_LOG("pdf launcher: cannot write %s", qUtf8Printable(listPath));
        if (!hadEntry)
            QFile::remove(entryPath);
        else if (!oldEntry.isEmpty())
            CFileUtils::WriteFileBytes(entryPath, oldEntry);
        return false;
    }
    MK_LOG("pdf launcher set: %s default=%d", qUtf8Printable(id), makeDefault ? 1 : 0);
    return true;
}

bool CAssocUtils::ResetPdfLauncher(const QString& appId)
{
    const QString id = DesktopFileId(appId);
    if (id.isEmpty())
        return false;
    bool ok = true;
    const QString listPath = UserMimeAppsPath();
    CMimeAppsList list;
    const CMimeAppsList::LoadResult loaded = list.Load(listPath);
    if (loaded == CMimeAppsList::Loaded) {
        bool changed = false;
        for (const char* group :
             {CMimeAppsList::kAddedGroup, CMimeAppsList::kDefaultGroup, CMimeAppsList::kRemovedGroup})
            changed = list.Remove(group, kPdfType, id) || changed;
        if (changed && !list.Save(listPath)) {
            MK_LOG("pdf launcher: cannot write %s", qUtf8Printable(listPath));
            return false;
        }
    } else if (loaded != CMimeAppsList::Missing) {
        // The entry still goes: a list naming a missing entry is ignored by
        // the desktop, but the caller learns the list was left alone.
        MK_LOG("pdf launcher: %s left alone (%d)", qUtf8Printable(listPath), int(loaded));
        ok = false;
    }
    // An entry the user made for our id is theirs to keep.
    const QString entryPath = UserApplicationsDir() + "/" + id;
    if (QFileInfo::exists(entryPath) && IsWrittenByUs(entryPath) && !QFile::remove(entryPath)) {
        MK_LOG("pdf launcher: cannot remove %s", qUtf8Printable(entryPath));
        ok = false;
    }
    MK_LOG("pdf launcher reset: %s ok=%d", qUtf8Printable(id), ok ? 1 : 0);
    return ok;
}

bool CAssocUtils::IsPdfLauncher(const QString& appId)
{
    const QString id = DesktopFileId(appId);
    return !id.isEmpty() && DefaultApplication(kPdfType) == id;
}

bool CAssocUtils::IsDefaultPdfLauncher(const QString& appId)
{
    return IsPdfLauncher(appId);
}

QStringList CAssocUtils::MimeAppsSearchPath()
{
    QStringList desktops;
    for (const QString& name : QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")).split(':', Qt::SkipEmptyParts))
        desktops << name.trimmed().toLower();
    QStringList dirs {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
    dirs += EnvDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    dirs += ApplicationsDirs();
    QStringList files;
    for (const QString& dir : dirs) {
        for (const QString& desktop : desktops) {
            if (!desktop.isEmpty() && !desktop.contains('/'))
                files << dir + "/" + desktop + "-mimeapps.list";
        }
        files << dir + "/mimeapps.list";
    }
    return files;
}

QString CAssocUtils::DefaultApplication(const QString& mimeType)
{
    for (const QString& path : MimeAppsSearchPath()) {
        CMimeAppsList list;
        if (list.Load(path) != CMimeAppsList::Loaded)
            continue;
        for (const QString& id : list.Values(CMimeAppsList::kDefaultGroup, mimeType)) {
            if (!FindDesktopFile(id).isEmpty())
                return id;
        }
    }
    return {};
}

QString CAssocUtils::SystemDesktopFile(const QString& desktopId)
{
    return FindIn(SystemApplicationsDirs(), desktopId);
}

QString CAssocUtils::FindDesktopFile(const QString& desktopId)
{
    return FindIn(ApplicationsDirs(), desktopId);
}

} // namespace MKBase
