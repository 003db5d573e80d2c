#include "CPageEditLayer.h"

#include "CInlineTextEditor.h"
#include "CLinkLayer.h"
#include "CPageView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

namespace {

constexpr int kHandlePixels = 7;
// A press and release this close together is a click, not a drag.
constexpr int kClickSlop = 4;
// The smallest picture, text or link, in points.
constexpr double kMinSide = 4.0;

} // namespace

CPageEditLayer::CPageEditLayer(CPageView* pageView, QObject* parent)
    : CPageLayer(pageView, parent)
{
    setObjectName("page_edit_layer");
}

void CPageEditLayer::SetActive(bool bActive)
{
    if (active == bActive)
        return;
    active = bActive;
    drag = NoDrag;
    if (!active) {
        CommitTextBox();
        selected = Item();
        if (view)
            view->viewport()->unsetCursor();
    }
    Refresh();
}

void CPageEditLayer::SetTool(Tool newTool)
{
    CommitTextBox();
    tool = newTool;
    drag = NoDrag;
    if (tool != SelectTool)
        Select(Item());
    if (view)
        view->viewport()->unsetCursor();
    Refresh();
}

void CPageEditLayer::SetPage(int nPage, const QVector<PageObject>& pageObjects, const QVector<PdfLink>& pageLinks)
{
    objects.insert(nPage, pageObjects);
    links.insert(nPage, pageLinks);
    wanted.remove(nPage);
    if (selected.page == nPage && selected.index >= (selected.link ? pageLinks.size() : pageObjects.size()))
        Select(Item());
    Refresh();
}

void CPageEditLayer::ForgetPages()
{
    objects.clear();
    links.clear();
    wanted.clear();
    Refresh();
}

void CPageEditLayer::Select(const Item& item)
{
    const bool changed = item.page != selected.page || item.index != selected.index || item.link != selected.link;
    selected = item.IsValid() ? item : Item();
    Refresh();
    if (changed)
        emit SignalSelectionChanged();
}

void CPageEditLayer::SetTextLook(const QFont& font, const QColor& color)
{
    textFont = font;
    textColor = color;
}

void CPageEditLayer::StartText(int nPage, const QPointF& at, const QString& text)
{
    if (!view || nPage < 0)
        return;
    const double scale = view->Scale();
    const QPoint corner = view->ToViewport(nPage, QRectF(at, QSizeF())).topLeft().toPoint();
    const QRect page = view->PageRect(nPage);
    QFont shown = textFont;
    shown.setPixelSize(qMax(6, qRound(textFont.pointSizeF() * scale)));
    const int line = QFontMetrics(shown).lineSpacing();
    const QRect area(corner, QSize(qBound(120, page.right() - corner.x(), 640), line * 3 + 12));
    CInlineTextEditor* box = OpenTextBox(
        area, text,
        [this, nPage, at](const QString& typed) {
            if (!typed.trimmed().isEmpty())
                emit SignalTextTyped(nPage, at, typed);
        },
        "edit_page_text");
    box->setAccessibleName(tr("Text to add"));
    box->setFont(shown);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setStyleSheet(QStringLiteral("QPlainTextEdit { color: %1; }").arg(textColor.name()));
    // The typed text starts where it will be drawn.
    const int inset = box->frameWidth() + qRound(box->document()->documentMargin());
    box->move(corner - QPoint(inset, inset));
}

QRectF CPageEditLayer::AreaOf(const Item& item) const
{
    if (!item.IsValid())
        return QRectF();
    if (item.link)
        return links.value(item.page).value(item.index).area;
    return objects.value(item.page).value(item.index).area;
}

CPageEditLayer::Item CPageEditLayer::ItemAt(int nPage, const QPointF& point) const
{
    // What is drawn last is on top.
    const QVector<PageObject> pageObjects = objects.value(nPage);
    for (int i = pageObjects.size() - 1; i >= 0; --i) {
        if (pageObjects.at(i).area.contains(point))
            return {nPage, i, false};
    }
    const QVector<PdfLink> pageLinks = links.value(nPage);
    for (int i = pageLinks.size() - 1; i >= 0; --i) {
        if (pageLinks.at(i).area.contains(point))
            return {nPage, i, true};
    }
    return Item();
}

int CPageEditLayer::HandleAt(const QPoint& pos) const
{
    if (!selected.IsValid() || selected.link)
        return -1;
    const QRectF box = view->ToViewport(selected.page, AreaOf(selected));
    const QPointF corners[4] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    for (int i = 0; i < 4; ++i) {
        if (qAbs(corners[i].x() - pos.x()) <= kHandlePixels && qAbs(corners[i].y() - pos.y()) <= kHandlePixels)
            return i;
    }
    return -1;
}

QRectF CPageEditLayer::DraggedArea() const
{
    if (drag == Drawing)
        return QRectF(dragStart, dragNow).normalized();
    const QRectF area = AreaOf(selected);
    if (drag == Moving)
        return area.translated(dragNow - dragStart);
    if (drag != Resizing)
        return area;
    const QPointF corners[4] = {area.topLeft(), area.topRight(), area.bottomRight(), area.bottomLeft()};
    const QPointF anchor = corners[(qBound(0, dragHandle, 3) + 2) % 4];
    double width = qMax(kMinSide, qAbs(dragNow.x() - anchor.x()));
    double height = qMax(kMinSide, qAbs(dragNow.y() - anchor.y()));
    if (keepRatio && area.height() > 0) {
        const double ratio = area.width() / area.height();
        if (width / ratio > height)
            height = width / ratio;
        else
            width = height * ratio;
    }
    const double x = dragNow.x() < anchor.x() ? anchor.x() - width : anchor.x();
    const double y = dragNow.y() < anchor.y() ? anchor.y() - height : anchor.y();
    return QRectF(x, y, width, height);
}

bool CPageEditLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (!active || !view)
        return false;
    if (watched == view) {
        if (event->type() == QEvent::ShortcutOverride && WantsKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return event->type() == QEvent::KeyPress && KeyPress(static_cast<QKeyEvent*>(event));
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return MousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return MouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return MouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int page = view->PageAt(mouse->pos());
        if (tool != SelectTool || page < 0)
            return false;
        const Item hit = ItemAt(page, view->ToPage(page, mouse->pos()));
        if (hit.link)
            emit SignalLinkWanted(hit.page, hit.index);
        return true;
    }
    default:
        return false;
    }
}

bool CPageEditLayer::MousePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    CommitTextBox();
    const int page = view->PageAt(event->pos());
    if (tool == SelectTool) {
        const int handle = HandleAt(event->pos());
        if (handle >= 0) {
            drag = Resizing;
            dragHandle = handle;
            dragPage = selected.page;
            keepRatio = !(event->modifiers() & Qt::ShiftModifier);
            dragStart = dragNow = view->ToPage(dragPage, event->pos());
            return true;
        }
        if (page < 0) {
            Select(Item());
            return false;
        }
        const QPointF point = view->ToPage(page, event->pos());
        const Item hit = ItemAt(page, point);
        Select(hit);
        if (hit.IsValid() && !hit.link) {
            drag = Moving;
            dragPage = page;
            dragStart = dragNow = point;
        }
        view->setFocus();
        return true;
    }
    if (page < 0)
        return false;
    const QPointF point = view->ToPage(page, event->pos());
    if (tool == TextTool) {
        StartText(page, point);
    } else if (tool == ImageTool) {
        emit SignalImageWanted(page, point);
    } else {
        drag = Drawing;
        dragPage = page;
        dragStart = dragNow = point;
    }
    return true;
}

bool CPageEditLayer::MouseMove(QMouseEvent* event)
{
    if (drag != NoDrag) {
        dragNow = view->ToPage(dragPage, event->pos());
        Refresh();
        return true;
    }
    UpdateCursor(event->pos());
    return view->PageAt(event->pos()) >= 0;
}

bool CPageEditLayer::MouseRelease(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    if (drag == NoDrag)
        return view->PageAt(event->pos()) >= 0;
    // Where it is let go counts, moves seen on the way or not.
    dragNow = view->ToPage(dragPage, event->pos());
    const QRectF area = DraggedArea();
    const Drag done = drag;
    drag = NoDrag;
    const bool moved = (dragNow - dragStart).manhattanLength() * view->Scale() > kClickSlop;
    if (done == Drawing && area.width() >= kMinSide && area.height() >= kMinSide)
        emit SignalLinkDrawn(dragPage, area);
    else if (done != Drawing && moved)
        emit SignalObjectChanged(selected.page, selected.index, area);
    Refresh();
    return true;
}

bool CPageEditLayer::WantsKey(QKeyEvent* event) const
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return selected.IsValid() && !selected.link;
    case Qt::Key_Escape:
        return drag != NoDrag || tool != SelectTool || selected.IsValid();
    case Qt::Key_Backspace:
        return selected.IsValid();
    default:
        return false;
    }
}

bool CPageEditLayer::KeyPress(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Escape:
        if (drag != NoDrag) {
            drag = NoDrag;
            Refresh();
        } else if (tool != SelectTool) {
            SetTool(SelectTool);
            emit SignalToolChanged(SelectTool);
        } else if (selected.IsValid()) {
            Select(Item());
        } else {
            return false;
        }
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (mods & Qt::ControlModifier)
            return false;
        StepSelection(event->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier));
        return selected.IsValid();
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        int page = -1;
        const QPointF centre = VisibleCentre(&page);
        if (selected.link)
            emit SignalLinkWanted(selected.page, selected.index);
        else if (page < 0 || tool == SelectTool)
            return false;
        else if (tool == TextTool)
            StartText(page, centre);
        else if (tool == ImageTool)
            emit SignalImageWanted(page, centre);
        else
            emit SignalLinkDrawn(page, QRectF(centre - QPointF(80, 12), QSizeF(160, 24)));
        return true;
    }
    case Qt::Key_Backspace:
        if (!selected.IsValid())
            return false;
        emit SignalDeleteWanted();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!selected.IsValid() || selected.link)
            return false;
        const double step = (mods & Qt::ShiftModifier) ? 10 : 1;
        const int key = event->key();
        QRectF area = AreaOf(selected);
        if (mods & Qt::ControlModifier) {
            const double dw = key == Qt::Key_Right ? step : key == Qt::Key_Left ? -step : 0;
            const double dh = key == Qt::Key_Down ? step : key == Qt::Key_Up ? -step : 0;
            area.setSize(QSizeF(qMax(kMinSide, area.width() + dw), qMax(kMinSide, area.height() + dh)));
        } else {
            // As the arrow points on screen, however the view turns the page.
            const QPointF from = view->ToViewport(selected.page, QRectF(area.center(), QSizeF())).topLeft();
            const QPointF by(key == Qt::Key_Right      ? 1
                                 : key == Qt::Key_Left ? -1
                                                       : 0,
                             key == Qt::Key_Down     ? 1
                                 : key == Qt::Key_Up ? -1
                                                     : 0);
            const QPointF delta
                = view->ToPage(selected.page, from + by * step * view->Scale()) - view->ToPage(selected.page, from);
            area.translate(delta);
        }
        emit SignalObjectChanged(selected.page, selected.index, area);
        return true;
    }
    default:
        return false;
    }
}

void CPageEditLayer::StepSelection(bool bForward)
{
    int page = selected.IsValid() ? selected.page : view->CurrentPage();
    const int count = objects.value(page).size() + links.value(page).size();
    // Pictures first, then links; past either end the selection goes.
    int at = !selected.IsValid() ? -1 : selected.link ? objects.value(page).size() + selected.index : selected.index;
    at = !selected.IsValid() && !bForward ? count - 1 : at + (bForward ? 1 : -1);
    if (at < 0 || at >= count) {
        Select(Item());
        return;
    }
    const int nObjects = objects.value(page).size();
    Select(at < nObjects ? Item {page, at, false} : Item {page, at - nObjects, true});
    view->ShowArea(page, AreaOf(selected));
}

QPointF CPageEditLayer::VisibleCentre(int* nPage) const
{
    *nPage = view->CurrentPage();
    const QRect shown = view->PageRect(*nPage).intersected(view->viewport()->rect());
    if (shown.isEmpty()) {
        *nPage = -1;
        return QPointF();
    }
    return view->ToPage(*nPage, shown.center());
}

void CPageEditLayer::UpdateCursor(const QPoint& pos)
{
    const int page = view->PageAt(pos);
    if (tool != SelectTool) {
        view->viewport()->setCursor(page < 0 ? Qt::ArrowCursor : tool == TextTool ? Qt::IBeamCursor : Qt::CrossCursor);
        return;
    }
    const int handle = HandleAt(pos);
    const Item hit = page >= 0 ? ItemAt(page, view->ToPage(page, pos)) : Item();
    if (handle >= 0)
        view->viewport()->setCursor(handle % 2 == 0 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    else if (hit.IsValid())
        view->viewport()->setCursor(hit.link ? Qt::PointingHandCursor : Qt::SizeAllCursor);
    else
        view->viewport()->unsetCursor();
    if (hit.link) {
        const PdfLink link = links.value(hit.page).value(hit.index);
        const bool leads = link.kind != PdfLink::GoTo || link.page >= 0;
        QToolTip::showText(view->viewport()->mapToGlobal(pos),
                           (leads ? CLinkLayer::Describe(link) : tr("Leads nowhere")) + "\n"
                               + tr("Double-click to change where it leads"),
                           view->viewport());
    } else {
        QToolTip::hideText();
    }
}

void CPageEditLayer::Refresh()
{
    if (view)
        view->viewport()->update();
}

void CPageEditLayer::PaintPage(QPainter& painter, const CPageView& pageView, int nPage, const QRectF& target)
{
    Q_UNUSED(target);
    if (!active)
        return;
    if (!objects.contains(nPage)) {
        if (!wanted.contains(nPage)) {
            wanted.insert(nPage);
            // Not from inside the paint: whoever answers may paint again.
            QMetaObject::invokeMethod(
                this, [this, nPage]() { emit SignalPageWanted(nPage); }, Qt::QueuedConnection);
        }
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QColor soft = accent;
    soft.setAlpha(120);
    QColor wash = accent;
    wash.setAlpha(28);
    const QVector<PdfLink> pageLinks = links.value(nPage);
    for (const PdfLink& link : pageLinks) {
        painter.setPen(QPen(soft, 1, Qt::DotLine));
        painter.setBrush(wash);
        painter.drawRect(pageView.ToViewport(nPage, link.area));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(soft, 1, Qt::DashLine));
    for (const PageObject& object : objects.value(nPage))
        painter.drawRect(pageView.ToViewport(nPage, object.area).adjusted(-1, -1, 1, 1));
    if (selected.IsValid() && selected.page == nPage) {
        const QRectF box = pageView.ToViewport(nPage, drag == NoDrag ? AreaOf(selected) : DraggedArea());
        painter.setPen(QPen(accent, 2));
        painter.drawRect(box.adjusted(-1, -1, 1, 1));
        if (!selected.link && drag == NoDrag) {
            painter.setPen(QPen(accent, 1));
            painter.setBrush(Qt::white);
            for (const QPointF& corner : {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()})
                painter.drawRect(QRectF(corner - QPointF(kHandlePixels / 2.0, kHandlePixels / 2.0),
                                        QSizeF(kHandlePixels, kHandlePixels)));
        }
    }
    if (drag == Drawing && dragPage == nPage) {
        painter.setPen(QPen(accent, 1, Qt::DashLine));
        painter.setBrush(wash);
        painter.drawRect(pageView.ToViewport(nPage, DraggedArea()));
    }
    painter.restore();
}
