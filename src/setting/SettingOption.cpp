#include "SettingOption.h"

#include "BlankOption.h"
#include "CAssocUtils.h"
#include "CReportConsent.h"
#include "CSettingManager.h"
#include "CVTabWidget.h"
#include "DisplayOption.h"
#include "GeneralOption.h"
#include "MKApplication.h"
#include "PrivacyOption.h"
#include "QWKDialogBar.h"
#include "SettingKeys.h"

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
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    pageList->AddTab(tr("General"));
    pageList->AddTab(tr("Display"));
    pageList->AddTab(tr("Blank PDF"));
    pageList->AddTab(tr("Privacy"));
    general = new GeneralOption(pages);
    display = new DisplayOption(pages);
    blank = new BlankOption(pages);
    pages->addWidget(general);
    pages->addWidget(display);
    privacy = new PrivacyOption(pages);
    pages->addWidget(blank);
    pages->addWidget(privacy);

    // Made after the pages, so Tab goes list, page, Cancel, Apply. Enter
    // applies, Escape cancels, as in any dialog.
    applyButton = AddButtonRow(nullptr, tr("Apply"), tr("Cancel"));
    cancelButton = contentWidget()->findChild<QPushButton*>("button_cancel");
    ButtonRow()->setSpacing(16);
    ButtonRow()->setContentsMargins(16, 16, 16, 16);
    for (QPushButton* button : {cancelButton, applyButton}) {
        button->setMinimumSize(120, 28);
        button->setAutoDefault(false);
    }
    grid->addLayout(ButtonRow(), 3, 0, 1, 3);

    CSettingManager* settings = CSettingManager::getInstance();
    QVariantMap generalOptions = settings->GetGeneral();
    // The box tells what is true now: a default the user chose since in the
    // desktop's settings unticks it (applying then records that choice).
    MKApplication* app = MKApplication::getInstance();
    if (app && !app->IsHaldenProduct() && generalOptions.value(SettingKey::kDefaultViewer).toBool()
        && !MKBase::CAssocUtils::IsDefaultPdfLauncher(app->GetAppValue("AppId")))
        generalOptions[SettingKey::kDefaultViewer] = false;
    general->SetOptions(generalOptions);
    display->SetOptions(settings->GetDisplay());
    blank->SetOptions(settings->GetBlank());
    const QString framework = MKApplication::FrameworkSettingsPath();
    privacy->SetOptions(MKBase::CReportConsent::IsAllowed(framework, MKBase::CReportConsent::Usage),
                        MKBase::CReportConsent::IsAllowed(framework, MKBase::CReportConsent::Crashes),
                        MKBase::CReportConsent::IsForcedOff(framework));

    connect(applyButton, &QPushButton::clicked, this, &SettingOption::SlotClickedApply);
    connect(pageList, &CVTabWidget::SignalSelectChanged, this, &SettingOption::SlotTabSelectChanged);
}

void SettingOption::showEvent(QShowEvent* event)
{
    QWKDialog::showEvent(event);
    // The keyboard starts in the page list; Up and Down pick a page.
    pageList->Button(0)->setFocus(Qt::OtherFocusReason);
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
    // Written only when it says something new: a no kept as it was leaves
    // the file alone.
    const QString framework = MKApplication::FrameworkSettingsPath();
    const bool usage = privacy->IsUsageChecked();
    const bool crashes = privacy->IsCrashesChecked();
    if (!MKBase::CReportConsent::IsForcedOff(framework)
        && (!MKBase::CReportConsent::IsSettled(framework)
            || usage != MKBase::CReportConsent::IsAllowed(framework, MKBase::CReportConsent::Usage)
            || crashes != MKBase::CReportConsent::IsAllowed(framework, MKBase::CReportConsent::Crashes)))
        MKBase::CReportConsent::getInstance()->Set(framework, usage, crashes);
    accept();
}

void SettingOption::SlotTabSelectChanged(int nIndex)
{
    pages->setCurrentIndex(nIndex);
}
