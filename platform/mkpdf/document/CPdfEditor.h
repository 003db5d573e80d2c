#pragma once

#include <QByteArray>
#include <QMap>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdio>
#include <functional>

class CPagePlan;

// How a written file is protected.
struct PdfProtection
{
    // PrintCopy: no protection, and every comment meant for paper drawn into
    // its page - the copy a printer gets. It needs only the open password:
    // whoever asks for it has checked that the document may be printed.
    enum Mode { Keep, Set, Remove, PrintCopy };
    Mode mode = Keep;
    QString openPassword;
    QString permissionsPassword; // empty: no restrictions
    bool allowPrint = true;
    bool allowCopy = true;
    bool allowEdit = true;
    bool allowAnnotate = true;
    bool allowForms = true;
    bool allowAssembly = true;
    bool aes256 = true; // otherwise AES-128, for older readers
};

// What the structural writer reads of a file's protection.
struct PdfProtectionInfo
{
    bool readable = false;
    bool encrypted = false;
    bool ownerAccess = false; // opened with the permissions password, or there is none
    int revision = 0;
    bool allowAssembly = true;
    bool allowModify = true; // what pages draw
};

// A file a plan takes pages from, with the password it was opened with.
struct PdfSource
{
    QString path;
    QByteArray password;
};

// Structural PDF writing. Every write goes to a temporary file first, so a
// failure never leaves a damaged target behind.
class CPdfEditor
{
public:
    enum WriteResult { Written, SourceFailed, OwnerPasswordNeeded, OutputFailed, Stopped };
    // Told how much of a write is done, in percent; false stops it.
    using Progress = std::function<bool(int nPercent)>;

    // Writes nPages empty pages of sizePt points. On failure returns false
    // and describes the problem in *error.
    static bool WriteBlankDocument(const QString& path, const QSizeF& sizePt, int nPages, QString* error = nullptr);

    // Writes the pages of plan, taken from sources (index for index with the
    // plan's sources; source 0 is the document whose outline, names, form,
    // attachments and document information the result keeps), protected as
    // asked, to out in one pass. Outline entries, named destinations, links
    // and form fields of pages left out are dropped. out stays open; the
    // caller flushes and checks it.
    static WriteResult WritePlan(const QVector<PdfSource>& sources, const CPagePlan& plan,
                                 const PdfProtection& protection, FILE* out, QString* error = nullptr,
                                 const Progress& progress = Progress());

    static PdfProtectionInfo ReadProtection(const QString& path, const QByteArray& password);
    // The comments of a file that carry no picture of their own, by page
    // (from 0) and name; links, form fields and nameless ones left out.
    static QMap<int, QStringList> CommentsWithoutAppearance(const QString& path, const QByteArray& password);
};
