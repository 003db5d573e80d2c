#include "DisplayOption.h"

#include "CViewOptions.h"
#include "SettingKeys.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <iterator>

namespace {

void SelectData(QComboBox* box, const QVariant& value)
{
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemData(i, Qt::UserRole) == value) {
            box->setCurrentIndex(i);
            return;
        }
    }
    box->setCurrentIndex(0);
}

} // namespace

DisplayOption::DisplayOption(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* title = new QLabel(tr("Display"), this);
    title->setObjectName("panel_title");
    layout->addWidget(title);
    layout->addSpacing(8);

    viewBox = AddPanel(tr("Default Page View"));
    // Stored as floats, as the engine reports its zoom.
    viewBox->addItem(tr("Actual Size"), QVariant(float(CViewOptions::kActualSize)));
    viewBox->addItem(tr("Fit Page"), QVariant(float(CViewOptions::kFitPage)));
    viewBox->addItem(tr("Fit Width"), QVariant(float(CViewOptions::kFitWidth)));
    viewBox->addItem(tr("Fit Height"), QVariant(float(CViewOptions::kFitHeight)));
    for (auto it = std::rbegin(CViewOptions::kZoomSteps); it != std::rend(CViewOptions::kZoomSteps); ++it)
        viewBox->addItem(QString::number(*it, 'g', 6) + "%", QVariant(float(*it)));

    layoutBox = AddPanel(tr("Default Page Layout"));
    layoutBox->addItem(tr("Single Page View"), CViewOptions::SinglePage);
    layoutBox->addItem(tr("Single Page Scrolling"), CViewOptions::SingleScroll);
    layoutBox->addItem(tr("Two Page View"), CViewOptions::TwoPage);
    layoutBox->addItem(tr("Two Page Scrolling"), CViewOptions::TwoScroll);
    layoutBox->view()->setMinimumWidth(204);

    cursorBox = AddPanel(tr("Default Cursor"));
    cursorBox->addItem(tr("Select"), CViewOptions::SelectCursor);
    cursorBox->addItem(tr("Hand"), CViewOptions::HandCursor);
    layout->addStretch(1);
}

QComboBox* DisplayOption::AddPanel(const QString& label)
{
    auto* panel = new QWidget(this);
    panel->setObjectName("widget_panel");
    panel->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(panel);
    row->setSpacing(12);
    row->setContentsMargins(12, 8, 8, 8);
    auto* text = new QLabel(label, panel);
    text->setObjectName("label_normal");
    row->addWidget(text);
    row->addStretch(1);
    auto* box = new QComboBox(panel);
    box->setObjectName("combo_box");
    box->setFixedSize(204, 28);
    box->setItemDelegate(new QStyledItemDelegate(box));
    box->installEventFilter(this);
    row->addWidget(box);
    static_cast<QVBoxLayout*>(layout())->addWidget(panel);
    return box;
}

void DisplayOption::SetOptions(const QVariantMap& options)
{
    SelectData(viewBox, options.value(SettingKey::kPageView));
    SelectData(layoutBox, options.value(SettingKey::kPageLayout));
    SelectData(cursorBox, options.value(SettingKey::kPageCursor));
}

QVariantMap DisplayOption::GetOptions() const
{
    return {{SettingKey::kPageView, viewBox->currentData(Qt::UserRole)},
            {SettingKey::kPageLayout, layoutBox->currentData(Qt::UserRole)},
            {SettingKey::kPageCursor, cursorBox->currentData(Qt::UserRole)}};
}

bool DisplayOption::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}
