#include "CAnnotationLayer.h"

#include "CAnnotationCommand.h"
#include "CInlineTextEditor.h"
#include "CPageView.h"
#include "CPdfDocument.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QUndoStack>

#include <algorithm>

namespace {

constexpr double kHandlePixels = 5.0;
constexpr double kMinBox = 4.0;
constexpr int kMaxMarkedPages = 100;

QRectF Bounds(const QVector<QPointF>& points, double pad)
{
    if (points.isEmpty())
        return QRectF();
    double left = points.first().x(), right = left, top = points.first().y(), bottom = top;
    for (const QPointF& p : points) {
        left = qMin(left, p.x());
        right = qMax(right, p.x());
        top = qMin(top, p.y());
        bottom = qMax(bottom, p.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-pad, -pad, pad, pad);
}

// The words of one page joined into one box per line.
QVector<QRectF> LineBoxes(QList<QRectF> words)
{
    std::sort(words.begin(), words.end(), [](const QRectF& a, const QRectF& b) {
        return qAbs(a.center().y() - b.center().y()) > qMin(a.height(), b.height()) / 2 ? a.top() < b.top()
                                                                                        : a.left() < b.left();
    });
    QVector<QRectF> lines;
    for (const QRectF& word : words) {
        if (!lines.isEmpty()) {
            QRectF& last = lines.last();
            const bool sameLine = word.center().y() >= last.top() && word.center().y() <= last.bottom();
            if (sameLine) {
                last = last.united(word);
                continue;
            }
        }
        lines.append(word);
    }
    return lines;
}

bool SameLook(const PdfAnnotation& a, const PdfAnnotation& b)
{
    return a.rect == b.rect && a.color == b.color && qFuzzyCompare(a.opacity, b.opacity)
        && qFuzzyCompare(a.width, b.width) && a.fontSize == b.fontSize && a.contents == b.contents && a.paths == b.paths
        && a.quads == b.quads;
}

} // namespace

CAnnotationLayer::CAnnotationLayer(CAnnotationStore* store_, QUndoStack* stack_, CPageView* view_, QObject* parent)
    : CPageLayer(view_, parent)
    , store(store_)
    , stack(stack_)
{
    connect(store, &CAnnotationStore::SignalPageChanged, this, &CAnnotationLayer::OnPageChanged);
}

CAnnotationLayer::~CAnnotationLayer() = default;

double CAnnotationLayer::Margin() const
{
    return 4.0 / qMax(0.01, view->Scale());
}

void CAnnotationLayer::Refresh()
{
    if (view)
        view->viewport()->update();
}

void CAnnotationLayer::SetActive(bool bActive)
{
    if (active == bActive)
        return;
    active = bActive;
    if (!active) {
        if (editor)
            editor->Commit();
        ClearSelection();
        tool = CCommentOptions::NoTool;
        drag = NoDrag;
        view->SetCursorMode(view->CursorMode());
    }
    Refresh();
}

void CAnnotationLayer::SetTool(CCommentOptions::Tool newTool)
{
    tool = newTool;
    drag = NoDrag;
    hovered = PdfAnnotation();
    ClearSelection();
    // Text selected before a markup tool is chosen is marked at once.
    if (CCommentOptions::IsTextMarkup(tool) && view->HasSelection())
        MarkSelectedText(tool);
    view->viewport()->setCursor(
        tool == CCommentOptions::NoTool || CCommentOptions::IsTextMarkup(tool) ? Qt::ArrowCursor : Qt::CrossCursor);
    Refresh();
}

void CAnnotationLayer::Select(int nPage, int nIndex)
{
    const PdfAnnotation found = store->Find(nPage, nIndex);
    selected = found;
    Refresh();
    emit SignalSelectionChanged(selected.IsValid());
}

void CAnnotationLayer::ShowAnnotation(int nPage, int nIndex)
{
    const PdfAnnotation annotation = store->Find(nPage, nIndex);
    if (!annotation.IsValid())
        return;
    view->ShowArea(nPage, annotation.rect);
    if (active)
        Select(nPage, nIndex);
}

void CAnnotationLayer::ClearSelection()
{
    if (!selected.IsValid())
        return;
    selected = PdfAnnotation();
    Refresh();
    emit SignalSelectionChanged(false);
}

void CAnnotationLayer::OnPageChanged(int nPage)
{
    if (selected.page == nPage) {
        selected = store->Find(selected.page, selected.index);
        emit SignalSelectionChanged(selected.IsValid());
    }
    if (hovered.page == nPage)
        hovered = PdfAnnotation();
    Refresh();
}

PdfAnnotation CAnnotationLayer::NewAnnotation(CCommentOptions::Tool kind, int nPage) const
{
    PdfAnnotation a;
    a.page = nPage;
    a.kind = PdfAnnotation::Kind(kind);
    const CCommentOptions defaults;
    const CCommentOptions& o = options ? *options : defaults;
    a.color = o.ToolColor(kind);
    a.opacity = o.ToolOpacity(kind);
    a.width = o.ToolWidth(kind);
    a.fontSize = o.ToolFontSize(kind);
    a.author = userName ? userName() : QString();
    a.modified = QDateTime::currentDateTime();
    return a;
}

int CAnnotationLayer::AddAnnotation(const PdfAnnotation& annotation)
{
    auto* command = CAnnotationCommand::NewCreate(
        store, annotation, tr("Add %1").arg(CCommentOptions::ToolTitle(CCommentOptions::Tool(annotation.kind))));
    stack->push(command);
    return command->Index();
}

bool CAnnotationLayer::MarkSelectedText(CCommentOptions::Tool markup)
{
    if (!CCommentOptions::IsTextMarkup(markup) || !view->HasSelection())
        return false;
    const QMap<int, QList<QRectF>> boxes = view->SelectedWordBoxes();
    if (boxes.isEmpty() || boxes.size() > kMaxMarkedPages)
        return false;
    const QString text = tr("Add %1").arg(CCommentOptions::ToolTitle(markup));
    stack->beginMacro(text);
    for (auto it = boxes.constBegin(); it != boxes.constEnd(); ++it) {
        if (it.value().isEmpty())
            continue;
        PdfAnnotation a = NewAnnotation(markup, it.key());
        a.quads = LineBoxes(it.value());
        for (const QRectF& line : a.quads)
            a.rect = a.rect.isNull() ? line : a.rect.united(line);
        AddAnnotation(a);
    }
    stack->endMacro();
    view->ClearSelection();
    return true;
}

bool CAnnotationLayer::ChangeSelected(const std::function<void(PdfAnnotation&)>& change, const QString& text)
{
    if (!selected.IsValid())
        return false;
    const PdfAnnotation before = store->Find(selected.page, selected.index);
    if (!before.IsValid())
        return false;
    PdfAnnotation after = before;
    change(after);
    if (SameLook(before, after))
        return false;
    after.modified = QDateTime::currentDateTime();
    stack->push(CAnnotationCommand::NewChange(store, before, after, text));
    Select(before.page, before.index);
    return true;
}

bool CAnnotationLayer::DeleteSelected()
{
    if (!selected.IsValid())
        return false;
    const PdfAnnotation target = selected;
    ClearSelection();
    stack->push(CAnnotationCommand::NewRemove(store, target, tr("Delete Comment")));
    return true;
}

void CAnnotationLayer::EditSelectedText()
{
    if (!selected.IsValid())
        return;
    const PdfAnnotation target = selected;
    QRectF box = target.rect;
    if (target.kind != PdfAnnotation::FreeText)
        box = QRectF(target.rect.right() + 4, target.rect.top(), 220, 100);
    OpenEditor(box, target.page, target.contents, [this, target](const QString& text) {
        if (text == target.contents)
            return;
        Select(target.page, target.index);
        ChangeSelected([text](PdfAnnotation& a) { a.contents = text; }, tr("Edit Comment Text"));
    });
}

void CAnnotationLayer::OpenEditor(const QRectF& pageRect, int nPage, const QString& text,
                                  const std::function<void(const QString&)>& done)
{
    QRect area = view->ToViewport(nPage, pageRect).toAlignedRect();
    area.setSize(area.size().expandedTo(QSize(160, 60)));
    OpenTextBox(area, text, done);
}

void CAnnotationLayer::EraseAt(int nPage, const QPointF& point)
{
    const PdfAnnotation hit = store->AnnotationAt(nPage, point, Margin());
    if (!hit.IsValid())
        return;
    if (!eraseMacro) {
        stack->beginMacro(tr("Erase Comments"));
        eraseMacro = true;
    }
    stack->push(CAnnotationCommand::NewRemove(store, hit, tr("Delete Comment")));
}

QVector<QPointF> CAnnotationLayer::HandlePoints() const
{
    QVector<QPointF> points;
    if (!selected.IsValid())
        return points;
    if ((selected.kind == PdfAnnotation::Line || selected.kind == PdfAnnotation::Arrow) && !selected.paths.isEmpty()
        && selected.paths.first().size() == 2)
        return selected.paths.first();
    if (selected.IsResizable()) {
        const QRectF& r = selected.rect;
        points << r.topLeft() << r.topRight() << r.bottomRight() << r.bottomLeft();
    }
    return points;
}

int CAnnotationLayer::HandleAt(const QPoint& pos) const
{
    const QVector<QPointF> points = HandlePoints();
    for (int i = 0; i < points.size(); ++i) {
        const QPointF at = view->ToViewport(selected.page, QRectF(points.at(i), QSizeF(0, 0))).topLeft();
        if (qAbs(at.x() - pos.x()) <= kHandlePixels + 1 && qAbs(at.y() - pos.y()) <= kHandlePixels + 1)
            return i;
    }
    return -1;
}

PdfAnnotation CAnnotationLayer::Resized(const QPointF& point) const
{
    PdfAnnotation a = selected;
    if ((a.kind == PdfAnnotation::Line || a.kind == PdfAnnotation::Arrow) && !a.paths.isEmpty()
        && a.paths.first().size() == 2) {
        a.paths[0][qBound(0, dragHandle, 1)] = point;
        a.rect = Bounds(a.paths.first(), a.width * 2);
        return a;
    }
    const QRectF& r = selected.rect;
    const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    const QPointF anchor = corners[(qBound(0, dragHandle, 3) + 2) % 4];
    QRectF box = QRectF(anchor, point).normalized();
    box.setWidth(qMax(kMinBox, box.width()));
    box.setHeight(qMax(kMinBox, box.height()));
    return selected.Fitted(box);
}

void CAnnotationLayer::UpdateCursor(const QPoint& pos)
{
    if (tool == CCommentOptions::NoTool) {
        const int handle = HandleAt(pos);
        if (handle >= 0 && selected.IsResizable())
            view->viewport()->setCursor(handle % 2 == 0 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
        else if (handle >= 0 || hovered.IsValid())
            view->viewport()->setCursor(Qt::SizeAllCursor);
        return;
    }
    if (!CCommentOptions::IsTextMarkup(tool))
        view->viewport()->setCursor(tool == CCommentOptions::Eraser ? Qt::PointingHandCursor : Qt::CrossCursor);
}

bool CAnnotationLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (!active || !view)
        return false;
    if (watched == view) {
        if (event->type() == QEvent::KeyPress)
            return KeyPress(static_cast<QKeyEvent*>(event));
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return MousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return MouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return MouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
        return DoubleClick(static_cast<QMouseEvent*>(event));
    case QEvent::ContextMenu:
        return ContextMenu(static_cast<QContextMenuEvent*>(event));
    default:
        return false;
    }
}

bool CAnnotationLayer::MousePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    if (editor)
        editor->Commit();
    const int page = view->PageAt(event->pos());
    const bool drawing = tool != CCommentOptions::NoTool && !CCommentOptions::IsTextMarkup(tool);
    if (page < 0 && HandleAt(event->pos()) < 0) {
        ClearSelection();
        return drawing;
    }
    const QPointF point = page >= 0 ? view->ToPage(page, event->pos()) : QPointF();
    if (tool == CCommentOptions::NoTool) {
        const int handle = HandleAt(event->pos());
        if (handle >= 0) {
            drag = Resizing;
            dragHandle = handle;
            dragPage = selected.page;
            dragStart = dragNow = view->ToPage(dragPage, event->pos());
            view->setFocus();
            return true;
        }
        const PdfAnnotation hit = store->AnnotationAt(page, point, Margin());
        if (!hit.IsValid()) {
            ClearSelection();
            return false;
        }
        selected = hit;
        emit SignalSelectionChanged(true);
        drag = Moving;
        dragPage = page;
        dragStart = dragNow = point;
        view->setFocus();
        Refresh();
        return true;
    }
    if (!drawing)
        return false;
    view->setFocus();
    if (page < 0)
        return true;
    dragPage = page;
    dragStart = dragNow = point;
    switch (tool) {
    case CCommentOptions::Eraser:
        drag = Erasing;
        EraseAt(page, point);
        break;
    case CCommentOptions::Note: {
        const QRectF icon(point - QPointF(12, 12), QSizeF(24, 24));
        OpenEditor(QRectF(icon.right() + 4, icon.top(), 220, 100), page, QString(),
                   [this, icon, page](const QString& text) {
                       PdfAnnotation a = NewAnnotation(CCommentOptions::Note, page);
                       a.rect = icon;
                       a.contents = text;
                       AddAnnotation(a);
                   });
        break;
    }
    default:
        drag = Drawing;
        stroke = {point};
        break;
    }
    return true;
}

bool CAnnotationLayer::MouseMove(QMouseEvent* event)
{
    if (drag == NoDrag) {
        if (tool == CCommentOptions::NoTool) {
            const int page = view->PageAt(event->pos());
            const PdfAnnotation hit
                = page >= 0 ? store->AnnotationAt(page, view->ToPage(page, event->pos()), Margin()) : PdfAnnotation();
            if (hit.page != hovered.page || hit.index != hovered.index) {
                hovered = hit;
                Refresh();
            }
            UpdateCursor(event->pos());
            return hovered.IsValid() || HandleAt(event->pos()) >= 0;
        }
        UpdateCursor(event->pos());
        return !CCommentOptions::IsTextMarkup(tool);
    }
    const QSizeF size = store->Document()->PageSize(dragPage);
    const QPointF raw = view->ToPage(dragPage, event->pos());
    dragNow = QPointF(qBound(0.0, raw.x(), size.width()), qBound(0.0, raw.y(), size.height()));
    if (drag == Drawing && tool == CCommentOptions::Ink
        && QLineF(stroke.last(), dragNow).length() * view->Scale() >= 1.5)
        stroke.append(dragNow);
    if (drag == Erasing) {
        const int page = view->PageAt(event->pos());
        if (page >= 0)
            EraseAt(page, view->ToPage(page, event->pos()));
    }
    Refresh();
    return true;
}

bool CAnnotationLayer::MouseRelease(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const Drag finished = drag;
    drag = NoDrag;
    switch (finished) {
    case NoDrag:
        if (CCommentOptions::IsTextMarkup(tool)) {
            // After the view has ended its own selection.
            QMetaObject::invokeMethod(
                this, [this]() { MarkSelectedText(tool); }, Qt::QueuedConnection);
        }
        return tool != CCommentOptions::NoTool && !CCommentOptions::IsTextMarkup(tool);
    case Drawing:
        FinishDrawing();
        break;
    case Moving: {
        const QPointF delta = dragNow - dragStart;
        if (delta.manhattanLength() * view->Scale() >= 2) {
            // Kept on the page.
            const QSizeF size = store->Document()->PageSize(dragPage);
            const QRectF r = selected.rect;
            const QPointF kept(qBound(-r.left(), delta.x(), size.width() - r.right()),
                               qBound(-r.top(), delta.y(), size.height() - r.bottom()));
            ChangeSelected([kept](PdfAnnotation& a) { a = a.Translated(kept); }, tr("Move Comment"));
        }
        break;
    }
    case Resizing: {
        const PdfAnnotation after = Resized(dragNow);
        ChangeSelected(
            [after](PdfAnnotation& a) {
                a.rect = after.rect;
                a.paths = after.paths;
                a.quads = after.quads;
            },
            tr("Resize Comment"));
        break;
    }
    case Erasing:
        if (eraseMacro) {
            eraseMacro = false;
            stack->endMacro();
        }
        break;
    }
    Refresh();
    return true;
}

void CAnnotationLayer::FinishDrawing()
{
    PdfAnnotation a = NewAnnotation(tool, dragPage);
    QRectF box = QRectF(dragStart, dragNow).normalized();
    const bool click = box.width() * view->Scale() < 3 && box.height() * view->Scale() < 3;
    switch (tool) {
    case CCommentOptions::Ink:
        if (stroke.size() < 2)
            return;
        a.paths = {stroke};
        a.rect = Bounds(stroke, a.width);
        break;
    case CCommentOptions::Rectangle:
    case CCommentOptions::Ellipse:
        a.rect = click ? QRectF(dragStart, QSizeF(80, 50)) : box;
        break;
    case CCommentOptions::Line:
    case CCommentOptions::Arrow:
        if (click)
            return;
        a.paths = {{dragStart, dragNow}};
        a.rect = Bounds(a.paths.first(), a.width * 2);
        break;
    case CCommentOptions::FreeText: {
        if (click)
            box = QRectF(dragStart, QSizeF(200, a.fontSize * 2.0));
        const int page = dragPage;
        OpenEditor(box, page, QString(), [this, a, box](const QString& text) {
            if (text.trimmed().isEmpty())
                return;
            PdfAnnotation made = a;
            made.rect = box;
            made.contents = text;
            AddAnnotation(made);
        });
        return;
    }
    default:
        return;
    }
    AddAnnotation(a);
}

bool CAnnotationLayer::DoubleClick(QMouseEvent* event)
{
    if (tool != CCommentOptions::NoTool || event->button() != Qt::LeftButton)
        return false;
    const int page = view->PageAt(event->pos());
    if (page < 0)
        return false;
    const PdfAnnotation hit = store->AnnotationAt(page, view->ToPage(page, event->pos()), Margin());
    if (!hit.IsValid())
        return false;
    Select(hit.page, hit.index);
    EditSelectedText();
    return true;
}

bool CAnnotationLayer::ContextMenu(QContextMenuEvent* event)
{
    if (tool != CCommentOptions::NoTool)
        return false;
    const int page = view->PageAt(event->pos());
    const PdfAnnotation hit
        = page >= 0 ? store->AnnotationAt(page, view->ToPage(page, event->pos()), Margin()) : PdfAnnotation();
    if (!hit.IsValid())
        return false;
    Select(hit.page, hit.index);
    QMenu menu(view);
    menu.setObjectName("menu_normal");
    menu.addAction(tr("Edit Text"), this, &CAnnotationLayer::EditSelectedText);
    QMenu* colors = menu.addMenu(tr("Color"));
    const QColor swatches[]
        = {QColor(0xE5, 0x48, 0x4D), QColor(0xFF, 0x8A, 0x00), QColor(0xFF, 0xE1, 0x4D), QColor(0x2F, 0xA8, 0x4F),
           QColor(0x2F, 0x80, 0xED), QColor(0x8E, 0x4E, 0xC6), QColor(0x1F, 0x23, 0x29), QColor(0xFF, 0xFF, 0xFF)};
    for (const QColor& color : swatches) {
        QPixmap chip(14, 14);
        chip.fill(color);
        colors->addAction(QIcon(chip), color.name(), this, [this, color]() {
            ChangeSelected([color](PdfAnnotation& a) { a.color = color; }, tr("Change Comment Color"));
        });
    }
    menu.addSeparator();
    menu.addAction(tr("Delete"), this, &CAnnotationLayer::DeleteSelected);
    menu.exec(event->globalPos());
    return true;
}

bool CAnnotationLayer::KeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && drag != NoDrag) {
        drag = NoDrag;
        if (eraseMacro) {
            eraseMacro = false;
            stack->endMacro();
        }
        Refresh();
        return true;
    }
    if (!selected.IsValid())
        return false;
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        return DeleteSelected();
    if (event->key() == Qt::Key_Escape) {
        ClearSelection();
        return true;
    }
    return false;
}

void CAnnotationLayer::PaintPage(QPainter& painter, const CPageView& pageView, int nPage, const QRectF& target)
{
    Q_UNUSED(target);
    if (!active)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (tool == CCommentOptions::NoTool && hovered.IsValid() && hovered.page == nPage
        && !(selected.page == hovered.page && selected.index == hovered.index)) {
        QColor soft = accent;
        soft.setAlpha(140);
        painter.setPen(QPen(soft, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pageView.ToViewport(nPage, hovered.rect).adjusted(-2, -2, 2, 2));
    }
    if (selected.IsValid() && selected.page == nPage) {
        PdfAnnotation shown = selected;
        if (drag == Moving)
            shown = selected.Translated(dragNow - dragStart);
        else if (drag == Resizing)
            shown = Resized(dragNow);
        painter.setPen(QPen(accent, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pageView.ToViewport(nPage, shown.rect).adjusted(-2, -2, 2, 2));
        if (drag == NoDrag) {
            painter.setPen(QPen(accent, 1));
            painter.setBrush(Qt::white);
            for (const QPointF& point : HandlePoints()) {
                const QPointF at = pageView.ToViewport(nPage, QRectF(point, QSizeF(0, 0))).topLeft();
                painter.drawRect(QRectF(at.x() - kHandlePixels / 2 - 1, at.y() - kHandlePixels / 2 - 1,
                                        kHandlePixels + 2, kHandlePixels + 2));
            }
        }
    }
    if (drag == Drawing && dragPage == nPage) {
        const PdfAnnotation look = NewAnnotation(tool, nPage);
        QColor color = look.color;
        color.setAlphaF(look.opacity);
        painter.setPen(
            QPen(color, qMax(1.0, look.width * pageView.Scale()), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        const QRectF box = pageView.ToViewport(nPage, QRectF(dragStart, dragNow).normalized());
        const QPointF from = pageView.ToViewport(nPage, QRectF(dragStart, QSizeF(0, 0))).topLeft();
        const QPointF to = pageView.ToViewport(nPage, QRectF(dragNow, QSizeF(0, 0))).topLeft();
        switch (tool) {
        case CCommentOptions::Rectangle:
            painter.drawRect(box);
            break;
        case CCommentOptions::Ellipse:
            painter.drawEllipse(box);
            break;
        case CCommentOptions::Line:
        case CCommentOptions::Arrow:
            painter.drawLine(from, to);
            break;
        case CCommentOptions::Ink: {
            QPainterPath path;
            for (int i = 0; i < stroke.size(); ++i) {
                const QPointF at = pageView.ToViewport(nPage, QRectF(stroke.at(i), QSizeF(0, 0))).topLeft();
                i == 0 ? path.moveTo(at) : path.lineTo(at);
            }
            painter.drawPath(path);
            break;
        }
        default:
            painter.setPen(QPen(accent, 1, Qt::DashLine));
            painter.drawRect(box);
            break;
        }
    }
    painter.restore();
}
