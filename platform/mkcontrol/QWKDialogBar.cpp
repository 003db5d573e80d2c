#include "QWKDialogBar.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

QWKDialogBar::QWKDialogBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_dialog_bar");
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(40);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 0, 8, 0);
    layout->setSpacing(8);

    iconLabel = new QLabel(this);
    iconLabel->setObjectName("label_icon");
    iconLabel->setFixedSize(16, 16);
    iconLabel->hide();
    layout->addWidget(iconLabel);
    titleLabel = new QLabel(this);
    titleLabel->setObjectName("label_title");
    layout->addWidget(titleLabel, 1);

    closeButton = new QPushButton(this);
    closeButton->setObjectName("button_close");
    closeButton->setFixedSize(24, 24);
    // Escape does the same from the keyboard.
    closeButton->setFocusPolicy(Qt::NoFocus);
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    layout->addWidget(closeButton);
    connect(closeButton, &QPushButton::clicked, this, &QWKDialogBar::SignalClose);
}

void QWKDialogBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        closeButton->setAccessibleName(tr("Close"));
    QWidget::changeEvent(event);
}

void QWKDialogBar::SetTitle(const QString& title, bool bShowIcon)
{
    titleLabel->setText(title);
    iconLabel->setVisible(bShowIcon);
    if (bShowIcon)
        iconLabel->setPixmap(QApplication::windowIcon().pixmap(16, 16));
}

QString QWKDialogBar::Title() const
{
    return titleLabel->text();
}

void QWKDialogBar::SetCloseVisible(bool visible)
{
    closeButton->setVisible(visible);
}

void QWKDialogBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    dragging = true;
    dragOffset = event->globalPos() - window()->frameGeometry().topLeft();
}

void QWKDialogBar::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPos() - dragOffset);
}

void QWKDialogBar::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    dragging = false;
}
