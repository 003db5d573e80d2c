#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace MKBase {

// Association of the application with PDF files the freedesktop way: the PDF
// lists of the user's mimeapps.list, and a desktop entry in the user's
// applications folder only when no installed entry has our id.
class CAssocUtils
{
public:
    // Puts our entry first among the applications for PDF files; with
    // makeDefault it also becomes the default one. Writes our desktop entry
    // only when none is installed, and takes back one written earlier once
    // the package installs its own. True when the files hold that; on
    // failure neither file is left half changed.
    static bool SetPdfLauncher(const QString& appId, const QString& title, bool makeDefault);
    // Takes our id out of every PDF list and deletes the desktop entry we
    // wrote (one the user made for our id stays). True also when there was
    // nothing to take out.
    static bool ResetPdfLauncher(const QString& appId);
    // True when the desktop opens PDF files with us by default. Only reads
    // files; starts no process.
    static bool IsPdfLauncher(const QString& appId);
    static bool IsDefaultPdfLauncher(const QString& appId);

    // "org.rvpdf.RVPDF.desktop" for "org.rvpdf.RVPDF"; empty when the id
    // cannot name a desktop file.
    static QString DesktopFileId(const QString& appId);
    static QString UserApplicationsDir();
    static QString UserMimeAppsPath();
    // The desktop entry starting program with the files to open.
    static QByteArray DesktopEntry(const QString& appId, const QString& title, const QString& program);
    // The Exec value of that entry, quoted and escaped as launchers expect.
    static QString ExecValue(const QString& program, const QStringList& arguments = QStringList());
    // Every mimeapps.list that may name a default, highest precedence first.
    static QStringList MimeAppsSearchPath();
    // The desktop file id that opens mimeType by default; empty when no
    // listed default is installed.
    static QString DefaultApplication(const QString& mimeType);
    // The file a desktop file id stands for; empty when it is not installed
    // or hidden.
    static QString FindDesktopFile(const QString& desktopId);
    // The same among the system's entries only ($XDG_DATA_DIRS).
    static QString SystemDesktopFile(const QString& desktopId);
};

} // namespace MKBase
