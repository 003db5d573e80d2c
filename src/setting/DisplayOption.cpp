#include "DisplayOption.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

const float kZoomSteps[] = {6400, 3200, 2400, 1600, 800, 400, 200, 150, 125, 100, 75, 50, 25, 10, 5};

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
    viewBox->addItem(tr("Actual Size"), QVariant(100.0f));
    viewBox->addItem(tr("Fit Page"), QVariant(-1.0f));
    viewBox->addItem(tr("Fit Width"), QVariant(-2.0f));
    viewBox->addItem(tr("Fit Height"), QVariant(-3.0f));
    for (float zoom : kZoomSteps)
        viewBox->addItem(QString::number(zoom, 'g', 6) + "%", QVariant(zoom));

    layoutBox = AddPanel(tr("Default Page Layout"));
    layoutBox->addItem(tr("Single Page View"), 0);
    layoutBox->addItem(tr("Single Page Scrolling"), 1);
    layoutBox->addItem(tr("Two Page View"), 2);
    layoutBox->addItem(tr("Two Page Scrolling"), 3);
    layoutBox->view()->setMinimumWidth(204);

    cursorBox = AddPanel(tr("Default Cursor"));
    cursorBox->addItem(tr("Select"), 0);
    cursorBox->addItem(tr("Hand"), 1);
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
    SelectData(viewBox, options.value("Page_View"));
    SelectData(layoutBox, options.value("Page_Layout"));
    SelectData(cursorBox, options.value("Page_Cursor"));
}

QVariantMap DisplayOption::GetOptions() const
{
    return {{"Page_View", viewBox->currentData(Qt::UserRole)},
            {"Page_Layout", layoutBox->currentData(Qt::UserRole)},
            {"Page_Cursor", cursorBox->currentData(Qt::UserRole)}};
}

bool DisplayOption::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}
