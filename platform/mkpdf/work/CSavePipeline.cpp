#include "CSavePipeline.h"

#include "CJobRunner.h"
#include "CPageContentEditor.h"
#include "CPdfDocument.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CSavePipeline::Result Fail(CSavePipeline::Failure failure, const QString& path, const QString& detail)
{
    CSavePipeline::Result result;
    result.failure = failure;
    result.detail = detail;
    result.message = CSavePipeline::Message(failure, path, detail);
    return result;
}

QString SystemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

CPdfEditor::WriteResult CopyInto(const QString& path, FILE* out, QString* error)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return CPdfEditor::SourceFailed;
    }
    char buffer[1 << 16];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof(buffer));
        if (got < 0) {
            *error = in.errorString();
            return CPdfEditor::SourceFailed;
        }
        if (got == 0)
            return CPdfEditor::Written;
        if (std::fwrite(buffer, 1, size_t(got), out) != size_t(got)) {
            *error = SystemError(errno);
            return CPdfEditor::OutputFailed;
        }
    }
}

} // namespace

QString CSavePipeline::Message(Failure failure, const QString& path, const QString& detail)
{
    const QString name = QDir::toNativeSeparators(path);
    switch (failure) {
    case None:
        return QString();
    case SourceMissing:
        return tr("\"%1\" was moved or deleted while it was open. Nothing was written.").arg(name);
    case SourceChanged:
        return tr("\"%1\" was changed by another program while it was open. Nothing was written; open it again "
                  "to make your changes.")
            .arg(name);
    case SourceUnreadable:
        return tr("\"%1\" could not be read (%2). Nothing was written.").arg(name, detail);
    case OwnerPasswordNeeded:
        return tr("This document was opened with its open password only. To change its protection, open it "
                  "with its permissions password.");
    case FolderNotWritable:
        return tr("The folder \"%1\" does not allow changes. Choose another folder with Save As.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    case TargetReadOnly:
        return tr("\"%1\" is read-only. Choose another file with Save As.").arg(name);
    case WriteFailed:
        return tr("\"%1\" could not be written (%2). The file was left as it was.").arg(name, detail);
    case ChangesFailed:
        return tr("The changes could not be prepared for writing (%1). Nothing was written.").arg(detail);
    case ReloadFailed:
        return tr("\"%1\" was saved but could not be opened again (%2).").arg(name, detail);
    case Stopped: // whoever stopped it knows
        return QString();
    }
    return QString();
}

CSavePipeline::Result CSavePipeline::Run(const Job& job)
{
    // The target's real file, when it is a link.
    QString target = QFileInfo(job.target).absoluteFilePath();
    if (QFileInfo(target).isSymLink() && QFileInfo(target).exists())
        target = QFileInfo(target).canonicalFilePath();
    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();

    // Every source still the file that was opened.
    QVector<PdfSource> files;
    for (const Source& source : job.sources) {
        const QFileInfo info(source.file.path);
        if (!info.exists())
            return Fail(SourceMissing, source.file.path, QString());
        if (source.opened && !source.opened->IsUnchangedOnDisk())
            return Fail(SourceChanged, source.file.path, QString());
        files << source.file;
    }
    if (files.isEmpty())
        return Fail(SourceMissing, job.target, QString());
    if (!QFileInfo(folder).isDir() || !QFileInfo(folder).isWritable())
        return Fail(FolderNotWritable, target, QString());
    if (targetInfo.exists() && !targetInfo.isWritable())
        return Fail(TargetReadOnly, target, QString());

    // Stage 1: in-memory changes of the open document.
    QTemporaryDir changesDir;
    if (job.changesWriter) {
        const QString changed = changesDir.filePath("changed.pdf");
        QString error;
        if (!changesDir.isValid() || !job.changesWriter(changed, &error))
            return Fail(ChangesFailed, target, error);
        files[0].path = changed;
    }
    if (!job.pageEdits.IsEmpty()) {
        const QString edited = changesDir.filePath("edited.pdf");
        QString error;
        if (!changesDir.isValid() || !CPageContentEditor::Apply(files.at(0), job.pageEdits, edited, &error))
            return Fail(ChangesFailed, target, error);
        files[0].path = edited;
    }

    if (job.progress && !job.progress(0))
        return Fail(Stopped, target, QString());
    // Stage 2: the structure, into a temporary file beside the target.
    QTemporaryFile temp(folder + "/." + targetInfo.fileName() + ".XXXXXX");
    if (!temp.open())
        return Fail(FolderNotWritable, target, temp.errorString());
    const int fd = ::dup(temp.handle());
    FILE* out = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (!out) {
        if (fd >= 0)
            ::close(fd);
        return Fail(WriteFailed, target, SystemError(errno));
    }
    QString error;
    // Comments and form values alone: the parser's own output is an
    // incremental update of the original file, kept as it is, so what was
    // there before (a signature included) stays byte for byte. Content
    // edits with the pages as they are: stage 1 wrote the whole file.
    const bool asWritten = (job.changesWriter || !job.pageEdits.IsEmpty()) && job.protection.mode == PdfProtection::Keep
        && job.sources.size() == 1 && job.sources.at(0).opened
        && job.plan.IsIdentity(job.sources.at(0).opened->PageCount());
    const CPdfEditor::WriteResult written = asWritten
        ? CopyInto(files.at(0).path, out, &error)
        : CPdfEditor::WritePlan(files, job.plan, job.protection, out, &error, job.progress);
    // Stage 3: all of it on disk before it takes the target's place.
    int writeError = 0;
    if (std::fflush(out) != 0 || std::ferror(out))
        writeError = errno ? errno : EIO;
    if (!writeError && ::fsync(::fileno(out)) != 0 && errno != EINVAL)
        writeError = errno;
    if (std::fclose(out) != 0 && !writeError)
        writeError = errno;
    switch (written) {
    case CPdfEditor::Written:
        break;
    case CPdfEditor::OwnerPasswordNeeded:
        return Fail(OwnerPasswordNeeded, target, error);
    case CPdfEditor::SourceFailed:
        return Fail(SourceUnreadable, job.sources.at(0).file.path, error);
    case CPdfEditor::OutputFailed:
        return Fail(WriteFailed, target, writeError ? SystemError(writeError) : error);
    case CPdfEditor::Stopped:
        return Fail(Stopped, target, error);
    }
    if (writeError)
        return Fail(WriteFailed, target, SystemError(writeError));

    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (targetInfo.exists())
        permissions = QFile(target).permissions();
    temp.setPermissions(permissions);
    // The file stays its owner's and its group's where we may say so (a
    // shared folder's group, a file saved by its owner's administrator);
    // otherwise it is ours, as any new file would be.
    struct stat owner;
    if (targetInfo.exists() && ::stat(QFile::encodeName(target).constData(), &owner) == 0
        && ::fchown(temp.handle(), owner.st_uid, owner.st_gid) != 0)
        (void)!::fchown(temp.handle(), uid_t(-1), owner.st_gid);
    const QString tempPath = temp.fileName();
    temp.setAutoRemove(false);
    temp.close();
    if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(target).constData()) != 0) {
        const int code = errno;
        QFile::remove(tempPath);
        return Fail(WriteFailed, target, SystemError(code));
    }

    Result result;
    if (job.reload) {
        CPdfDocument::LoadStatus status = CPdfDocument::Damaged;
        result.document = CPdfDocument::Load(target, job.reloadPassword, &status);
        if (!result.document)
            return Fail(ReloadFailed, target, QString::number(int(status)));
    }
    return result;
}

CSavePipeline::Result CSavePipeline::RunAndWait(const Job& job)
{
    QFutureWatcher<Result> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<Result>::finished, &loop, &QEventLoop::quit);
    // Apart from the pages: a save never waits behind page pictures.
    watcher.setFuture(
        CJobRunner::Run(CJobRunner::FilePool, CJobRunner::BackgroundPriority, [job]() { return Run(job); }));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return watcher.result();
}
