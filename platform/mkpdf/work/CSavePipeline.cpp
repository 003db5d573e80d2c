#include "CSavePipeline.h"

#include "CJobRunner.h"
#include "CPageContentEditor.h"
#include "CPdfDocument.h"
#include "CTextLayerWriter.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "CFileUtils.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

// Owner and group (the group alone when only that is allowed), mode, and
// every extended attribute, access lists included.
void CopyAttributes(const struct stat& original, const QByteArray& from, int fd)
{
    // Giving the file away takes privileges; the group alone is often
    // allowed; failing both, it stays ours.
    if (::fchown(fd, original.st_uid, original.st_gid) != 0 && ::fchown(fd, uid_t(-1), original.st_gid) != 0)
        errno = 0;
    ::fchmod(fd, original.st_mode & 07777);
    const ssize_t size = ::listxattr(from.constData(), nullptr, 0);
    if (size <= 0)
        return;
    QByteArray names(int(size), '\0');
    const ssize_t got = ::listxattr(from.constData(), names.data(), size_t(names.size()));
    for (const QByteArray& name : names.left(int(qMax<ssize_t>(got, 0))).split('\0')) {
        if (name.isEmpty())
            continue;
        const ssize_t length = ::getxattr(from.constData(), name.constData(), nullptr, 0);
        if (length < 0)
            continue;
        QByteArray value(int(length), '\0');
        const ssize_t read = ::getxattr(from.constData(), name.constData(), value.data(), size_t(value.size()));
        if (read >= 0)
            ::fsetxattr(fd, name.constData(), value.constData(), size_t(read), 0);
    }
}

// Writes the content of fd into the file target itself. The space is
// reserved first, so a full disk fails before a byte is changed. Returns 0
// or the error.
int WriteInto(int fd, const QByteArray& target)
{
    struct stat written {};
    if (::fstat(fd, &written) != 0)
        return errno;
    const int out = ::open(target.constData(), O_WRONLY | O_CLOEXEC);
    if (out < 0)
        return errno;
    int code = 0;
    if (written.st_size > 0 && ::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, written.st_size) != 0 && errno != EOPNOTSUPP)
        code = errno;
    char buffer[1 << 16];
    for (off_t offset = 0; code == 0 && offset < written.st_size;) {
        const ssize_t got = ::pread(fd, buffer, sizeof(buffer), offset);
        if (got <= 0) {
            code = got < 0 ? errno : EIO;
            break;
        }
        for (ssize_t done = 0; code == 0 && done < got;) {
            const ssize_t put = ::pwrite(out, buffer + done, size_t(got - done), offset + done);
            if (put < 0)
                code = errno;
            else
                done += put;
        }
        offset += got;
    }
    if (code == 0 && (::ftruncate(out, written.st_size) != 0 || ::fsync(out) != 0))
        code = errno;
    ::close(out);
    return code;
}

// One document, its pages as they are and its protection kept.
bool KeepsPages(const CSavePipeline::Job& job)
{
    return job.protection.mode == PdfProtection::Keep && job.sources.size() == 1 && job.sources.at(0).opened
        && job.plan.IsIdentity(job.sources.at(0).opened->PageCount());
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

bool CSavePipeline::AppendsToOriginal(const Job& job)
{
    return job.pageEdits.IsEmpty() && KeepsPages(job);
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
        if (source.opened && !source.opened->IsSameContentOnDisk())
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

    // Stage 1b: recognized text over its pages.
    if (!job.textLayers.isEmpty()) {
        const QString layered = changesDir.filePath("text.pdf");
        QString error;
        const CPdfEditor::WriteResult laid = changesDir.isValid()
            ? CTextLayerWriter::Write(files.at(0), job.textLayers, layered, nullptr, &error)
            : CPdfEditor::OutputFailed;
        if (laid != CPdfEditor::Written)
            return Fail(ChangesFailed, target, error.isEmpty() ? changesDir.errorString() : error);
        files[0].path = layered;
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
    // Comments, form values and recognized text alone: each is an update
    // appended to the original file, kept as it is, so what was there
    // before (a signature included) stays byte for byte. Content edits with
    // the pages as they are: stage 1 wrote the whole file.
    const bool asWritten = (job.changesWriter || !job.textLayers.isEmpty() || !job.pageEdits.IsEmpty())
        && KeepsPages(job);
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

    const QByteArray targetName = QFile::encodeName(target);
    struct stat original {};
    const bool replacing = ::stat(targetName.constData(), &original) == 0;
    if (replacing && original.st_nlink > 1) {
        // The file has other names: it keeps its identity, and they all see
        // the new content. Checked and on disk in the temporary file first.
        const int code = WriteInto(temp.handle(), targetName);
        if (code != 0)
            return Fail(WriteFailed, target, SystemError(code));
    } else {
        // The new file takes the old one's owner, group, mode, access lists
        // and extended attributes; a new one gets what the user's umask
        // gives any new file.
        if (replacing)
            CopyAttributes(original, targetName, temp.handle());
        else
            ::fchmod(temp.handle(), mode_t(MKBase::CFileUtils::NewFileMode()));
        const QString tempPath = temp.fileName();
        temp.setAutoRemove(false);
        temp.close();
        if (::rename(QFile::encodeName(tempPath).constData(), targetName.constData()) != 0) {
            const int code = errno;
            QFile::remove(tempPath);
            return Fail(WriteFailed, target, SystemError(code));
        }
        MKBase::CFileUtils::SyncFolder(folder);
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
