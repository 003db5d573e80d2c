#include "CSignatureController.h"

#include "CAppPaths.h"
#include "CDocumentSaver.h"
#include "CEditSession.h"
#include "CMessageDialog.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CSidePanel.h"
#include "CSignBox.h"
#include "CSignatureAreaLayer.h"
#include "CSignatureBar.h"
#include "CSignatureJobs.h"
#include "CSignaturePanel.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>
#include <QLocale>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

// name-signed.pdf beside the original, or the first free name-signed-N.pdf.
QString SignedName(const QString& path)
{
    const QFileInfo info(path);
    const QString stem = info.absolutePath() + "/" + info.completeBaseName();
    QString name = stem + "-signed.pdf";
    for (int n = 2; QFileInfo::exists(name) && n < 1000; ++n)
        name = QStringLiteral("%1-signed-%2.pdf").arg(stem).arg(n);
    return name;
}

} // namespace

CSignatureController::CSignatureController(CSignatureBar* bar_, CEditSession* session_, CDocumentSaver* saver_,
                                           QWidget* owner_)
    : QObject(owner_)
    , bar(bar_)
    , session(session_)
    , saver(saver_)
    , owner(owner_)
    , jobs(new CSignatureJobs(this))
{
    connect(jobs, &CSignatureJobs::SignalChecked, this, &CSignatureController::ShowChecked);
    connect(bar, &CSignatureBar::SignalShowPanel, this, &CSignatureController::ShowPanel);
    connect(bar, &CSignatureBar::SignalSign, this, &CSignatureController::StartSigning);
    connect(bar, &CSignatureBar::SignalCancelPlacing, this, &CSignatureController::CancelPlacing);
    connect(jobs, &CSignatureJobs::SignalSigned, this, [this](const QString& target, const QString& error) {
        if (!error.isEmpty())
            CDocumentSaver::ShowError(owner, tr("Failed to Sign"), error);
        else
            emit SignalOpenFile(target);
        emit SignalSigned(target, error);
    });
    connect(jobs, &CSignatureJobs::SignalRevisionWritten, this, [this](const QString& target, const QString& error) {
        if (!error.isEmpty())
            CDocumentSaver::ShowError(owner, tr("Failed to Open"), error);
        else
            emit SignalOpenFile(target);
    });
}

void CSignatureController::Attach(std::shared_ptr<CPdfDocument> document_, CPageView* view_, CSidePanel* panel_)
{
    CancelPlacing();
    delete layer;
    document = std::move(document_);
    view = view_;
    panel = panel_;
    layer = new CSignatureAreaLayer(document, view, this);
    connect(layer, &CSignatureAreaLayer::SignalPlaced, this,
            [this](int nPage, const QRectF& rect, const QString& field) {
                bar->HidePlacing();
                AskSign(nPage, rect, field);
            });
    connect(layer, &CSignatureAreaLayer::SignalCancelled, bar, &CSignatureBar::HidePlacing);
    CSignaturePanel* list = panel->SignaturePanel();
    connect(list, &CSignaturePanel::SignalOpenRevision, this, &CSignatureController::OpenRevision);
    connect(list, &CSignaturePanel::SignalSign, this, &CSignatureController::StartSigning);
    checked = false;
    signatures.clear();
    jobs->Check(document);
}

void CSignatureController::ShowChecked(const QVector<PdfSignature>& list, bool bRead)
{
    signatures = list;
    checked = true;
    bar->ShowResult(list, bRead);
    if (layer)
        layer->SetEmptyFields(list);
    if (panel) {
        panel->SignaturePanel()->SetSignatures(list);
        panel->SetSignaturesOffered(!list.isEmpty());
    }
}

int CSignatureController::SignedCount() const
{
    return int(std::count_if(signatures.begin(), signatures.end(),
                             [](const PdfSignature& one) { return one.verdict != PdfSignature::Unsigned; }));
}

void CSignatureController::ShowPanel()
{
    if (!panel)
        return;
    panel->ShowPage(CSidePanel::Signatures);
    panel->show();
}

bool CSignatureController::StartSigning()
{
    if (!document || jobs->IsSigning() || IsPlacing())
        return false;
    // A signature covers the file as saved: the edits go in first.
    if (session->IsDirty()) {
        CMessageDialog box(
            true, owner, QString(),
            tr("Save the changes to \"%1\" before signing?").arg(QFileInfo(document->FilePath()).fileName()),
            tr("A signature covers the document as it is saved."), tr("Cancel"), QString(), tr("Save"));
        box.ShowMask(owner->window(), false);
        if (box.exec() != 3 || !saver->Save())
            return false;
    }
    bar->ShowPlacing();
    layer->Start();
    return true;
}

CSignatureAreaLayer* CSignatureController::Layer() const
{
    return layer;
}

bool CSignatureController::IsPlacing() const
{
    return layer && layer->IsActive();
}

void CSignatureController::CancelPlacing()
{
    if (layer)
        layer->Stop();
    bar->HidePlacing();
}

void CSignatureController::AskSign(int nPage, const QRectF& rect, const QString& strField)
{
    if (!document)
        return;
    CSignBox box(QFileInfo(document->FilePath()).fileName(), owner);
    box.ShowMask(owner->window(), false);
    if (box.exec() != 1)
        return;
    PdfSignRequest request = box.Request();
    request.page = nPage;
    request.rect = rect;
    request.fieldName = strField;
    const PdfCertificate cert = box.Certificate();
    const QString target = QFileDialog::getSaveFileName(owner, tr("Save Signed Document"),
                                                        SignedName(document->FilePath()), tr("PDF Files (*.pdf)"));
    if (target.isEmpty())
        return;
    SignTo(request, cert.commonName.isEmpty() ? cert.nickname : cert.commonName, target);
}

void CSignatureController::SignTo(PdfSignRequest request, const QString& strSigner, const QString& target)
{
    if (!document || jobs->IsSigning())
        return;
    request.title = strSigner;
    QStringList lines {tr("Digitally signed by %1").arg(strSigner),
                       tr("Date: %1").arg(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat))};
    if (!request.reason.isEmpty())
        lines << tr("Reason: %1").arg(request.reason);
    if (!request.location.isEmpty())
        lines << tr("Location: %1").arg(request.location);
    request.text = lines.join('\n');
    jobs->Sign(document->FilePath(), document->Password(), request, target);
}

void CSignatureController::OpenRevision(int nIndex)
{
    if (!document || nIndex < 0 || nIndex >= signatures.size() || !signatures.at(nIndex).IsSigned())
        return;
    const PdfSignature& signature = signatures.at(nIndex);
    // Each revision gets a folder of its own, so that nothing is overwritten.
    const QString folder = MKBase::CAppPaths::SignedRevisionDir() + "/"
        + QString::number(QDateTime::currentMSecsSinceEpoch(), 36)
        + QString::number(QRandomGenerator::global()->generate() % 100000, 36);
    const QString name = tr("%1 (as signed by %2).pdf")
                             .arg(QFileInfo(document->FilePath()).completeBaseName(),
                                  signature.signer.isEmpty() ? tr("unknown signer") : signature.signer)
                             .remove(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")));
    jobs->WriteRevision(document->FilePath(), signature.RevisionLength(), folder + "/" + name);
}
