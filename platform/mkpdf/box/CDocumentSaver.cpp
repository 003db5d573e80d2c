#include "CDocumentSaver.h"

#include "CEditSession.h"
#include "CEncryptBox.h"
#include "CMessageDialog.h"
#include "CPdfDocument.h"
#include "CSavePipeline.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

CDocumentSaver::CDocumentSaver(CEditSession* session_, QWidget* owner_)
    : QObject(owner_)
    , session(session_)
    , owner(owner_)
{
}

void CDocumentSaver::ShowError(QWidget* owner, const QString& title, const QString& text)
{
    CMessageDialog box(true, owner, QString(), title, text, QString(), QString(), tr("OK"));
    box.ShowMask(owner->window(), false);
    box.exec();
}

bool CDocumentSaver::Confirm(const QString& text, const QString& info, const QString& button)
{
    CMessageDialog box(true, owner, QString(), text, info, tr("Cancel"), QString(), button);
    box.ShowMask(owner->window(), false);
    return box.exec() == 3;
}

bool CDocumentSaver::Save()
{
    if (session->IsTemporary())
        return AskSaveAs();
    if (!session->IsDirty())
        return true;
    return WriteTo(session->Document()->FilePath(), PdfProtection());
}

bool CDocumentSaver::SaveAs(const QString& path, QString* error)
{
    QString target = path;
    if (QFileInfo(target).suffix().compare("pdf", Qt::CaseInsensitive) != 0)
        target += ".pdf";
    return WriteTo(target, PdfProtection(), error);
}

bool CDocumentSaver::AskSaveAs()
{
    const QFileInfo current(session->Document()->FilePath());
    QString folder = current.absolutePath();
    if (session->IsTemporary())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = QFileDialog::getSaveFileName(owner, tr("Save As"), folder + "/" + current.fileName(),
                                                        tr("PDF Files (*.pdf)"));
    if (chosen.isEmpty())
        return false;
    return SaveAs(chosen);
}

bool CDocumentSaver::WriteTo(const QString& path, const PdfProtection& protection, QString* error)
{
    if (busy)
        return false;
    CSavePipeline::Job job = session->MakeJob(QFileInfo(path).absoluteFilePath());
    job.protection = protection;
    job.reload = true;
    // The document opens again with full rights where the user gave them.
    if (protection.mode == PdfProtection::Set)
        job.reloadPassword
            = (protection.permissionsPassword.isEmpty() ? protection.openPassword : protection.permissionsPassword)
                  .toUtf8();
    else if (protection.mode == PdfProtection::Remove)
        job.reloadPassword.clear();
    const QString old = session->Document()->FilePath();
    bool savedElsewhere = false;
    if (!KeepSignaturesOrGoOn(job, &savedElsewhere))
        return savedElsewhere;
    busy = true;
    const CSavePipeline::Result result = CSavePipeline::RunAndWait(job);
    busy = false;
    if (!result.Ok()) {
        if (error)
            *error = result.message;
        ShowError(owner, tr("Failed to Save"), result.message);
        return false;
    }
    emit SignalWritten(old, result.document);
    return true;
}

bool CDocumentSaver::KeepSignaturesOrGoOn(const CSavePipeline::Job& job, bool* savedElsewhere)
{
    const QString current = session->Document()->FilePath();
    if (!signatureCount || signatureCount() == 0 || job.target != QFileInfo(current).absoluteFilePath() || CSavePipeline::AppendsToOriginal(job))
        return true;
    CMessageDialog box(true, owner, QString(),
                       tr("Saving will break the signatures of \"%1\".").arg(QFileInfo(current).fileName()),
                       tr("Changed pages or protection rewrite the whole file, and the signatures in it will no "
                          "longer be valid. Save as a new file to keep the signed original."),
                       tr("Cancel"), tr("Save Anyway"), tr("Save as New File"));
    box.ShowMask(owner->window(), false);
    const int answer = box.exec();
    if (answer == 3)
        *savedElsewhere = AskSaveAs();
    return answer == 2;
}

void CDocumentSaver::AskProtect()
{
    const std::shared_ptr<CPdfDocument> document = session->Document();
    const QString path = document->FilePath();
    const QString name = QFileInfo(path).fileName();
    if (document->IsEncrypted() && !CPdfEditor::ReadProtection(path, document->Password()).ownerAccess) {
        ShowError(owner, tr("Cannot Change Protection"),
                  CSavePipeline::Message(CSavePipeline::OwnerPasswordNeeded, path, QString()));
        return;
    }
    CEncryptBox box(name, document->IsEncrypted(), owner);
    box.ShowMask(owner->window(), false);
    const int choice = box.exec();
    if (choice == CEncryptBox::SaveOver) {
        if (session->IsTemporary()) {
            // A new document has no original to replace yet.
            const QString target = QFileDialog::getSaveFileName(
                owner, tr("Save As"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" + name,
                tr("PDF Files (*.pdf)"));
            if (!target.isEmpty())
                WriteTo(target, box.Protection());
            return;
        }
        if (Confirm(tr("Replace \"%1\" with the protected version?").arg(name),
                    tr("The file will need the password to open from now on."), tr("Replace")))
            WriteTo(path, box.Protection());
    } else if (choice == CEncryptBox::SaveNew) {
        QString target = QFileDialog::getSaveFileName(owner, tr("Save as New File"),
                                                      QFileInfo(path).absolutePath() + "/"
                                                          + QFileInfo(path).completeBaseName() + "_protected.pdf",
                                                      tr("PDF Files (*.pdf)"));
        if (target.isEmpty())
            return;
        if (QFileInfo(target).suffix().compare("pdf", Qt::CaseInsensitive) != 0)
            target += ".pdf";
        WriteTo(target, box.Protection());
    } else if (choice == CEncryptBox::RemoveProtection) {
        if (Confirm(tr("Remove the password from \"%1\"?").arg(name), tr("Anyone will be able to open the file."),
                    tr("Remove"))) {
            PdfProtection removal;
            removal.mode = PdfProtection::Remove;
            WriteTo(path, removal);
        }
    }
}
