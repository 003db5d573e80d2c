#include "QWKDialog.h"

#include "QWKDialogBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

QWKDialog::QWKDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("dialog_frameless");
    setAttribute(Qt::WA_StyledBackground);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    bar = new QWKDialogBar(this);
    layout->addWidget(bar);
    content = new QWidget(this);
    content->setObjectName("widget_dialog_content");
    layout->addWidget(content, 1);

    connect(bar, &QWKDialogBar::SignalClose, this, &QDialog::reject);
}

QWKDialog::~QWKDialog()
{
    RemoveMask();
}

void QWKDialog::SetTitle(const QString& title)
{
    bar->SetTitle(title);
    setWindowTitle(title);
}

void QWKDialog::ShowMask(QWidget* window, bool bTransparent)
{
    RemoveMask();
    if (!window)
        return;
    window = window->window();
    auto* overlay = new QWidget(window);
    overlay->setObjectName(bTransparent ? "widget_mask_transparent" : "widget_mask");
    overlay->setAttribute(Qt::WA_StyledBackground);
    overlay->setAutoFillBackground(true);
    QPalette palette = overlay->palette();
    palette.setColor(QPalette::Window, bTransparent ? QColor(0, 0, 0, 0) : QColor(0, 0, 0, 96));
    overlay->setPalette(palette);
    overlay->setGeometry(window->rect());
    overlay->raise();
    overlay->show();
    window->installEventFilter(this);
    mask = overlay;
    maskedWindow = window;
}

void QWKDialog::OpenThen(const std::function<void(int)>& done)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (done)
        connect(this, &QDialog::finished, this, done);
    open();
}

void QWKDialog::RemoveMask()
{
    if (maskedWindow)
        maskedWindow->removeEventFilter(this);
    if (mask)
        delete mask.data();
    mask = nullptr;
    maskedWindow = nullptr;
}

bool QWKDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The overlay follows the window it covers.
    if (watched == maskedWindow && mask && event->type() == QEvent::Resize)
        mask->setGeometry(maskedWindow->rect());
    return QDialog::eventFilter(watched, event);
}

void QWKDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        move(frame.topLeft());
    }
}

void QWKDialog::hideEvent(QHideEvent* event)
{
    RemoveMask();
    QDialog::hideEvent(event);
}

QPushButton* QWKDialog::AddButtonRow(QBoxLayout* layout, const QString& okText, const QString& cancelText)
{
    buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    if (!cancelText.isEmpty()) {
        auto* cancel = new QPushButton(cancelText, contentWidget());
        cancel->setObjectName("button_cancel");
        cancel->setProperty("confirm", false);
        cancel->setMinimumSize(80, 30);
        buttonRow->addWidget(cancel);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    auto* ok = new QPushButton(okText, contentWidget());
    ok->setObjectName("button_ok");
    ok->setProperty("confirm", true);
    ok->setDefault(true);
    ok->setMinimumSize(80, 30);
    buttonRow->addWidget(ok);
    if (layout)
        layout->addLayout(buttonRow);
    return ok;
}
