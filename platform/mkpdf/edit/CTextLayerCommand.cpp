#include "CTextLayerCommand.h"

#include "CEditSession.h"

CTextLayerCommand::CTextLayerCommand(CEditSession* session_, const QMap<int, QByteArray>& layers_, const QString& text)
    : QUndoCommand(text)
    , session(session_)
    , layers(layers_)
{
}

void CTextLayerCommand::undo()
{
    session->SetTextLayers(layers, false);
}

void CTextLayerCommand::redo()
{
    session->SetTextLayers(layers, true);
}
