#include "SettingOption.h"

#include "BlankOption.h"
#include "CSettingManager.h"
#include "CVTabWidget.h"
#include "DisplayOption.h"
#include "GeneralOption.h"
#include "QWKDialogBar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace {

QLabel* Line(QWidget* parent, bool horizontal)
{
    auto* line = new QLabel(parent);
    line->setObjectName("label_line");
    if (horizontal)
        line->setFixedHeight(1);
    else
        line->setFixedWidth(1);
    return line;
}

} // namespace

SettingOption::SettingOption(QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("setting_option");
    titleBar()->SetTitle(tr("Preferences"), false);
    titleBar()->setMinimumWidth(700);
    setWindowTitle(tr("Preferences"));

    auto* grid = new QGridLayout(contentWidget());
    grid->setSpacing(0);
    grid->setContentsMargins(1, 1, 1, 1);
    grid->addWidget(Line(contentWidget(), true), 0, 0, 1, 3);

    pageList = new CVTabWidget(contentWidget());
    pageList->setFixedSize(188, 416);
    grid->addWidget(pageList, 1, 0);
    grid->addWidget(Line(contentWidget(), false), 1, 1);
    pages = new QStackedWidget(contentWidget());
    pages->setObjectName("widget_pages");
    grid->addWidget(pages, 1, 2);
    grid->addWidget(Line(contentWidget(), true), 2, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(16);
    buttons->setContentsMargins(16, 16, 16, 16);
    buttons->addStretch(1);
    cancelButton = new QPushButton(tr("Cancel"), contentWidget());
    cancelButton->setObjectName("button_cancel");
    applyButton = new QPushButton(tr("Apply"), contentWidget());
    applyButton->setObjectName("button_ok");
    applyButton->setProperty("confirm", true);
    cancelButton->setProperty("confirm", false);
    for (QPushButton* button : {cancelButton, applyButton}) {
        button->setMinimumSize(120, 28);
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 3, 0, 1, 3);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    pageList->AddTab(tr("General"));
    pageList->AddTab(tr("Display"));
    pageList->AddTab(tr("Blank PDF"));
    general = new GeneralOption(pages);
    display = new DisplayOption(pages);
    blank = new BlankOption(pages);
    pages->addWidget(general);
    pages->addWidget(display);
    pages->addWidget(blank);

    CSettingManager* settings = CSettingManager::getInstance();
    general->SetOptions(settings->GetGeneral());
    display->SetOptions(settings->GetDisplay());
    blank->SetOptions(settings->GetBlank());

    connect(applyButton, &QPushButton::clicked, this, &SettingOption::SlotClickedApply);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(pageList, &CVTabWidget::SignalSelectChanged, this, &SettingOption::SlotTabSelectChanged);
}

void SettingOption::SetAppInfo(const QVariantMap& info, const QVariantMap& languages, int nIndex)
{
    Q_UNUSED(nIndex);
    general->SetLanguages(info.value("language").toString(), languages);
    general->SetSkin(info.value("skin").toString());
}

QString SettingOption::GetLanguage() const
{
    return general->GetLanguage();
}

QString SettingOption::GetSkin() const
{
    return general->GetSkin();
}

void SettingOption::SlotClickedApply()
{
    CSettingManager* settings = CSettingManager::getInstance();
    settings->SetGeneral(general->GetOptions());
    settings->SetDisplay(display->GetOptions());
    settings->SetBlank(blank->GetOptions());
    settings->Save();
    accept();
}

void SettingOption::SlotTabSelectChanged(int nIndex)
{
    pages->setCurrentIndex(nIndex);
}
