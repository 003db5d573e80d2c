#pragma once

#include "CSignatures.h"

#include <QObject>
#include <QPointer>

#include <memory>

class CDocumentSaver;
class CEditSession;
class CPageView;
class CPdfDocument;
class CSidePanel;
class CSignatureAreaLayer;
class CSignatureBar;
class CSignatureJobs;

// The signatures of one document: checked in the background as soon as it
// opens, told in the bar and listed in the side panel; and the signing of
// it: unsaved changes saved first (asked), the place chosen on a page, the
// certificate and words in a dialog, the signed copy written to a new file
// and opened in a tab of its own.
class CSignatureController : public QObject
{
    Q_OBJECT
public:
    CSignatureController(CSignatureBar* bar, CEditSession* session, CDocumentSaver* saver, QWidget* owner);

    // The document's widgets, new or made again after a save: the check
    // starts again.
    void Attach(std::shared_ptr<CPdfDocument> document, CPageView* view, CSidePanel* panel);
    const QVector<PdfSignature>& Signatures() const { return signatures; }
    // Signatures made, not empty fields waiting for one.
    int SignedCount() const;
    bool IsChecked() const { return checked; }
    CSignatureBar* Bar() const { return bar; }
    CSignatureAreaLayer* Layer() const;
    CSignatureJobs* Jobs() const { return jobs; }

    // The menu's Sign: saves first when asked to, then lets the user place
    // the signature. False when the user stopped.
    bool StartSigning();
    bool IsPlacing() const;
    void CancelPlacing();
    // The dialog for a chosen place, then where to save.
    void AskSign(int nPage, const QRectF& rect, const QString& strField);
    // Signs the document as saved into target, in the background; the
    // signer's name and the time go into the signature's box.
    void SignTo(PdfSignRequest request, const QString& strSigner, const QString& target);
    // Writes the revision a signature covers to the cache folder and asks
    // for it to be opened.
    void OpenRevision(int nIndex);

signals:
    // A file to open in a tab of its own: a signed copy, a signed revision.
    void SignalOpenFile(const QString& strPath);
    void SignalSigned(const QString& strTarget, const QString& strError);

private:
    void ShowChecked(const QVector<PdfSignature>& list, bool bRead);
    void ShowPanel();

    CSignatureBar* bar;
    CEditSession* session;
    CDocumentSaver* saver;
    QWidget* owner;
    CSignatureJobs* jobs;
    std::shared_ptr<CPdfDocument> document;
    QPointer<CPageView> view;
    QPointer<CSidePanel> panel;
    QPointer<CSignatureAreaLayer> layer;
    QVector<PdfSignature> signatures;
    bool checked = false;
};
