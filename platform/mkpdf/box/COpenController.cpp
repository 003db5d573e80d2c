#include "COpenController.h"

#include "CDocumentLoader.h"
#include "CLoadingPage.h"
#include "CMessageDialog.h"
#include "CPasswordBox.h"
#include "MainBox.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>

COpenController::COpenController(QWidget* box_, QBoxLayout* layout_, const QString& path_, Loaded loaded_,
                                 Failed failed_)
    : QObject(box_)
    , box(box_)
    , layout(layout_)
    , path(path_)
    , loaded(std::move(loaded_))
    , failed(std::move(failed_))
{
}

COpenController::~COpenController() = default;

int COpenController::ResultForStatus(CPdfDocument::LoadStatus status)
{
    switch (status) {
    case CPdfDocument::Loaded:
        return MainBox::OpenOk;
    case CPdfDocument::Missing:
        return MainBox::OpenMissing;
    case CPdfDocument::Unreadable:
        return MainBox::OpenUnreadable;
    case CPdfDocument::Damaged:
        return MainBox::OpenDamaged;
    case CPdfDocument::NeedsPassword:
    case CPdfDocument::WrongPassword:
        return MainBox::OpenWrongPassword;
    }
    return MainBox::OpenDamaged;
}

void COpenController::Start()
{
    // Shown again while its password is asked for: the one question stays.
    if (loader || done || asking)
        return;
    if (!page) {
        page = new CLoadingPage(QFileInfo(path).fileName(), box);
        layout->addWidget(page, 1);
        connect(page, &CLoadingPage::SignalCancelled, this, [this]() { Fail(MainBox::OpenGaveUp); });
    }
    Read(QByteArray());
}

void COpenController::Read(const QByteArray& password)
{
    loader = new CDocumentLoader(this);
    loader->Start(path, password, [this](const CDocumentPrefetch::Result& result) { Finished(result); });
}

void COpenController::Finished(const CDocumentPrefetch::Result& result)
{
    loader->deleteLater();
    loader = nullptr;
    if (done)
        return;
    if (result.document) {
        done = true;
        delete page;
        page = nullptr;
        loaded(result);
        return;
    }
    if (result.status == CPdfDocument::NeedsPassword || result.status == CPdfDocument::WrongPassword)
        AskPassword(result.status == CPdfDocument::WrongPassword);
    else
        Fail(ResultForStatus(result.status));
}

void COpenController::AskPassword(bool bRetry)
{
    // A child of the document: closing its tab meanwhile takes it along.
    auto* ask = new CPasswordBox(QFileInfo(path).fileName(), bRetry, box);
    ask->ShowMask(box->window(), false);
    asking = true;
    ask->OpenThen([this, ask](int answer) {
        asking = false;
        if (answer == 1)
            Read(ask->Password().toUtf8());
        else
            Fail(MainBox::OpenGaveUp);
    });
}

QString COpenController::FailureText(int nResult, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (nResult) {
    case MainBox::OpenMissing:
        return tr("\"%1\" was not found. It may have been moved, renamed or deleted.").arg(shown);
    case MainBox::OpenUnreadable:
        return tr("You do not have permission to read \"%1\".").arg(shown);
    default:
        return tr("\"%1\" is damaged and cannot be read.").arg(shown);
    }
}

void COpenController::Fail(int nResult)
{
    if (done)
        return;
    done = true;
    failure = nResult;
    // Nothing waits for a read given up: its result is dropped.
    delete loader;
    loader = nullptr;
    if (nResult != MainBox::OpenGaveUp) {
        // Over the window: the tab goes at once, the notice stays.
        QWidget* window = box->window();
        auto* notice = new CMessageDialog(true, window, QString(), tr("Failed to Open"),
                                          FailureText(nResult, path), QString(),
                                          QString(), tr("OK"));
        notice->ShowMask(window, false);
        notice->OpenThen();
    }
    failed(nResult);
}
