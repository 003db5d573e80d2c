#include "CRecognizeController.h"

#include "CDocumentSearch.h"
#include "CEditSession.h"
#include "CJobRunner.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "CPrintJob.h"
#include "CRecognitionJob.h"
#include "CRecognizeBar.h"
#include "CTextCache.h"
#include "CTextRecognizer.h"

#include <QApplication>
#include <QComboBox>
#include <QFutureWatcher>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The recognizer's code for the language of the translation in use, which
// comes first among the languages offered.
QString UiLanguage()
{
    return QCoreApplication::translate(
        "CRecognizeController", "eng",
        "The text recognition language of this translation, as its data file is named (ISO 639-2: deu, fra, "
        "chi_sim...)");
}

} // namespace

CRecognizeController::CRecognizeController(CRecognizeBar* bar_, CEditSession* session_, QObject* parent)
    : QObject(parent)
    , bar(bar_)
    , session(session_)
{
    const QStringList codes = CTextRecognizer::InstalledLanguages(UiLanguage());
    QStringList names;
    for (const QString& code : codes)
        names << CTextRecognizer::LanguageName(code);
    bar->SetLanguages(codes, names);
    connect(bar, &CRecognizeBar::SignalRecognize, this, &CRecognizeController::StartChosen);
    connect(bar, &CRecognizeBar::SignalCancel, this, &CRecognizeController::Cancel);
    connect(bar, &CRecognizeBar::SignalClosed, this, [this]() {
        dismissed = true;
        asked = false;
    });
    connect(session, &CEditSession::SignalTextLayersChanged, this, &CRecognizeController::OnTextChanged);
}

void CRecognizeController::Attach(std::shared_ptr<CPdfDocument> newDocument, CPageView* newView,
                                  CDocumentSearch* newSearch)
{
    // Pages read from the file as it was do not fit the file as written.
    if (document != newDocument)
        Cancel();
    document = std::move(newDocument);
    view = newView;
    search = newSearch;
    scanned.clear();
    connect(view, &CPageView::SignalCurrentPageChanged, this, &CRecognizeController::CheckPage);
    CheckPage(view->CurrentPage());
}

bool CRecognizeController::IsRunning() const
{
    return job && job->IsRunning();
}

void CRecognizeController::Offer()
{
    dismissed = false;
    asked = true;
    if (IsRunning()) {
        bar->CancelButton()->setFocus();
        return;
    }
    if (bar->ChosenLanguages().isEmpty())
        bar->ShowOffer(tr("No text recognition languages are installed."));
    else
        ShowScan(!document || !document->HasText(view->CurrentPage()));
    bar->ScopeBox()->setFocus();
}

void CRecognizeController::CheckPage(int nPage)
{
    if (IsRunning() || dismissed || !document)
        return;
    const auto known = scanned.constFind(nPage);
    if (known != scanned.constEnd()) {
        ShowScan(known.value());
        return;
    }
    // Reading the page's text and pictures takes a moment: not here.
    auto* watcher = new QFutureWatcher<bool>(this);
    std::shared_ptr<CPdfDocument> doc = document;
    const int revision = doc->TextRevision();
    const int answersBefore = answers;
    connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher, doc, nPage, revision, answersBefore]() {
        watcher->deleteLater();
        // Text that came or went since is checked again.
        if (doc != document || watcher->isCanceled() || revision != doc->TextRevision())
            return;
        scanned.insert(nPage, watcher->result());
        if (view && view->CurrentPage() == nPage && !IsRunning() && !dismissed && answersBefore == answers)
            ShowScan(watcher->result());
    });
    watcher->setFuture(CJobRunner::Run(CJobRunner::TextPool, CJobRunner::VisiblePriority,
                                       [doc, nPage]() { return doc->IsScannedPage(nPage); }));
}

void CRecognizeController::ShowScan(bool bScanned)
{
    if (bar->IsRunning())
        return;
    if (bScanned)
        bar->ShowOffer(bar->ChosenLanguages().isEmpty() ? tr("This page is a scan without text. No text recognition "
                                                             "languages are installed.")
                                                        : tr("This page is a scan without text."));
    // Asked for from the menu, the bar stays until closed.
    else if (asked)
        bar->ShowOffer(tr("This page has text already; only pages without text are recognized."));
    else
        bar->hide();
}

void CRecognizeController::StartChosen()
{
    if (!document || !view)
        return;
    QList<int> pages;
    const int count = document->PageCount();
    switch (bar->GetScope()) {
    case CRecognizeBar::CurrentPage:
        pages << view->CurrentPage();
        break;
    case CRecognizeBar::AllPages:
        for (int i = 0; i < count; ++i)
            pages << i;
        break;
    case CRecognizeBar::SomePages: {
        // The same page ranges as printing takes.
        PrintSettings chosen;
        chosen.pages = bar->PagesText();
        const CPagePlan plan = CPrintJob::PagesToPrint(CPagePlan::Identity(document->FilePath(), count), chosen);
        for (const PlanPage& page : plan.Pages())
            pages << page.page;
        if (pages.isEmpty() || chosen.pages.trimmed().isEmpty()) {
            ++answers;
            bar->ShowOffer(tr("The pages \"%1\" are not in the document.").arg(chosen.pages));
            bar->PagesEdit()->setFocus();
            return;
        }
        break;
    }
    }
    Recognize(pages, bar->ChosenLanguages());
}

bool CRecognizeController::Recognize(const QList<int>& pages, const QStringList& languages)
{
    if (IsRunning() || !document || pages.isEmpty() || languages.isEmpty())
        return false;
    ClearJob();
    ++answers;
    job = new CRecognitionJob(document, pages, languages, this);
    const int total = pages.size();
    connect(job, &CRecognitionJob::SignalProgress, this,
            [this, total](int nPercent, int nDone) { bar->ShowProgress(nPercent, nDone, total); });
    connect(job, &CRecognitionJob::SignalFinished, this, &CRecognizeController::OnFinished);
    const bool focused = bar->isAncestorOf(QApplication::focusWidget());
    bar->ShowProgress(0, 0, total);
    if (focused)
        bar->CancelButton()->setFocus();
    job->Start();
    return true;
}

void CRecognizeController::Cancel()
{
    if (IsRunning())
        job->Cancel();
}

void CRecognizeController::ClearJob()
{
    if (job)
        job->deleteLater();
    job = nullptr;
}

void CRecognizeController::OnFinished(bool bOk, const QString& strError)
{
    const QMap<int, QByteArray> layers = job->Layers();
    ClearJob();
    const bool focused = bar->isAncestorOf(QApplication::focusWidget());
    if (bOk && !layers.isEmpty()) {
        finishing = true;
        session->AddTextLayers(layers, tr("Recognize Text"));
        finishing = false;
        bar->ShowOffer(tr("Done: the text can now be searched, selected and copied. Save to keep it."));
    } else if (bOk) {
        bar->ShowOffer(tr("Every page chosen has text already. Nothing was changed."));
    } else if (strError.isEmpty()) {
        bar->ShowOffer(tr("Text recognition was cancelled. Nothing was changed."));
    } else {
        bar->ShowOffer(tr("Text recognition failed (%1). Nothing was changed.").arg(strError));
    }
    if (focused)
        bar->RecognizeButton()->setFocus();
    emit SignalFinished(bOk && !layers.isEmpty());
}

void CRecognizeController::OnTextChanged()
{
    if (!document)
        return;
    scanned.clear();
    // Text read before is stale: the cache, and a search on screen.
    CTextCache::Instance().RemoveDocument(document->Id());
    if (search) {
        const QString query = search->Query();
        const auto options = search->GetOptions();
        search->Clear();
        if (!query.isEmpty() && view)
            search->Start(query, options, view->CurrentPage());
    }
    if (view) {
        view->viewport()->update();
        // Reads the page's new words, which a screen reader is then told of.
        view->PageText(view->CurrentPage());
        // Undone or redone: the bar says what the page is now.
        if (!finishing)
            CheckPage(view->CurrentPage());
    }
}
