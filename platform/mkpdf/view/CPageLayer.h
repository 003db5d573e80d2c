#pragma once

#include "CPageOverlay.h"

#include <QObject>
#include <QPointer>

#include <functional>

class CInlineTextEditor;
class CPageView;
class QRect;

// Something that works on a page view with the mouse and the keyboard and
// draws over its pages: watches the view's events, draws after the page
// pictures, and can lay a text box over a page for typing in place (ended
// by scrolling, as it would no longer sit where it belongs).
class CPageLayer : public QObject, public CPageOverlay
{
    Q_OBJECT
public:
    CPageLayer(CPageView* view, QObject* parent);
    ~CPageLayer() override;

    // The open text box, while one is shown.
    CInlineTextEditor* Editor() const;

protected:
    // A text box over area (viewport pixels); done gets the text when it is
    // kept. An open one is kept first.
    CInlineTextEditor* OpenTextBox(const QRect& area, const QString& text,
                                   const std::function<void(const QString&)>& done, const char* name = "edit_inline");
    void CommitTextBox();

    QPointer<CPageView> view;
    QPointer<CInlineTextEditor> editor;
};
