#include "HomePage.h"

#include "CToolItem.h"
#include "FlowLayout.h"
#include "MainBox.h"
#include "RecentPage.h"
#include "setting/CSettingManager.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// In MainBox::HomeTool order.
const char* const kToolIcons[] = {"tool_edit", "tool_create", "tool_print", "tool_organize", "tool_encrypt"};

QPushButton* PanelButton(const char* name, bool confirm, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setProperty("confirm", confirm);
    button->setMinimumSize(120, 32);
    button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    return button;
}

} // namespace

HomePage::HomePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("home_page");
    setAttribute(Qt::WA_StyledBackground);
    SetupUi();
    UpdatePrivatePage();
    for (CToolItem* tool : tools)
        connect(tool, &QPushButton::clicked, this, &HomePage::SlotToolClicked);
    connect(noticeButton, &QPushButton::clicked, this, &HomePage::SlotCloseClicked);
    connect(openButton, &QPushButton::clicked, this, &HomePage::SlotClickedOpen);
    connect(createButton, &QPushButton::clicked, this, &HomePage::SlotClickedCreate);
    connect(recentPage, &RecentPage::SignalClickedPrivate, this, &HomePage::SlotPrivateClicked);
    connect(recentPage, &RecentPage::SignalClickedOpen, this, &HomePage::SignalClickedOpen);
    connect(recentPage, &RecentPage::SignalOpenFile, this, &HomePage::SignalOpenFile);
    connect(CSettingManager::getInstance(), &CSettingManager::SignalPrivateChanged, this, &HomePage::SlotPrivateChanged,
            Qt::QueuedConnection);
    Retranslate();
}

void HomePage::SetupUi()
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(10);
    grid->setContentsMargins(1, 1, 20, 1);

    sidePanel = new QWidget(this);
    sidePanel->setObjectName("widget_panel");
    sidePanel->setAttribute(Qt::WA_StyledBackground);
    sidePanel->setFixedWidth(216);
    auto* side = new QVBoxLayout(sidePanel);
    side->setAlignment(Qt::AlignTop);
    side->setSpacing(10);
    side->setContentsMargins(20, 20, 20, 20);
    openButton = PanelButton("button_ok", true, sidePanel);
    createButton = PanelButton("button_cancel", false, sidePanel);
    side->addWidget(openButton);
    side->addWidget(createButton);
    grid->addWidget(sidePanel, 0, 0, 3, 1);

    title = new QLabel(this);
    title->setObjectName("panel_title");
    title->setFixedHeight(48);
    title->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(title, 0, 1);

    auto* toolBox = new QWidget(this);
    toolBox->setMinimumWidth(480);
    auto* flow = new FlowLayout(toolBox, 2, 10, 10);
    for (int id = 0; id < MainBox::HomeToolCount; ++id) {
        auto* tool = new CToolItem(kToolIcons[id], toolBox);
        tool->SetToolId(id);
        flow->addWidget(tool);
        tools << tool;
    }
    grid->addWidget(toolBox, 1, 1);

    stack = new QStackedWidget(this);
    auto* notice = new QWidget(stack);
    auto* noticeLayout = new QVBoxLayout(notice);
    noticeLayout->setAlignment(Qt::AlignVCenter);
    noticeLayout->setSpacing(16);
    noticeLayout->setContentsMargins(6, 0, 6, 0);
    noticePicture = new QLabel(notice);
    noticePicture->setObjectName("list_private");
    noticePicture->setFixedSize(80, 80);
    noticeTitle = new QLabel(notice);
    noticeTitle->setObjectName("label_normal");
    noticeText = new QLabel(notice);
    noticeText->setObjectName("label_text");
    for (QLabel* label : {noticeTitle, noticeText}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setMinimumWidth(400);
    }
    noticeButton = PanelButton("button_cancel", false, notice);
    noticeLayout->addWidget(noticePicture, 0, Qt::AlignHCenter);
    noticeLayout->addWidget(noticeTitle);
    noticeLayout->addWidget(noticeText);
    noticeLayout->addWidget(noticeButton, 0, Qt::AlignHCenter);
    stack->addWidget(notice);
    recentPage = new RecentPage(stack);
    stack->addWidget(recentPage);
    grid->addWidget(stack, 2, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
}

void HomePage::Retranslate()
{
    openButton->setText(tr("Open PDF"));
    createButton->setText(tr("Create PDF"));
    title->setText(tr("Popular Tools"));
    const QString titles[]
        = {tr("Edit PDF"), tr("Create PDF"), tr("Print PDF"), tr("Organize PDFs"), tr("Encrypt PDF")};
    const QString texts[]
        = {tr("Edit text, images and links in your PDF effortlessly"), tr("Create a Blank Page PDF in a second"),
           tr("Print your PDF document quickly and easily"), tr("Simply sort, add, delete PDF pages and etc."),
           tr("Password protect your PDF from unauthorized access")};
    for (int i = 0; i < tools.size(); ++i)
        tools[i]->SetTexts(titles[i], texts[i]);
    // What the tile's words promise, and where it stops.
    tools[0]->setToolTip(tr("Add text, pictures and links to pages; move, resize or delete pictures; change where "
                            "links lead. Text that is already on a page cannot be changed."));
    noticeTitle->setText(tr("You've gone Incognito"));
    noticeText->setText(tr("The history of the files you have viewed will not be saved."));
    noticeButton->setText(tr("Close"));
}

void HomePage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void HomePage::UpdatePrivatePage()
{
    stack->setCurrentIndex(CSettingManager::getInstance()->IsPrivateEnabled() ? 0 : 1);
}

void HomePage::SlotToolClicked()
{
    if (auto* tool = qobject_cast<CToolItem*>(sender()))
        emit SignalClickedTool(tool->GetToolId());
}

void HomePage::SlotCloseClicked()
{
    CSettingManager::getInstance()->SetPrivateEnabled(false);
}

void HomePage::SlotPrivateClicked()
{
    CSettingManager::getInstance()->SetPrivateEnabled(true);
}

void HomePage::SlotPrivateChanged()
{
    UpdatePrivatePage();
}

void HomePage::SlotClickedOpen()
{
    emit SignalClickedOpen();
}

void HomePage::SlotClickedCreate()
{
    emit SignalCreateBlankPDF();
}

void HomePage::GetRecentFileList(QStringList& list) const
{
    list.append(recentPage->GetRecentFileList());
}

void HomePage::RemoveRecordByPath(const QString& path)
{
    recentPage->RemoveRecordByPath(path);
}
