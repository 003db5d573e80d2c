#include "CLinkActions.h"

#include "CDocumentCommands.h"
#include "CMessageDialog.h"
#include "CPageView.h"
#include "CPdfDocument.h"
#include "MainBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

namespace {

CLinkActions::UrlOpener& Opener()
{
    static CLinkActions::UrlOpener opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return opener;
}

} // namespace

CLinkActions::CLinkActions(MainBox* box_)
    : QObject(box_)
    , box(box_)
{
}

void CLinkActions::SetUrlOpener(UrlOpener opener)
{
    Opener() = opener ? std::move(opener) : [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

void CLinkActions::Follow(const PdfLink& link)
{
    switch (link.kind) {
    case PdfLink::GoTo:
        JumpTo(link.page, link.top);
        break;
    case PdfLink::Uri:
        OpenUrl(link.target);
        break;
    case PdfLink::File:
        OpenFile(link);
        break;
    case PdfLink::Command: {
        // A page the link turns to joins the history like any other jump.
        CPageView* view = box->PageView();
        const CPageHistory::Place here = view ? view->Position() : CPageHistory::Place();
        CDocumentCommands::Run(box, link.target);
        const bool walking = link.target == QLatin1String("go_back") || link.target == QLatin1String("go_forward");
        if (view && !walking && view->Position() != here) {
            history.Leave(here);
            emit box->SignalEditStateChanged();
        }
        break;
    }
    case PdfLink::Launch:
    case PdfLink::Script:
        // Never run: the tool tip over the link says so.
        break;
    }
}

void CLinkActions::JumpTo(int nPage, double dTop)
{
    CPageView* view = box->PageView();
    if (!view || nPage < 0 || nPage >= view->PageCount())
        return;
    history.Leave(view->Position());
    view->GoToPosition(nPage, dTop);
    emit box->SignalEditStateChanged();
}

void CLinkActions::Back()
{
    if (CPageView* view = box->PageView(); view && history.CanGoBack()) {
        const CPageHistory::Place place = history.Back(view->Position());
        view->GoToPosition(place.first, place.second);
        emit box->SignalEditStateChanged();
    }
}

void CLinkActions::Forward()
{
    if (CPageView* view = box->PageView(); view && history.CanGoForward()) {
        const CPageHistory::Place place = history.Forward(view->Position());
        view->GoToPosition(place.first, place.second);
        emit box->SignalEditStateChanged();
    }
}

bool CLinkActions::Ask(const QString& title, const QString& text)
{
    QPointer<CMessageDialog> dialog
        = new CMessageDialog(true, box, QString(), title, text, QString(), tr("Cancel"), tr("Open"));
    dialog->ShowMask(box->window(), false);
    const int answer = dialog->exec();
    delete dialog;
    return answer == 3;
}

void CLinkActions::OpenUrl(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return;
    static const QStringList everyday = {"http", "https", "mailto"};
    if (!everyday.contains(url.scheme().toLower())
        && !Ask(tr("Open this link?"),
                tr("The document links to \"%1\", which another program will open.").arg(url.toDisplayString())))
        return;
    Opener()(url);
}

void CLinkActions::OpenFile(const PdfLink& link)
{
    // A relative name is the document's neighbour.
    const QString base = QFileInfo(box->GetDocumentFilePath()).absolutePath();
    const QFileInfo file(QDir(base).filePath(link.target));
    if (!file.isFile()) {
        CMessageDialog box_(true, box, QString(), tr("Cannot Open the Linked File"),
                            tr("\"%1\" was not found.").arg(QDir::toNativeSeparators(file.absoluteFilePath())),
                            QString(), QString(), tr("OK"));
        box_.ShowMask(box->window(), false);
        box_.exec();
        return;
    }
    const QString type = QMimeDatabase().mimeTypeForFile(file).name();
    if (type == QLatin1String("application/pdf")) {
        emit box->SignalDocumentOpenAttachment(file.absoluteFilePath());
        return;
    }
    if (Ask(tr("Open this file?"),
            tr("The document links to \"%1\" (%2), which another program will open.")
                .arg(file.fileName(), QMimeDatabase().mimeTypeForFile(file).comment())))
        Opener()(QUrl::fromLocalFile(file.absoluteFilePath()));
}
