#include "COrganizerView.h"

#include "CEditSession.h"
#include "CPageCache.h"
#include "CPageColors.h"
#include "CPdfDocument.h"
#include "CRenderQueue.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QRubberBand>
#include <QScrollBar>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kLabelHeight = 22;
constexpr int kEdge = 48; // a drag this close to the top or bottom scrolls
constexpr int kScrollTickMs = 30;

} // namespace

constexpr char COrganizerView::kMimeType[];

COrganizerView::COrganizerView(CEditSession* session_, QWidget* parent)
    : QAbstractScrollArea(parent)
    , session(session_)
{
    setObjectName("organizer_view");
    // A screen reader meets the grid as a list of pages (made known before
    // anything asks for its reading, which is then kept).
    static const bool readable = (QAccessible::installFactory([](const QString& className, QObject* object) {
                                      return className == QLatin1String("COrganizerView") && object->isWidgetType()
                                          ? static_cast<QAccessibleInterface*>(
                                              new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::List))
                                          : nullptr;
                                  }),
                                  true);
    Q_UNUSED(readable)
    setAccessibleName(tr("Pages"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Drops reach the viewport, not the scroll area around it.
    viewport()->setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(40);
    autoScroll.setInterval(kScrollTickMs);
    connect(&autoScroll, &QTimer::timeout, this, &COrganizerView::AutoScrollStep);
    connect(session, &CEditSession::SignalPlanChanged, this, &COrganizerView::OnPlanChanged);
    connect(CPageColors::Instance(), &CPageColors::SignalModeChanged, this, [this]() {
        for (CRenderQueue* queue : qAsConst(queues))
            queue->Cancel();
        viewport()->update();
    });
    Relayout();
}

COrganizerView::~COrganizerView() = default;

int COrganizerView::Columns() const
{
    return qMax(1, (viewport()->width() - 2 * kMargin) / kCellWidth);
}

void COrganizerView::Relayout()
{
    const int rows = (session->Plan().Count() + Columns() - 1) / Columns();
    const int height = 2 * kMargin + rows * kCellHeight;
    verticalScrollBar()->setRange(0, qMax(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    viewport()->update();
}

void COrganizerView::OnPlanChanged(const QList<int>& selection)
{
    // Pictures of another document (the one before a save) are of no use.
    for (auto it = queues.begin(); it != queues.end();) {
        bool current = false;
        for (int i = 0; i < session->Plan().Sources().size() && !current; ++i)
            current = session->SourceDocument(i) && session->SourceDocument(i)->Id() == it.key();
        if (current) {
            ++it;
        } else {
            delete it.value();
            it = queues.erase(it);
        }
    }
    Relayout();
    SetSelection(selection);
    if (!selection.isEmpty())
        EnsureVisible(*std::min_element(selection.begin(), selection.end()));
}

QList<int> COrganizerView::Selection() const
{
    QList<int> list(selected.begin(), selected.end());
    std::sort(list.begin(), list.end());
    return list;
}

void COrganizerView::SetSelection(const QList<int>& positions)
{
    QSet<int> chosen;
    for (int position : positions) {
        if (position >= 0 && position < session->Plan().Count())
            chosen.insert(position);
    }
    anchor = positions.isEmpty() ? -1 : positions.first();
    if (chosen == selected)
        return;
    selected = chosen;
    viewport()->update();
    emit SignalSelectionChanged();
}

void COrganizerView::SelectAll()
{
    QList<int> all;
    for (int i = 0; i < session->Plan().Count(); ++i)
        all << i;
    SetSelection(all);
}

QRect COrganizerView::CellRect(int nPosition) const
{
    if (nPosition < 0 || nPosition >= session->Plan().Count())
        return QRect();
    const int columns = Columns();
    const int left = (viewport()->width() - columns * kCellWidth) / 2;
    return QRect(left + (nPosition % columns) * kCellWidth,
                 kMargin + (nPosition / columns) * kCellHeight - verticalScrollBar()->value(), kCellWidth, kCellHeight);
}

QSizeF COrganizerView::ShownSize(const PlanPage& page) const
{
    QSizeF size = page.size;
    if (!page.IsBlank()) {
        const std::shared_ptr<CPdfDocument> doc = session->SourceDocument(page.source);
        size = doc ? doc->PageSize(page.page) : QSizeF(595, 842);
    }
    if (!size.isValid() || size.isEmpty())
        size = QSizeF(595, 842);
    return page.rotation % 180 ? size.transposed() : size;
}

QRect COrganizerView::ThumbRect(int nPosition) const
{
    const QRect cell = CellRect(nPosition);
    if (cell.isNull())
        return QRect();
    const QSizeF shown = ShownSize(session->Plan().Pages().at(nPosition));
    const double scale = kThumbBox / qMax(shown.width(), shown.height());
    const QSize size(qMax(1, qRound(shown.width() * scale)), qMax(1, qRound(shown.height() * scale)));
    const int boxTop = cell.top() + 14;
    return QRect(cell.left() + (cell.width() - size.width()) / 2,
                 boxTop + (kCellHeight - 14 - kLabelHeight - 14 - size.height()) / 2, size.width(), size.height());
}

int COrganizerView::PositionAt(const QPoint& pos) const
{
    const int columns = Columns();
    const int left = (viewport()->width() - columns * kCellWidth) / 2;
    const int x = pos.x() - left;
    const int y = pos.y() + verticalScrollBar()->value() - kMargin;
    if (x < 0 || y < 0 || x >= columns * kCellWidth)
        return -1;
    const int position = (y / kCellHeight) * columns + x / kCellWidth;
    if (position >= session->Plan().Count())
        return -1;
    // The gaps around a page picture are not the page.
    return CellRect(position).adjusted(8, 6, -8, -4).contains(pos) ? position : -1;
}

int COrganizerView::InsertionAt(const QPoint& pos) const
{
    const int columns = Columns();
    const int count = session->Plan().Count();
    const int left = (viewport()->width() - columns * kCellWidth) / 2;
    const int y = pos.y() + verticalScrollBar()->value() - kMargin;
    const int row = qMax(0, y / kCellHeight);
    const int column = qBound(0, (pos.x() - left + kCellWidth / 2) / kCellWidth, columns);
    return qBound(0, row * columns + column, count);
}

void COrganizerView::EnsureVisible(int nPosition)
{
    const QRect cell = CellRect(nPosition);
    if (cell.isNull())
        return;
    if (cell.top() < 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.top() - kMargin);
    else if (cell.bottom() > viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.bottom() - viewport()->height() + kMargin);
}

CRenderQueue* COrganizerView::QueueFor(int nSource)
{
    const std::shared_ptr<CPdfDocument> doc = session->SourceDocument(nSource);
    if (!doc)
        return nullptr;
    CRenderQueue*& queue = queues[doc->Id()];
    if (!queue) {
        queue = new CRenderQueue(doc, this, CJobRunner::ThumbnailPriority);
        const quint64 id = doc->Id();
        connect(queue, &CRenderQueue::SignalRendered, this,
                [this, id](int nPage, double dScale, const QRect& region, const QImage& image) {
                    CPageCache::Instance().Insert({id, nPage, CPageCache::ScaleKey(dScale), region}, image);
                    ++rendered;
                    viewport()->update();
                });
    }
    return queue;
}

void COrganizerView::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int count = session->Plan().Count();
    const int columns = Columns();
    const int top = verticalScrollBar()->value();
    const int firstRow = qMax(0, (top - kMargin) / kCellHeight);
    const int lastRow = (top + viewport()->height() - kMargin) / kCellHeight;
    for (int i = firstRow * columns; i < qMin(count, (lastRow + 1) * columns); ++i)
        PaintCell(painter, i);
    if (dropAt >= 0 && count > 0) {
        // The gap the dragged pages go into.
        const bool after = dropAt == count;
        const QRect cell = after ? CellRect(count - 1) : CellRect(dropAt);
        const int x = after ? cell.right() : cell.left();
        painter.fillRect(QRect(x - 2, cell.top() + 10, 4, cell.height() - 20), accentColor);
    }
}

void COrganizerView::PaintCell(QPainter& painter, int nPosition)
{
    const PlanPage& page = session->Plan().Pages().at(nPosition);
    const QRect cell = CellRect(nPosition);
    const QRect thumb = ThumbRect(nPosition);
    const bool isSelected = selected.contains(nPosition);
    if (isSelected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(selectionColor);
        painter.drawRoundedRect(cell.adjusted(6, 4, -6, -2), 8, 8);
    }
    painter.fillRect(thumb.adjusted(1, 1, 2, 2), QColor(0, 0, 0, 40));
    painter.fillRect(thumb, CPageColors::Paper());
    if (!page.IsBlank()) {
        const std::shared_ptr<CPdfDocument> doc = session->SourceDocument(page.source);
        if (doc) {
            // Rendered as the page is, then turned as planned.
            const QSize upright = page.rotation % 180 ? thumb.size().transposed() : thumb.size();
            const QSizeF points = doc->PageSize(page.page);
            const double scale = upright.width() / qMax(1.0, points.width()) * devicePixelRatioF();
            const CPageCache::Key key {doc->Id(), page.page, CPageCache::ScaleKey(scale), QRect()};
            if (const QImage* image = CPageCache::Instance().Find(key)) {
                painter.save();
                painter.translate(QRectF(thumb).center());
                painter.rotate(page.rotation);
                painter.drawImage(
                    QRectF(-upright.width() / 2.0, -upright.height() / 2.0, upright.width(), upright.height()), *image);
                painter.restore();
            } else if (CRenderQueue* queue = QueueFor(page.source)) {
                queue->Request(page.page, scale);
            }
        }
    }
    if (isSelected) {
        painter.setPen(QPen(accentColor, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(thumb.adjusted(-1, -1, 1, 1));
    }
    painter.setPen(isSelected ? accentColor : textColor);
    painter.drawText(QRect(cell.left(), cell.bottom() - kLabelHeight - 6, cell.width(), kLabelHeight), Qt::AlignCenter,
                     QString::number(nPosition + 1));
}

void COrganizerView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void COrganizerView::scrollContentsBy(int dx, int dy)
{
    Q_UNUSED(dx);
    Q_UNUSED(dy);
    // Pictures of pages scrolled past are not rendered any more; painting
    // asks again for those in view.
    for (CRenderQueue* queue : qAsConst(queues))
        queue->Cancel();
    viewport()->update();
}

void COrganizerView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus();
    pressPos = event->pos();
    pressPosition = PositionAt(event->pos());
    pressOnSelected = false;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (pressPosition < 0) {
        // A rubber band from empty space; Ctrl adds to what is selected.
        rubberBase = ctrl ? selected : QSet<int>();
        rubberOrigin = event->pos() + QPoint(0, verticalScrollBar()->value());
        if (!rubberBand)
            rubberBand = new QRubberBand(QRubberBand::Rectangle, viewport());
        rubberBand->setGeometry(QRect(event->pos(), QSize()));
        rubberBand->show();
        if (!ctrl)
            SetSelection({});
        return;
    }
    if (shift && anchor >= 0) {
        QSet<int> range = ctrl ? selected : QSet<int>();
        for (int i = qMin(anchor, pressPosition); i <= qMax(anchor, pressPosition); ++i)
            range.insert(i);
        const int keep = anchor;
        SetSelection(QList<int>(range.begin(), range.end()));
        anchor = keep;
    } else if (ctrl) {
        QSet<int> toggled = selected;
        if (!toggled.remove(pressPosition))
            toggled.insert(pressPosition);
        SetSelection(QList<int>(toggled.begin(), toggled.end()));
        anchor = pressPosition;
    } else if (selected.contains(pressPosition)) {
        // Maybe the start of a drag of everything selected; a plain click
        // selects this page alone on release.
        pressOnSelected = true;
    } else {
        SetSelection({pressPosition});
    }
}

void COrganizerView::mouseMoveEvent(QMouseEvent* event)
{
    if (rubberBand && rubberBand->isVisible()) {
        UpdateRubberBand(event->pos());
        return;
    }
    if ((event->buttons() & Qt::LeftButton) && pressPosition >= 0 && selected.contains(pressPosition)
        && (event->pos() - pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        pressOnSelected = false;
        StartDrag();
    }
}

void COrganizerView::mouseReleaseEvent(QMouseEvent* event)
{
    if (rubberBand && rubberBand->isVisible()) {
        UpdateRubberBand(event->pos());
        rubberBand->hide();
        return;
    }
    if (pressOnSelected && PositionAt(event->pos()) == pressPosition)
        SetSelection({pressPosition});
    pressOnSelected = false;
    pressPosition = -1;
}

void COrganizerView::UpdateRubberBand(const QPoint& pos)
{
    const QPoint origin = rubberOrigin - QPoint(0, verticalScrollBar()->value());
    const QRect band = QRect(origin, pos).normalized();
    rubberBand->setGeometry(band);
    QSet<int> chosen = rubberBase;
    const int count = session->Plan().Count();
    for (int i = 0; i < count; ++i) {
        const QRect cell = CellRect(i);
        if (cell.top() > qMax(band.bottom(), viewport()->height()))
            break;
        if (cell.bottom() >= band.top() && ThumbRect(i).intersects(band))
            chosen.insert(i);
    }
    SetSelection(QList<int>(chosen.begin(), chosen.end()));
}

void COrganizerView::keyPressEvent(QKeyEvent* event)
{
    const int count = session->Plan().Count();
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    const bool ctrlShiftZ
        = event->key() == Qt::Key_Z && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    if (event->matches(QKeySequence::Redo) || ctrlShiftZ) {
        session->UndoStack()->redo();
        return;
    }
    if (event->matches(QKeySequence::Undo)) {
        session->UndoStack()->undo();
        return;
    }
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        emit SignalDeleteRequested();
        return;
    }
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -Columns();
        break;
    case Qt::Key_Down:
        step = Columns();
        break;
    case Qt::Key_Home:
        step = -count;
        break;
    case Qt::Key_End:
        step = count;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (count == 0)
        return;
    const QList<int> current = Selection();
    const int from = anchor >= 0 ? anchor : (current.isEmpty() ? 0 : current.last());
    const int to
        = qBound(0, (current.isEmpty() ? from : (step < 0 ? current.first() : current.last())) + step, count - 1);
    if (event->modifiers() & Qt::ShiftModifier) {
        QList<int> range;
        for (int i = qMin(from, to); i <= qMax(from, to); ++i)
            range << i;
        SetSelection(range);
        anchor = from;
    } else {
        SetSelection({to});
    }
    EnsureVisible(to);
}

void COrganizerView::StartDrag()
{
    auto* mime = new QMimeData;
    QByteArray payload = QByteArray::number(quintptr(this));
    for (int position : Selection())
        payload += ' ' + QByteArray::number(position);
    mime->setData(kMimeType, payload);
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QRect thumb = ThumbRect(pressPosition);
    if (!thumb.isNull()) {
        QPixmap picture = viewport()->grab(thumb);
        drag->setPixmap(picture.scaled(picture.size() * 0.6, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        drag->setHotSpot(QPoint(picture.width() * 3 / 10, picture.height() * 3 / 10));
    }
    drag->exec(Qt::MoveAction);
}

QStringList COrganizerView::DroppedPdfs(const QMimeData* mime)
{
    QStringList paths;
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) == 0)
            paths << path;
    }
    return paths;
}

void COrganizerView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(kMimeType) || !DroppedPdfs(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        dragMoveEvent(event);
    }
}

void COrganizerView::dragMoveEvent(QDragMoveEvent* event)
{
    const bool ours = event->mimeData()->hasFormat(kMimeType);
    if (!ours && DroppedPdfs(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    if (ours) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    dragPos = event->pos();
    const int at = InsertionAt(event->pos());
    if (at != dropAt) {
        dropAt = at;
        viewport()->update();
    }
    const bool nearEdge = event->pos().y() < kEdge || event->pos().y() > viewport()->height() - kEdge;
    if (nearEdge && !autoScroll.isActive())
        autoScroll.start();
    else if (!nearEdge)
        autoScroll.stop();
}

void COrganizerView::AutoScrollStep()
{
    // Faster the closer to the edge.
    const int y = dragPos.y();
    int step = 0;
    if (y < kEdge)
        step = -(kEdge - y) / 2 - 4;
    else if (y > viewport()->height() - kEdge)
        step = (y - viewport()->height() + kEdge) / 2 + 4;
    if (step == 0) {
        autoScroll.stop();
        return;
    }
    verticalScrollBar()->setValue(verticalScrollBar()->value() + step);
    const int at = InsertionAt(dragPos);
    if (at != dropAt) {
        dropAt = at;
        viewport()->update();
    }
}

void COrganizerView::dragLeaveEvent(QDragLeaveEvent* event)
{
    Q_UNUSED(event);
    autoScroll.stop();
    dropAt = -1;
    viewport()->update();
}

void COrganizerView::dropEvent(QDropEvent* event)
{
    autoScroll.stop();
    const int at = InsertionAt(event->pos());
    dropAt = -1;
    viewport()->update();
    if (event->mimeData()->hasFormat(kMimeType)) {
        const QList<QByteArray> parts = event->mimeData()->data(kMimeType).split(' ');
        // Pages of another window's organizer are not this plan's positions.
        if (parts.isEmpty() || parts.first() != QByteArray::number(quintptr(this))) {
            event->ignore();
            return;
        }
        QList<int> positions;
        for (int i = 1; i < parts.size(); ++i)
            positions << parts.at(i).toInt();
        event->setDropAction(Qt::MoveAction);
        event->accept();
        emit SignalMoveRequested(positions, at);
        return;
    }
    const QStringList files = DroppedPdfs(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit SignalInsertFilesRequested(files, at);
}

void COrganizerView::SetSelectionColor(const QColor& color)
{
    selectionColor = color;
    viewport()->update();
}

void COrganizerView::SetTextColor(const QColor& color)
{
    textColor = color;
    viewport()->update();
}

void COrganizerView::SetAccentColor(const QColor& color)
{
    accentColor = color;
    viewport()->update();
}
