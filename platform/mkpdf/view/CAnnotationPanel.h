#pragma once

#include "CAnnotationStore.h"

#include <QMap>
#include <QPointer>
#include <QTreeWidget>

// The side panel's list of a document's comments, by page: what each is,
// who wrote it and when, and its text. Read in the background the first
// time it shows, then kept up to date as comments are made, changed and
// removed. A click asks to go to the comment.
class CAnnotationPanel : public QTreeWidget
{
    Q_OBJECT
public:
    explicit CAnnotationPanel(QWidget* parent = nullptr);

    void SetStore(CAnnotationStore* pStore);
    // Reads every page's comments, once.
    void Load();
    bool IsLoaded() const { return loaded; }
    int CommentCount() const;

signals:
    void SignalAnnotationClicked(int nPage, int nIndex);

private:
    void Fill();
    void OnPageChanged(int nPage);

    QPointer<CAnnotationStore> store;
    QMap<int, QVector<PdfAnnotation>> pages;
    bool loading = false;
    bool loaded = false;
};
