#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class CDocumentSearch;
class CEditSession;
class CPageView;
class CPdfDocument;
class CRecognitionJob;
class CRecognizeBar;

// Text recognition of one document: tells when the page shown is a scan
// without text, recognizes the pages the user asks for in the background,
// and makes the text found one undoable edit that search, selection and
// copy see at once and the next save writes into the file.
class CRecognizeController : public QObject
{
    Q_OBJECT
public:
    CRecognizeController(CRecognizeBar* bar, CEditSession* session, QObject* parent);

    // The document's view, new or made again after a save.
    void Attach(std::shared_ptr<CPdfDocument> document, CPageView* view, CDocumentSearch* search);
    // The bar for the page shown, whether it is a scan or not.
    void Offer();
    // Recognizes pages (from 0) in languages in the background; pages with
    // text are left alone. False when it cannot start.
    bool Recognize(const QList<int>& pages, const QStringList& languages);
    void Cancel();
    bool IsRunning() const;
    CRecognizeBar* Bar() const { return bar; }

signals:
    // A recognition ended: bOk when its text became an edit.
    void SignalFinished(bool bOk);

private:
    void CheckPage(int nPage);
    void ShowScan(bool bScanned);
    void StartChosen();
    void OnFinished(bool bOk, const QString& strError);
    void OnTextChanged();
    void ClearJob();

    CRecognizeBar* bar;
    CEditSession* session;
    std::shared_ptr<CPdfDocument> document;
    QPointer<CPageView> view;
    QPointer<CDocumentSearch> search;
    CRecognitionJob* job = nullptr;
    QHash<int, bool> scanned; // by page, once known
    bool dismissed = false;   // the user closed the bar
    bool asked = false;       // the user asked for the bar
    bool finishing = false;   // a recognition's text becomes an edit
    int answers = 0;          // answers shown to the user, so a page check begun before one does not hide it
};
