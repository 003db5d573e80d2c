#pragma once

#include "CDocumentPrefetch.h"

#include <QObject>

#include <functional>

// Reads a document on a thread of its own, so that a slow file (a large
// one, one on a slow share, something that only calls itself .pdf) never
// holds up the windows; done is called on the GUI thread. A file already
// being read ahead is taken over, not read twice. Deleting the loader drops
// the result; the reading itself runs to its end on its thread.
class CDocumentLoader : public QObject
{
    Q_OBJECT
public:
    using Done = std::function<void(const CDocumentPrefetch::Result&)>;

    explicit CDocumentLoader(QObject* parent = nullptr);

    void Start(const QString& path, const QByteArray& password, const Done& done);
    // Waits up to nMs for every read to end; false when one still runs (a
    // file that takes minutes, already given up by the user).
    static bool WaitForAll(int nMs);
};
