#pragma once

#include "CFormStore.h"
#include "CPageLayer.h"

#include <QColor>
#include <QObject>
#include <QPointer>

class CInlineTextEditor;
class CPageView;
class QKeyEvent;
class QMouseEvent;
class QUndoStack;

// Filling in a form on a page view: a click on a field types into it,
// ticks it, or offers its choices; Tab and Shift+Tab go from field to field
// in order; a reset button resets. Every change is an undo step. Draws the
// focused field and, when asked, every field that can be filled in.
class CFormLayer : public CPageLayer
{
    Q_OBJECT
public:
    CFormLayer(CFormStore* store, QUndoStack* stack, CPageView* view, QObject* parent = nullptr);
    ~CFormLayer() override;

    void SetHighlight(bool bOn);
    bool IsHighlighting() const { return highlight; }
    int FocusedField() const { return focused; }
    // Makes a field the current one and brings it into view; a text field
    // opens for typing.
    void FocusField(int nId);
    bool FocusNext(bool bForward);
    // What a click on the field does.
    bool Activate(const PdfFormField& field);
    bool ChooseOption(const PdfFormField& field, int nChoice);
    // Puts a change of values on the undo stack; false when nothing changes.
    bool Change(const QVector<PdfFormField>& after, const QString& text);
    void PaintPage(QPainter& painter, const CPageView& pageView, int nPage, const QRectF& target) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool KeyPress(QKeyEvent* event);
    PdfFormField FieldUnder(const QPoint& pos);
    void OpenEditor(const PdfFormField& field);
    void ShowChoices(const PdfFormField& field);

    CFormStore* store;
    QUndoStack* stack;
    bool highlight = false;
    int focused = -1;
    QColor fieldColor = QColor(59, 108, 246, 40);
    QColor focusColor = QColor(59, 108, 246);
};
