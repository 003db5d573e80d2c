#include "CDocumentFileActions.h"

#include "CAppPaths.h"
#include "CDocumentSaver.h"
#include "CFileUtils.h"
#include "CPdfDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

bool CDocumentFileActions::Rename(QWidget* owner, CPdfDocument& document, const QString& path, QString* error)
{
    const QString old = document.FilePath();
    if (MKBase::CFileUtils::IsTheSameFile(old, path) && QFileInfo(old).fileName() == QFileInfo(path).fileName())
        return true;
    if (!QFile::rename(old, path)) {
        const QString reason = QCoreApplication::translate(
            "MainBox", "The file could not be renamed. It may be in use, or the folder may not allow changes.");
        if (error)
            *error = reason;
        CDocumentSaver::ShowError(owner, QCoreApplication::translate("MainBox", "Failed to Rename"), reason);
        return false;
    }
    document.SetFilePath(QFileInfo(path).absoluteFilePath());
    return true;
}

QString CDocumentFileActions::ExtractAttachment(QWidget* owner, const CPdfDocument& document, int nIndex)
{
    const QList<PdfAttachmentInfo> list = document.Attachments();
    if (nIndex < 0 || nIndex >= list.size())
        return QString();
    const QByteArray bytes = document.AttachmentData(nIndex, list.at(nIndex).page);
    // Every extraction gets a folder of its own, so nothing is overwritten.
    const QString folder = MKBase::CAppPaths::AttachmentDir() + "/"
        + QString::number(QDateTime::currentMSecsSinceEpoch(), 36)
        + QString::number(QRandomGenerator::global()->generate() % 100000, 36);
    const QString target = folder + "/" + SafeAttachmentName(list.at(nIndex).name);
    if (bytes.isEmpty() && list.at(nIndex).size > 0) {
        CDocumentSaver::ShowError(
            owner, QCoreApplication::translate("MainBox", "Failed to Open"),
            QCoreApplication::translate("MainBox", "The attachment could not be read from the document."));
        return QString();
    }
    if (!MKBase::CFileUtils::WriteFileBytes(target, bytes)) {
        CDocumentSaver::ShowError(owner, QCoreApplication::translate("MainBox", "Failed to Open"),
                                  QCoreApplication::translate("MainBox", "The attachment could not be saved."));
        return QString();
    }
    return target;
}

QString CDocumentFileActions::SafeAttachmentName(const QString& name)
{
    // Only the name's last part, without characters a file name cannot hold.
    static const QRegularExpression forbidden("[\\\\/:*?\"<>|\\x00-\\x1f]");
    QString clean = name.section('/', -1).section('\\', -1);
    clean.remove(forbidden);
    clean = clean.trimmed();
    if (clean.isEmpty() || clean == "." || clean == "..")
        clean = QStringLiteral("attachment");
    return clean.right(150);
}
