#include "MainView.h"

#include "CFileUtils.h"
#include "CWindowTitleBar.h"
#include "MKApplication.h"
#include "MKMessageBox.h"
#include "MainBox.h"
#include "setting/CSettingManager.h"
#include "windows/CMainViewManager.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

MainView::MainView(QWidget* parent)
    : MKMainWindow(parent)
{
    setAcceptDrops(true);

    homeButton = new QPushButton(this);
    homeButton->setCheckable(true);
    homeButton->setChecked(true);
    const QString type = MKApplication::getInstance() ? MKApplication::getInstance()->GetProductType()
                                                      : QString();
    homeButton->setObjectName(type.isEmpty() ? QStringLiteral("button_home")
                                             : QStringLiteral("button_home_%1").arg(type));
    homeButton->setFixedSize(36, 28);
    homeButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    connect(homeButton, &QPushButton::toggled, this, &MainView::SlotSelectHome);
    titleBar()->AddWidgetToLeft(homeButton);
    titleBar()->AddWidgetToLeft(new QWidget(this), 1);

    // Until the home page with its recent list exists, page 0 offers the
    // one thing a user needs first: opening a PDF.
    homePage = new QWidget(this);
    homePage->setObjectName("home_page");
    auto* layout = new QVBoxLayout(homePage);
    layout->addStretch(2);
    auto* title = new QLabel(homePage);
    title->setObjectName("label_home_title");
    title->setAlignment(Qt::AlignCenter);
    title->setText(MKApplication::getInstance() ? MKApplication::getInstance()->GetAppValue("Title")
                                                : QString());
    layout->addWidget(title);
    openButton = new QPushButton(homePage);
    openButton->setObjectName("button_open");
    openButton->setMinimumSize(160, 36);
    openButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    connect(openButton, &QPushButton::clicked, this, &MainView::SlotTabClickedAdd);
    layout->addSpacing(16);
    layout->addWidget(openButton, 0, Qt::AlignHCenter);
    layout->addStretch(3);
    AddPage(homePage);

    ShowHome(true);
    UpdateText();
    setWindowTitle(MKApplication::getInstance() ? MKApplication::getInstance()->GetAppValue("Title")
                                                : QString());
    auto* openShortcut = new QShortcut(QKeySequence::Open, this);
    openShortcut->setContext(Qt::WindowShortcut);
    connect(openShortcut, &QShortcut::activated, this, &MainView::SlotTabClickedAdd);
    RestoreWindowGeometry();
}

MainView::~MainView() = default;

void MainView::UpdateText()
{
    MKMainWindow::UpdateText();
    homeButton->setToolTip(tr("Startup Page"));
    openButton->setText(tr("Open PDF"));
}

QList<QWidget*> MainView::Documents() const
{
    QList<QWidget*> list;
    for (int i = 1; i < PageCount(); ++i) {
        if (QWidget* page = PageWidgetOfIndex(i))
            list << page;
    }
    return list;
}

void MainView::ShowHome(bool on)
{
    homeButton->setEnabled(!on);
    if (on)
        SetCurrentPage(0);
}

void MainView::SlotSelectHome(bool checked)
{
    ShowHome(checked);
    if (checked)
        setWindowTitle(MKApplication::getInstance()->GetAppValue("Title"));
}

void MainView::ShowFailure(const QString& reason)
{
    MKMessageBox::information(true, this, this, QString(), tr("Failed to Open"), reason, 1024, 332);
}

void MainView::SlotOpenFile(int& nRet, const QVariantMap& mapInfo, bool bTips)
{
    Q_UNUSED(bTips);
    nRet = -1;
    const QString path = mapInfo.value("path").toString();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists()) {
        ShowFailure(tr("The file might have been moved, damaged, or deleted."));
        return;
    }
    if (info.suffix().compare("pdf", Qt::CaseInsensitive) != 0) {
        ShowFailure(tr("Unsupported file format."));
        return;
    }
    if (CMainViewManager::getInstance()->FindOpenedDocument(path, mapInfo)) {
        nRet = 0;
        return;
    }
    QVariantMap request = mapInfo;
    const QVariantMap displayDefaults = CSettingManager::getInstance()->GetDisplay();
    const QPair<const char*, const char*> keys[] = {
        {"pageIndex", nullptr}, {"zoom", "Page_View"}, {"displayMode", "Page_Layout"},
        {"cursor", "Page_Cursor"}};
    for (const auto& key : keys) {
        if (request.value(key.first).isNull())
            request[key.first] = key.second ? displayDefaults.value(key.second) : QVariant(0);
    }
    request["comment"] = CSettingManager::getInstance()->GetComments();

    QWidget* widget = MainBox::CreatePdfBox(this, path, request, nRet);
    if (!widget) {
        if (nRet != 100)
            ShowFailure(tr("The file might have been moved, damaged, or deleted."));
        return;
    }
    AttachDocument(info.completeBaseName(), widget);
}

void MainView::AttachDocument(const QString& caption, QWidget* widget)
{
    widget->setParent(this);
    connect(widget, SIGNAL(SignalDocumentClosed(bool)), this, SLOT(SlotDocumentClosed(bool)));
    AddPage(widget);
    SetCurrentPage(widget);
    homeButton->setChecked(false);
    setWindowTitle(caption);
}

bool MainView::ActivateDocument(const QString& path, const QVariantMap& request)
{
    for (QWidget* page : Documents()) {
        auto* box = qobject_cast<MainBox*>(page);
        if (!box || !MKBase::CFileUtils::IsTheSameFile(box->GetDocumentFilePath(), path))
            continue;
        SetCurrentPage(box);
        homeButton->setChecked(false);
        setWindowTitle(QFileInfo(box->GetDocumentFilePath()).completeBaseName());
        RaiseWindow();
        if (request.contains("toolID"))
            box->HandleToolID(request.value("toolID").toInt());
        return true;
    }
    return false;
}

void MainView::OpenPathFromOutside(const QString& path)
{
    int nRet = -1;
    SlotOpenFile(nRet, QVariantMap{{"path", path}}, true);
}

void MainView::RaiseWindow()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    else
        setWindowState(windowState() | Qt::WindowActive);
    raise();
    activateWindow();
}

void MainView::SlotTabClickedAdd()
{
    QString folder = CSettingManager::getInstance()->GetRecord("last_folder").toString();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Open"), folder, QStringLiteral("PDF Files (*.pdf);;All Files (*.*)"));
    if (files.isEmpty())
        return;
    CSettingManager::getInstance()->SetRecord("last_folder", QFileInfo(files.first()).absolutePath());
    for (const QString& file : files) {
        int nRet = -1;
        SlotOpenFile(nRet, QVariantMap{{"path", file}, {"toolID", -1}}, true);
    }
}

void MainView::SlotDocumentClosed(bool bClosed)
{
    if (!bClosed) {
        emit SignalMainViewClosed(false);
        return;
    }
    auto* widget = qobject_cast<QWidget*>(sender());
    if (!widget)
        return;
    RemovePage(widget);
    widget->hide();
    widget->deleteLater();
    if (Documents().isEmpty())
        homeButton->setChecked(true);
}

void MainView::closeEvent(QCloseEvent* event)
{
    // Every document must agree before the window goes.
    for (QWidget* document : Documents())
        document->close();
    if (!Documents().isEmpty()) {
        event->ignore();
        emit SignalMainViewClosed(false);
        return;
    }
    SaveWindowGeometry();
    emit SignalMainViewClosed(true);
    MKMainWindow::closeEvent(event);
}

void MainView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    MKMainWindow::dragEnterEvent(event);
}

void MainView::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        for (const QUrl& url : event->mimeData()->urls()) {
            const QString path = url.toLocalFile();
            QTimer::singleShot(100, this, [this, path]() {
                int nRet = -1;
                SlotOpenFile(nRet, QVariantMap{{"path", path}}, false);
            });
        }
    }
    MKMainWindow::dropEvent(event);
}

void MainView::SaveWindowGeometry()
{
    CSettingManager* settings = CSettingManager::getInstance();
    settings->SetRecord("Window_Geometry", saveGeometry());
    settings->SetRecord("Window_Maximized", isMaximized());
}

void MainView::RestoreWindowGeometry()
{
    CSettingManager* settings = CSettingManager::getInstance();
    const QByteArray geometry = settings->GetRecord("Window_Geometry").toByteArray();
    const bool maximized = settings->GetRecord("Window_Maximized").toBool();
    if (geometry.isEmpty()) {
        resize(1280, 800);
        MoveToCenter();
    } else if (!maximized) {
        restoreGeometry(geometry);
    } else {
        showMaximized();
    }
    if (maximized)
        titleBar()->SetMaximized(true);
}
