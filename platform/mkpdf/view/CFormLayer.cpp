#include "CFormLayer.h"

#include "CFormFieldCommand.h"
#include "CInlineTextEditor.h"
#include "CPageView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QUndoStack>

CFormLayer::CFormLayer(CFormStore* store_, QUndoStack* stack_, CPageView* view_, QObject* parent)
    : CPageLayer(view_, parent)
    , store(store_)
    , stack(stack_)
{
    connect(store, &CFormStore::SignalPageChanged, view, &CPageView::InvalidatePage);
}

CFormLayer::~CFormLayer() = default;

void CFormLayer::SetHighlight(bool bOn)
{
    highlight = bOn;
    view->viewport()->update();
}

bool CFormLayer::Change(const QVector<PdfFormField>& after, const QString& text)
{
    QVector<PdfFormField> before;
    QVector<PdfFormField> changed;
    for (const PdfFormField& value : after) {
        const PdfFormField now = store->Find(value.id);
        if (!now.IsValid() || now.readOnly || now.SameValue(value))
            continue;
        before << now;
        changed << value;
    }
    if (changed.isEmpty() || !store->CanFill())
        return false;
    stack->push(new CFormFieldCommand(store, before, changed, text));
    return true;
}

void CFormLayer::FocusField(int nId)
{
    const PdfFormField field = store->Find(nId);
    if (!field.IsValid())
        return;
    CommitTextBox();
    focused = nId;
    view->ShowArea(field.page, field.rect);
    view->viewport()->update();
    if (field.type == PdfFormField::Text && field.IsFillable() && store->CanFill())
        OpenEditor(field);
}

bool CFormLayer::FocusNext(bool bForward)
{
    QVector<PdfFormField> order;
    for (const PdfFormField& field : store->AllFields()) {
        if (field.IsFillable() || field.resets)
            order << field;
    }
    if (order.isEmpty())
        return false;
    int at = -1;
    for (int i = 0; i < order.size(); ++i) {
        if (order.at(i).id == focused)
            at = i;
    }
    const int next
        = at < 0 ? (bForward ? 0 : order.size() - 1) : (at + (bForward ? 1 : -1) + order.size()) % order.size();
    FocusField(order.at(next).id);
    return true;
}

bool CFormLayer::Activate(const PdfFormField& field)
{
    if (!field.IsValid() || !store->CanFill())
        return false;
    focused = field.id;
    view->viewport()->update();
    if (field.resets) {
        const QVector<PdfFormField> values = store->ResetValues(field);
        return Change(values, tr("Reset Form"));
    }
    if (!field.IsFillable())
        return false;
    switch (field.type) {
    case PdfFormField::Text:
        OpenEditor(field);
        return true;
    case PdfFormField::CheckBox: {
        PdfFormField after = field;
        after.state = !field.state;
        return Change({after}, tr("Fill In Form"));
    }
    case PdfFormField::Radio: {
        if (field.state)
            return false;
        QVector<PdfFormField> after;
        PdfFormField on = field;
        on.state = true;
        after << on;
        for (int id : field.siblings) {
            PdfFormField off = store->Find(id);
            if (off.IsValid()) {
                off.state = false;
                after << off;
            }
        }
        return Change(after, tr("Fill In Form"));
    }
    case PdfFormField::ComboBox:
    case PdfFormField::ListBox:
        ShowChoices(field);
        return true;
    default:
        return false;
    }
}

bool CFormLayer::ChooseOption(const PdfFormField& field, int nChoice)
{
    if (nChoice < 0 || nChoice >= field.choices.size())
        return false;
    PdfFormField after = field;
    after.editText.clear();
    if (field.multiSelect) {
        // A list that takes several choices toggles the one clicked.
        if (after.current.contains(nChoice))
            after.current.removeAll(nChoice);
        else
            after.current << nChoice;
        std::sort(after.current.begin(), after.current.end());
    } else {
        after.current = {nChoice};
    }
    return Change({after}, tr("Fill In Form"));
}

void CFormLayer::ShowChoices(const PdfFormField& field)
{
    QMenu menu(view);
    menu.setObjectName("menu_normal");
    for (int i = 0; i < field.choices.size(); ++i) {
        QAction* action = menu.addAction(field.choices.at(i));
        action->setCheckable(true);
        action->setChecked(field.current.contains(i));
        connect(action, &QAction::triggered, this, [this, field, i]() { ChooseOption(field, i); });
    }
    const QRectF where = view->ToViewport(field.page, field.rect);
    menu.setMinimumWidth(qRound(where.width()));
    menu.exec(view->viewport()->mapToGlobal(where.bottomLeft().toPoint()));
}

void CFormLayer::OpenEditor(const PdfFormField& field)
{
    const QRectF where = view->ToViewport(field.page, field.rect);
    const int id = field.id;
    OpenTextBox(
        where.toAlignedRect().adjusted(0, 0, 0, 2), field.text,
        [this, id](const QString& text) {
            PdfFormField after = store->Find(id);
            after.text = text;
            Change({after}, tr("Fill In Form"));
        },
        "edit_form_field");
    editor->SetSingleLine(!field.multiline);
    editor->SetEscapeDiscards(true);
    editor->SetMaxLength(field.maxLength);
    if (!field.multiline) {
        editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    QFont font = editor->font();
    const double points = field.fontSize > 0 ? field.fontSize : qMin(12.0, field.rect.height() * 0.6);
    font.setPixelSize(qMax(6, qRound(points * view->Scale())));
    editor->setFont(font);
    editor->document()->setDocumentMargin(1);
    connect(editor, &CInlineTextEditor::SignalTabbed, this, [this](bool bForward) {
        QMetaObject::invokeMethod(
            this, [this, bForward]() { FocusNext(bForward); }, Qt::QueuedConnection);
    });
}

PdfFormField CFormLayer::FieldUnder(const QPoint& pos)
{
    const int page = view->PageAt(pos);
    return page >= 0 ? store->FieldAt(page, view->ToPage(page, pos)) : PdfFormField();
}

bool CFormLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (!view)
        return false;
    if (watched == view)
        return event->type() == QEvent::KeyPress && KeyPress(static_cast<QKeyEvent*>(event));
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return MousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return MouseMove(static_cast<QMouseEvent*>(event));
    default:
        return false;
    }
}

bool CFormLayer::MousePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || view->CursorMode() != CPageView::SelectCursor)
        return false;
    const PdfFormField field = FieldUnder(event->pos());
    if (!field.IsValid() || (!field.IsFillable() && !field.resets) || !store->CanFill()) {
        focused = -1;
        return false;
    }
    view->setFocus();
    Activate(field);
    return true;
}

bool CFormLayer::MouseMove(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton || view->CursorMode() != CPageView::SelectCursor || !store->CanFill())
        return false;
    const PdfFormField field = FieldUnder(event->pos());
    if (!field.IsValid() || (!field.IsFillable() && !field.resets))
        return false;
    view->viewport()->setCursor(field.type == PdfFormField::Text ? Qt::IBeamCursor : Qt::PointingHandCursor);
    return true;
}

bool CFormLayer::KeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        return store->CanFill() && FocusNext(forward);
    }
    if (focused < 0)
        return false;
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return Activate(store->Find(focused));
    if (event->key() == Qt::Key_Escape) {
        focused = -1;
        view->viewport()->update();
        return true;
    }
    return false;
}

void CFormLayer::PaintPage(QPainter& painter, const CPageView& pageView, int nPage, const QRectF& target)
{
    Q_UNUSED(target);
    const bool anyFocus = focused >= 0;
    if (!highlight && !anyFocus)
        return;
    painter.save();
    for (const PdfFormField& field : store->PageFields(nPage)) {
        const QRectF where = pageView.ToViewport(nPage, field.rect);
        if (highlight && (field.IsFillable() || field.resets))
            painter.fillRect(where, fieldColor);
        if (field.id == focused) {
            painter.setPen(QPen(focusColor, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(where.adjusted(-1.5, -1.5, 1.5, 1.5));
        }
    }
    painter.restore();
}
