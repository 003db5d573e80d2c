#include "BlankOption.h"

#include "CClearEdit.h"
#include "CSettingManager.h"
#include "CustomIntValidator.h"
#include "SettingKeys.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpacerItem>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

bool BlankOption::keepAspect = false;

namespace {

QLabel* GrayLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName("label_gray");
    return label;
}

QLineEdit* SizeEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName("line_edit");
    edit->setFixedSize(68, 24);
    edit->setValidator(new CustomIntValidator(1, 5080, edit));
    return edit;
}

} // namespace

BlankOption::BlankOption(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(16);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* title = new QLabel(tr("Blank PDF"), this);
    title->setObjectName("panel_title");
    layout->addWidget(title);

    auto* panel = new QWidget(this);
    panel->setObjectName("widget_panel");
    panel->setAttribute(Qt::WA_StyledBackground);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);

    QLabel* nameLabel = GrayLabel(tr("File Name"), panel);
    QLabel* countLabel = GrayLabel(tr("Pages"), panel);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(countLabel, 0, 1);

    nameEdit = new CClearEdit(panel);
    nameEdit->setObjectName("line_edit");
    nameEdit->setFixedSize(216, 24);
    nameEdit->setMaxLength(200);
    nameEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\\\/:*?\"<>|]+")), nameEdit));
    grid->addWidget(nameEdit, 1, 0);

    countEdit = new QLineEdit(panel);
    countEdit->setObjectName("line_edit");
    countEdit->setFixedHeight(24);
    countEdit->setValidator(new CustomIntValidator(1, 100, countEdit));
    grid->addWidget(countEdit, 1, 1);
    // The labels above the fields name them for a screen reader.
    nameLabel->setBuddy(nameEdit);
    countLabel->setBuddy(countEdit);

    grid->addItem(new QSpacerItem(20, 16), 2, 0, 1, 2);
    grid->addWidget(GrayLabel(tr("Page Size"), panel), 3, 0, 1, 2);

    fixedButton = new QRadioButton(tr("Fixed Size"), panel);
    fixedButton->setObjectName("radio_button");
    fixedButton->setChecked(true);
    customButton = new QRadioButton(tr("Custom"), panel);
    customButton->setObjectName("radio_button");
    grid->addWidget(fixedButton, 4, 0);
    grid->addWidget(customButton, 4, 1);
    sizeGroup = new QButtonGroup(this);
    sizeGroup->setExclusive(true);
    sizeGroup->addButton(fixedButton, 0);
    sizeGroup->addButton(customButton, 1);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->setContentsMargins(20, 0, 0, 0);
    sizeBox = new QComboBox(panel);
    sizeBox->setObjectName("combo_box");
    sizeBox->setFixedHeight(24);
    sizeBox->setItemDelegate(new QStyledItemDelegate(sizeBox));
    sizeBox->installEventFilter(this);
    for (int i = 0; i < CSettingManager::PageSizeCount(); ++i) {
        const QSize mm = CSettingManager::PageSizeMm(i);
        sizeBox->addItem(
            QStringLiteral("%1 (%2 x %3 mm)").arg(CSettingManager::PageSizeName(i)).arg(mm.width()).arg(mm.height()));
    }
    sizeRow->addWidget(sizeBox);
    grid->addLayout(sizeRow, 5, 0);

    auto* customRow = new QHBoxLayout;
    customRow->setContentsMargins(20, 0, 0, 0);
    customRow->setSpacing(4);
    widthEdit = SizeEdit(panel);
    keepButton = new QPushButton(panel);
    keepButton->setObjectName("button_keep");
    keepButton->setCheckable(true);
    keepButton->setFixedSize(24, 24);
    keepButton->setAccessibleName(tr("Keep Aspect Ratio"));
    heightEdit = SizeEdit(panel);
    widthEdit->setAccessibleName(tr("Width"));
    heightEdit->setAccessibleName(tr("Height"));
    unitLabel = new QLabel(QStringLiteral("mm"), panel);
    unitLabel->setObjectName("label_normal");
    unitLabel->setFixedHeight(20);
    unitLabel->setAlignment(Qt::AlignCenter);
    customRow->addWidget(widthEdit, 0, Qt::AlignVCenter);
    customRow->addWidget(keepButton, 0, Qt::AlignVCenter);
    customRow->addWidget(heightEdit, 0, Qt::AlignVCenter);
    customRow->addWidget(unitLabel, 0, Qt::AlignVCenter);
    customRow->addStretch(1);
    grid->addLayout(customRow, 5, 1);

    grid->addItem(new QSpacerItem(20, 16), 6, 0, 1, 2);
    grid->addWidget(GrayLabel(tr("Orientation"), panel), 7, 0, 1, 2);

    auto* back = new QWidget(panel);
    back->setObjectName("widget_back");
    back->setAttribute(Qt::WA_StyledBackground);
    auto* backLayout = new QHBoxLayout(back);
    backLayout->setSpacing(4);
    backLayout->setContentsMargins(4, 4, 4, 4);
    portraitButton = new QPushButton(tr("Portrait"), back);
    portraitButton->setObjectName("button_portrait");
    landscapeButton = new QPushButton(tr("Landscape"), back);
    landscapeButton->setObjectName("button_landscape");
    orientationGroup = new QButtonGroup(this);
    orientationGroup->setExclusive(true);
    int id = 0;
    for (QPushButton* button : {portraitButton, landscapeButton}) {
        button->setCheckable(true);
        button->setFixedHeight(28);
        backLayout->addWidget(button);
        orientationGroup->addButton(button, id++);
    }
    portraitButton->setChecked(true);
    grid->addWidget(back, 8, 0, 1, 2, Qt::AlignTop | Qt::AlignLeft);

    layout->addWidget(panel);
    layout->addStretch(1);

    connect(sizeGroup, QOverload<QAbstractButton*>::of(&QButtonGroup::buttonClicked), this,
            &BlankOption::SlotSizeClicked);
    connect(widthEdit, &QLineEdit::textChanged, this, &BlankOption::SlotSizeChanged);
    connect(heightEdit, &QLineEdit::textChanged, this, &BlankOption::SlotSizeChanged);
    connect(keepButton, &QPushButton::clicked, this, &BlankOption::SlotKeepClicked);

    keepButton->setChecked(keepAspect);
    SlotKeepClicked();
}

void BlankOption::EnableCustom(bool bCustom)
{
    sizeBox->setEnabled(!bCustom);
    for (QWidget* widget : {static_cast<QWidget*>(widthEdit), static_cast<QWidget*>(heightEdit),
                            static_cast<QWidget*>(unitLabel), static_cast<QWidget*>(keepButton)})
        widget->setEnabled(bCustom);
}

void BlankOption::SetOptions(const QVariantMap& blank)
{
    nameEdit->setText(blank.value(SettingKey::kFileName).toString());
    countEdit->setText(QString::number(blank.value(SettingKey::kPageCount).toInt()));
    shownCount
        = CSettingManager::IsValidValue(SettingKey::kPageCount, countEdit->text()) ? countEdit->text().toInt() : 1;

    QSize size(210, 297);
    const int fixed = blank.value(SettingKey::kPageFixedSize).toInt();
    if (fixed >= 0 && fixed < sizeBox->count()) {
        fixedButton->setChecked(true);
        sizeBox->setCurrentIndex(fixed);
        EnableCustom(false);
    } else {
        size = blank.value(SettingKey::kPageCustomSize).toSize();
        customButton->setChecked(true);
        sizeBox->setCurrentIndex(4);
        EnableCustom(true);
    }
    // Filling both fields must not run the linked update of one into the other.
    {
        const QSignalBlocker blockWidth(widthEdit);
        const QSignalBlocker blockHeight(heightEdit);
        widthEdit->setText(QString::number(size.width()));
        heightEdit->setText(QString::number(size.height()));
    }
    if (CSettingManager::IsValidValue(SettingKey::kPageCustomSize, size))
        shownSize = size;
    if (keepButton->isChecked() && size.width() > 0 && size.height() > 0)
        aspectRatio = double(size.width()) / size.height();
    if (blank.value(SettingKey::kPageOrientation).toInt() != 0)
        landscapeButton->setChecked(true);
    else
        portraitButton->setChecked(true);
}

QVariantMap BlankOption::GetOptions() const
{
    QVariantMap blank;
    const QString name = nameEdit->text().trimmed();
    blank[SettingKey::kFileName] = name.isEmpty() ? QStringLiteral("Untitled") : name;
    // The validators let an empty field through, which no document can be
    // made of: such a field keeps what the page was shown with.
    const int count = countEdit->text().toInt(nullptr, 10);
    blank[SettingKey::kPageCount] = CSettingManager::IsValidValue(SettingKey::kPageCount, count) ? count : shownCount;
    if (fixedButton->isChecked()) {
        blank[SettingKey::kPageFixedSize] = sizeBox->currentIndex();
    } else {
        auto side = [](const QLineEdit* edit, int shown) {
            const int value = edit->text().toInt();
            return value >= 1 && value <= 5080 ? value : shown;
        };
        blank[SettingKey::kPageFixedSize] = -1;
        blank[SettingKey::kPageCustomSize]
            = QSize(side(widthEdit, shownSize.width()), side(heightEdit, shownSize.height()));
    }
    blank[SettingKey::kPageOrientation] = portraitButton->isChecked() ? 0 : 1;
    keepAspect = keepButton->isChecked();
    return blank;
}

void BlankOption::SlotSizeClicked(QAbstractButton* button)
{
    EnableCustom(sizeGroup->id(button) == 1);
}

void BlankOption::SlotKeepClicked()
{
    QString tip = tr("Lock aspect ratio");
    if (keepButton->isChecked()) {
        const double width = widthEdit->text().toDouble();
        const double height = heightEdit->text().toDouble();
        if (width > 0 && height > 0)
            aspectRatio = width / height;
        tip = tr("Unlock aspect ration");
    }
    keepButton->setToolTip(tip);
}

void BlankOption::SlotSizeChanged(const QString& text)
{
    if (!keepButton->isChecked())
        return;
    // A cleared field leaves its partner alone; results stay within the
    // sides a page may have.
    if (text.isEmpty())
        return;
    const QSignalBlocker blockWidth(widthEdit);
    const QSignalBlocker blockHeight(heightEdit);
    auto side = [](double value) { return QString::number(qBound(1, int(value), 5080)); };
    if (sender() == widthEdit)
        heightEdit->setText(side(widthEdit->text().toDouble() / aspectRatio));
    else
        widthEdit->setText(side(heightEdit->text().toDouble() * aspectRatio));
}

bool BlankOption::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}
