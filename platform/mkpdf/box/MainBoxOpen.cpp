// Opening: the documents' boxes made for a path, at once or when first
// shown, a password asked for, and what the engine holds between documents.
#include "MainBox.h"

#include "CDocumentLoader.h"
#include "CDocumentPrefetch.h"
#include "CJobRunner.h"
#include "COpenController.h"
#include "CPageCache.h"
#include "CPageView.h"
#include "CPasswordBox.h"
#include "CPdfDocument.h"
#include "CPdfEditor.h"
#include "CRecentThumbnail.h"
#include "CRecoveryCopy.h"
#include "CEditSession.h"
#include "CTextStore.h"
#include "OpenRequestKeys.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

QString MainBox::OpenFailureText(int nResult, const QString& path)
{
    return COpenController::FailureText(nResult, path);
}

bool MainBox::EnsureLoaded()
{
    if (document)
        return true;
    if (deferredRequest.isEmpty())
        return false;
    if (!opener) {
        // Gone or changed since the session was saved, a wrong password, a
        // cancel: the tab goes, and the user was told unless they gave up.
        opener = new COpenController(
            this, layout, deferredRequest.value(OpenKey::kPath).toString(),
            [this](const CDocumentPrefetch::Result& result) { OnLoaded(result); },
            [this](int) { QTimer::singleShot(0, this, [this]() { emit SignalDocumentClosed(true); }); });
    }
    opener->Start();
    return false;
}

void MainBox::OnLoaded(const CDocumentPrefetch::Result& result)
{
    document = result.document;
    if (!result.page.isNull())
        CPageCache::Instance().Insert(
            {document->Id(), result.pageIndex, CPageCache::ScaleKey(result.scale), QRect(), result.colors}, result.page);
    const QVariantMap options = deferredRequest;
    deferredRequest.clear();
    Start(options);
    if (result.scale > 0)
        view->SetPlaceholderScale(result.scale);
    emit SignalDocumentLoaded();
    if (isVisible())
        ApplyPendingTool();
}

int MainBox::OpenFailure() const
{
    return opener ? opener->Failure() : OpenOk;
}

void MainBox::Prefetch(const QString& path, const QSize& viewSize, const QVariantMap& options)
{
    // The view less a scroll bar: long documents always show one.
    const int viewport = viewSize.width() - QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QScreen* screen = QGuiApplication::primaryScreen();
    CDocumentPrefetch::Start(path, viewport, screen ? screen->logicalDotsPerInchX() : 96.0, options);
}

QString MainBox::PrefetchedPath()
{
    return CDocumentPrefetch::Path();
}

QWidget* MainBox::CreatePdfBox(QWidget* parent, const QString& path, const QVariantMap& options, int& result)
{
    // A tab restored behind others reads its file when first shown; one
    // opened in the background starts reading at once.
    const bool background = options.value(OpenKey::kBackground).toBool();
    if (background || options.value(OpenKey::kDeferred).toBool()) {
        if (!QFileInfo(path).isFile()) {
            result = OpenMissing;
            return nullptr;
        }
        result = OpenOk;
        QVariantMap request = options;
        request[OpenKey::kPath] = QFileInfo(path).absoluteFilePath();
        auto* box = new MainBox(nullptr, request, parent);
        if (background)
            box->EnsureLoaded();
        return box;
    }
    const CDocumentPrefetch::Result prefetched = CDocumentPrefetch::Take(path);
    std::shared_ptr<CPdfDocument> document = prefetched.document;
    if (document && !prefetched.page.isNull())
        CPageCache::Instance().Insert(
            {document->Id(), prefetched.pageIndex, CPageCache::ScaleKey(prefetched.scale), QRect(), prefetched.colors},
            prefetched.page);
    result = OpenOk;
    if (!document)
        document = LoadOrAsk(path, parent, &result);
    if (!document)
        return nullptr;
    auto* box = new MainBox(document, options, parent);
    if (prefetched.document == document && prefetched.scale > 0)
        box->view->SetPlaceholderScale(prefetched.scale);
    return box;
}

std::shared_ptr<CPdfDocument> MainBox::LoadOrAsk(const QString& path, QWidget* parent, int* result)
{
    CPdfDocument::LoadStatus status = CPdfDocument::Damaged;
    std::shared_ptr<CPdfDocument> document = CPdfDocument::Load(path, QByteArray(), &status);
    // A protected file: ask until the password fits or the user gives up.
    bool gaveUp = false;
    if (!document)
        document = CPasswordBox::Unlock(path, &status, parent, &gaveUp);
    *result = gaveUp ? OpenGaveUp : document ? OpenOk : COpenController::ResultForStatus(status);
    return document;
}

QWidget* MainBox::CreatePdfBox(QWidget* parent, const QVariantMap& options, int& result)
{
    const QString path = options.value(OpenKey::kTempPath).toString();
    const QSizeF size = options.value(OpenKey::kPageSize).toSizeF();
    const int count = options.value(OpenKey::kPageCount).toInt();
    if (!CPdfEditor::WriteBlankDocument(path, size, count)) {
        result = OpenCreateFailed;
        return nullptr;
    }
    QWidget* widget = CreatePdfBox(parent, path, options, result);
    if (auto* box = qobject_cast<MainBox*>(widget))
        box->session->SetTemporary(true);
    return widget;
}

bool MainBox::DestroyPDF()
{
    CRecoveryCopy::Flush();
    const bool idle = CDocumentLoader::WaitForAll(2000);
    CDocumentPrefetch::Clear();
    CJobRunner::Drain();
    CPageCache::Instance().Clear();
    return idle;
}

void MainBox::SetPrivateMode(bool bPrivate)
{
    CRecoveryCopy::SetPrivate(bPrivate);
    CTextStore::SetPrivate(bPrivate);
}

QString MainBox::ThumbnailDirPath()
{
    return CRecentThumbnail::DirPath();
}

QString MainBox::ThumbnailFileName(const QString& documentPath)
{
    return CRecentThumbnail::FileName(documentPath);
}
