#include "CFocusRing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int kGap = 2;
constexpr int kWidth = 2;

// The drawn ring: lets the pointer through and paints only its outline.
class RingWidget : public QWidget
{
public:
    explicit RingWidget(QWidget* window)
        : QWidget(window)
    {
        setObjectName("focus_ring");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Q_UNUSED(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kWidth));
        painter.setBrush(Qt::NoBrush);
        const qreal half = kWidth / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 5, 5);
    }
};

} // namespace

CFocusRing::CFocusRing(QObject* parent)
    : QObject(parent)
{
}

CFocusRing* CFocusRing::Instance()
{
    static QPointer<CFocusRing> instance;
    if (!instance && qApp)
        instance = new CFocusRing(qApp);
    return instance;
}

void CFocusRing::Install()
{
    CFocusRing* instance = Instance();
    if (!instance || instance->property("installed").toBool())
        return;
    instance->setProperty("installed", true);
    qApp->installEventFilter(instance);
    connect(qApp, &QApplication::focusChanged, instance, [instance](QWidget*, QWidget* now) { instance->Follow(now); });
}

QWidget* CFocusRing::Target() const
{
    return ring && ring->isVisible() ? target.data() : nullptr;
}

bool CFocusRing::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Keys that move the focus or act on it show where it is.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (!keyboard
            && (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Up || key == Qt::Key_Down
                || key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Space)) {
            keyboard = true;
            QMetaObject::invokeMethod(
                this, [this]() { Follow(QApplication::focusWidget()); }, Qt::QueuedConnection);
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (keyboard) {
            keyboard = false;
            Follow(nullptr);
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (target && watched != ring && watched->isWidgetType()
            && (watched == target || static_cast<QWidget*>(watched)->isAncestorOf(target)))
            QMetaObject::invokeMethod(this, &CFocusRing::Place, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CFocusRing::Follow(QWidget* widget)
{
    // Menus show their current entry themselves; a window is its own frame.
    if (!keyboard || !widget || qobject_cast<QMenu*>(widget) || widget->isWindow())
        widget = nullptr;
    target = widget;
    if (ring && (!widget || ring->parentWidget() != widget->window()))
        delete ring.data();
    if (widget && !ring)
        ring = new RingWidget(widget->window());
    Place();
}

void CFocusRing::Place()
{
    if (!ring)
        return;
    if (!target || !target->isVisible()) {
        ring->hide();
        return;
    }
    const QPoint origin = target->mapTo(ring->parentWidget(), QPoint(0, 0));
    const int out = kGap + kWidth;
    ring->setGeometry(QRect(origin, target->size()).adjusted(-out, -out, out, out));
    ring->show();
    ring->raise();
    ring->update();
}
