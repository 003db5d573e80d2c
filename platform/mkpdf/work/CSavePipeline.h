#pragma once

#include "CPageEdits.h"
#include "CPagePlan.h"
#include "CPdfEditor.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class CPdfDocument;

// Writes a document, or pages of it, to a file in stages, never damaging
// the file it replaces:
//   1. changes held in memory (annotations, form values) are written into a
//      temporary copy of the open document, which stage 2 then reads in its
//      place - the hook for that is Job::changesWriter; then the content
//      edits of its pages are made on that copy, or on a copy of their own;
//   1b. text recognized for pages is laid over them, appended to that file
//      as an update where it can be - the hook is Job::textLayers;
//   2. the structural stage: the page plan and the protection, in one qpdf
//      writer pass, into a temporary file in the target's own folder;
//   3. the temporary file is flushed to disk and renamed over the target in
//      one step (the target keeps its permissions);
//   4. optionally the written file is opened again, for the view to show.
// Every stage runs on the calling thread; RunAndWait puts them on a worker.
class CSavePipeline : public QObject
{
    Q_OBJECT
public:
    enum Failure {
        None,
        SourceMissing,    // a source file is gone
        SourceChanged,    // a source file was changed by another program
        SourceUnreadable, // a source cannot be read (damaged, wrong password)
        OwnerPasswordNeeded,
        FolderNotWritable, // nothing may be created in the target's folder
        TargetReadOnly,
        WriteFailed,   // the disk refused the data (full, quota, I/O error)
        ChangesFailed, // stage 1 failed
        ReloadFailed,  // written, but could not be opened again
        Stopped,       // Job::progress asked to stop; nothing was written
    };

    struct Source
    {
        PdfSource file;
        // The document as it was opened, to tell whether the file on disk
        // changed since; null for a file read at save time only.
        std::shared_ptr<CPdfDocument> opened;
    };

    using ChangesWriter = std::function<bool(const QString& tempPath, QString* error)>;

    struct Job
    {
        QVector<Source> sources; // index for index with plan.Sources(); 0 is the open document
        CPagePlan plan;
        // Stage 1b: content edits of the open document's pages, made on
        // what stage 1 wrote (or the file itself).
        CPageEdits pageEdits;
        PdfProtection protection;
        QString target;
        // Stage 1: writes the open document with its in-memory changes to
        // the given temporary path (the annotation and form editors will do
        // so through poppler's PDF converter). Unset while nothing but pages
        // is edited: then the document's own file is read as it is.
        ChangesWriter changesWriter;
        // Stage 1b: invisible text for pages of the open document, by page
        // from 0, each a one-page PDF to lay over its page.
        QMap<int, QByteArray> textLayers;
        bool reload = false;
        QByteArray reloadPassword;
        // Told how far stage 2 is; false stops the job there.
        CPdfEditor::Progress progress;
    };

    struct Result
    {
        Failure failure = None;
        QString detail;                         // what the system or the parser said
        QString message;                        // what the user is told
        std::shared_ptr<CPdfDocument> document; // the file as written, when reloaded
        bool Ok() const { return failure == None; }
    };

    static Result Run(const Job& job);
    // Runs the job on a worker; the GUI thread goes on painting meanwhile
    // but takes no input until the job is done.
    static Result RunAndWait(const Job& job);
    // Whether the job writes the original file unchanged with its changes
    // appended as an update, so that what was signed stays signed; page
    // edits, another page plan or protection rewrite the whole file.
    static bool AppendsToOriginal(const Job& job);
    // What the user is told for a failure.
    static QString Message(Failure failure, const QString& path, const QString& detail);
};
