#include "CRecentThumbnail.h"

#include "CAppPaths.h"
#include "CFileUtils.h"
#include "CJobRunner.h"
#include "CPdfDocument.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>

QString CRecentThumbnail::DirPath()
{
    return MKBase::CAppPaths::ThumbnailDir();
}

QString CRecentThumbnail::FileName(const QString& documentPath)
{
    // Named by the whole path: a flattened path gives "a/b_c.pdf" and
    // "a_b/c.pdf" one picture, and long paths cut short share theirs too.
    const QByteArray key = QFileInfo(documentPath).absoluteFilePath().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex()) + ".png";
}

void CRecentThumbnail::Write(std::shared_ptr<CPdfDocument> document, bool bKeep, QObject* context,
                             const std::function<void()>& done)
{
    const QString target = DirPath() + FileName(document->FilePath());
    // The list shows a lock for a protected document instead.
    if (document->IsEncrypted())
        QFile::remove(target);
    if (document->IsEncrypted() || !bKeep) {
        done();
        return;
    }
    auto* watcher = new QFutureWatcher<void>(context);
    QObject::connect(watcher, &QFutureWatcher<void>::finished, context, [watcher, done]() {
        watcher->deleteLater();
        done();
    });
    watcher->setFuture(CJobRunner::Run(CJobRunner::PagePool, CJobRunner::ThumbnailPriority, [document, target]() {
        // About 160 px on the long side.
        const QSizeF size = document->PageSize(0);
        const double scale = 160.0 / qMax(size.width(), size.height());
        const QImage image = document->RenderPage(0, scale);
        if (image.isNull())
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.save(&buffer, "PNG"))
            MKBase::CFileUtils::WriteFileBytes(target, png);
    }));
}
