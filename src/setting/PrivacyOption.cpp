#include "PrivacyOption.h"

#include "MKApplication.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

PrivacyOption::PrivacyOption(QWidget* parent)
    : QWidget(parent)
{
    MKApplication* app = MKApplication::getInstance();
    const QString title = app ? app->GetAppValue("Title") : QString();

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(16);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* heading = new QLabel(tr("Privacy"), this);
    heading->setObjectName("panel_title");
    layout->addWidget(heading);

    auto* panel = new QWidget(this);
    panel->setObjectName("widget_panel");
    panel->setAttribute(Qt::WA_StyledBackground);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setSpacing(12);
    panelLayout->setContentsMargins(12, 12, 12, 12);
    usageBox = new QCheckBox(tr("Send anonymous usage statistics"), panel);
    crashesBox = new QCheckBox(tr("Send crash reports"), panel);
    for (QCheckBox* box : {usageBox, crashesBox}) {
        box->setObjectName("chk_box");
        panelLayout->addWidget(box);
    }
    auto* note = new QLabel(tr("Usage statistics count how often %1 starts and which features are used; a crash "
                               "report holds what the program was doing when it crashed and the end of its log. "
                               "Neither holds the names or content of your documents, and nothing is sent "
                               "unless you tick it here.")
                                .arg(title),
                            panel);
    note->setObjectName("label_info");
    note->setWordWrap(true);
    panelLayout->addWidget(note);
    layout->addWidget(panel);
    layout->addStretch(1);
}

void PrivacyOption::SetOptions(bool bUsage, bool bCrashes, bool bLocked)
{
    usageBox->setChecked(bUsage && !bLocked);
    crashesBox->setChecked(bCrashes && !bLocked);
    usageBox->setEnabled(!bLocked);
    crashesBox->setEnabled(!bLocked);
}

bool PrivacyOption::IsUsageChecked() const
{
    return usageBox->isChecked();
}

bool PrivacyOption::IsCrashesChecked() const
{
    return crashesBox->isChecked();
}
