#include "CPageLayer.h"

#include "CInlineTextEditor.h"
#include "CPageView.h"

#include <QScrollBar>

CPageLayer::CPageLayer(CPageView* view_, QObject* parent)
    : QObject(parent)
    , view(view_)
{
    view->AddOverlay(this);
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this, &CPageLayer::CommitTextBox);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CPageLayer::CommitTextBox);
}

CPageLayer::~CPageLayer()
{
    if (view)
        view->RemoveOverlay(this);
}

CInlineTextEditor* CPageLayer::Editor() const
{
    return editor;
}

void CPageLayer::CommitTextBox()
{
    if (editor)
        editor->Commit();
}

CInlineTextEditor* CPageLayer::OpenTextBox(const QRect& area, const QString& text,
                                           const std::function<void(const QString&)>& done, const char* name)
{
    CommitTextBox();
    editor = new CInlineTextEditor(text, view->viewport());
    editor->setObjectName(name);
    editor->setGeometry(area);
    connect(editor, &CInlineTextEditor::SignalCommitted, this, [done](const QString& typed) { done(typed); });
    editor->show();
    editor->setFocus();
    return editor;
}
