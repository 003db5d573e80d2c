#pragma once

#include <QByteArray>
#include <QMap>
#include <QUndoCommand>

class CEditSession;

// One recognition of text: the invisible text laid over the pages it read,
// taken away again by undo.
class CTextLayerCommand : public QUndoCommand
{
public:
    CTextLayerCommand(CEditSession* session, const QMap<int, QByteArray>& layers, const QString& text);

    void undo() override;
    void redo() override;

    const QMap<int, QByteArray>& Layers() const { return layers; }

private:
    CEditSession* session;
    QMap<int, QByteArray> layers;
};
