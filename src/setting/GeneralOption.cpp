#include "GeneralOption.h"

#include "MKApplication.h"
#include "SettingKeys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

QLabel* Title(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName("panel_title");
    return label;
}

} // namespace

GeneralOption::GeneralOption(QWidget* parent)
    : QWidget(parent)
{
    MKApplication* app = MKApplication::getInstance();
    const bool halden = app && app->IsHaldenProduct();
    const QString title = app ? app->GetAppValue("Title") : QString();

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(16);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(Title(tr("General"), this));

    auto* checks = new QWidget(this);
    checks->setObjectName("widget_panel");
    checks->setAttribute(Qt::WA_StyledBackground);
    auto* checkLayout = new QVBoxLayout(checks);
    checkLayout->setSpacing(12);
    checkLayout->setContentsMargins(12, 12, 12, 12);
    defaultBox = new QCheckBox(tr("Set %1 as default PDF reader").arg(title), checks);
    quitBox = new QCheckBox(tr("Quit program when all windows are closed"), checks);
    restoreBox = new QCheckBox(tr("Restore last view settings when reopening documents"), checks);
    reopenBox = new QCheckBox(tr("Reopen documents from last time"), checks);
    for (QCheckBox* box : {defaultBox, quitBox, restoreBox, reopenBox}) {
        box->setObjectName("chk_box");
        checkLayout->addWidget(box);
    }
    layout->addWidget(checks);

    layout->addSpacing(4);
    QLabel* languageTitle = Title(tr("Language"), this);
    layout->addWidget(languageTitle);
    auto* languagePanel = new QWidget(this);
    languagePanel->setObjectName("widget_panel");
    languagePanel->setAttribute(Qt::WA_StyledBackground);
    auto* languageLayout = new QHBoxLayout(languagePanel);
    languageLayout->setSpacing(12);
    languageLayout->setContentsMargins(12, 8, 8, 8);
    auto* languageLabel = new QLabel(tr("Display Language"), languagePanel);
    languageLabel->setObjectName("label_normal");
    languageLayout->addWidget(languageLabel);
    languageLayout->addStretch(1);
    languageBox = new QComboBox(languagePanel);
    languageBox->setObjectName("combo_box");
    languageBox->setFixedSize(204, 28);
    languageBox->setItemDelegate(new QStyledItemDelegate(languageBox));
    languageBox->installEventFilter(this);
    languageLayout->addWidget(languageBox);
    layout->addWidget(languagePanel);

    // The maker's own product is always the system's default and speaks
    // the system's language.
    if (halden) {
        defaultBox->hide();
        languageTitle->hide();
        languagePanel->hide();
    }

    layout->addWidget(Title(tr("Appearance"), this));
    auto* skinRow = new QHBoxLayout;
    skinRow->setContentsMargins(0, 0, 0, 0);
    skinGroup = new QButtonGroup(this);
    skinGroup->setExclusive(true);
    const QString names[3] = {tr("Follow System"), tr("Light"), tr("Dark")};
    const char* previews[3] = {"label_auto", "label_light", "label_dark"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(names[i], this);
        button->setObjectName("button_option");
        button->setCheckable(true);
        button->setFixedSize(130, 126);
        auto* preview = new QLabel(button);
        preview->setObjectName(previews[i]);
        preview->setFixedSize(130, 126);
        preview->setAttribute(Qt::WA_TransparentForMouseEvents);
        skinGroup->addButton(button, i);
        skinRow->addWidget(button);
    }
    skinRow->addStretch(1);
    layout->addLayout(skinRow);
    layout->addStretch(1);
}

void GeneralOption::SetOptions(const QVariantMap& options)
{
    defaultBox->setChecked(options.value(SettingKey::kDefaultViewer).toBool());
    quitBox->setChecked(options.value(SettingKey::kQuitClose).toBool());
    restoreBox->setChecked(options.value(SettingKey::kRestoreView).toBool());
    reopenBox->setChecked(options.value(SettingKey::kReopenDocuments, true).toBool());
}

QVariantMap GeneralOption::GetOptions() const
{
    return {{SettingKey::kDefaultViewer, defaultBox->isChecked()},
            {SettingKey::kQuitClose, quitBox->isChecked()},
            {SettingKey::kRestoreView, restoreBox->isChecked()},
            {SettingKey::kReopenDocuments, reopenBox->isChecked()}};
}

void GeneralOption::SetLanguages(const QString& current, const QVariantMap& languages)
{
    languageBox->clear();
    for (auto it = languages.constBegin(); it != languages.constEnd(); ++it) {
        languageBox->addItem(it.key(), it.value());
        if (it.value().toString() == current)
            languageBox->setCurrentText(it.key());
    }
}

QString GeneralOption::GetLanguage() const
{
    return languageBox->currentData(Qt::UserRole).toString();
}

void GeneralOption::SetSkin(const QString& name)
{
    const QStringList names = MKApplication::SkinNames();
    const int index = names.mid(0, skinGroup->buttons().size()).indexOf(name);
    if (QAbstractButton* button = skinGroup->button(index))
        button->setChecked(true);
}

QString GeneralOption::GetSkin() const
{
    const int id = skinGroup->checkedId();
    const QStringList names = MKApplication::SkinNames();
    // Nothing picked (an unknown skin came in and the user chose none):
    // following the system is the safe answer.
    return (id >= 0 && id < names.size()) ? names.at(id) : MKApplication::kSkinAuto;
}

bool GeneralOption::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}
