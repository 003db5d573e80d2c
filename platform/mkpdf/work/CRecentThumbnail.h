#pragma once

#include <QString>

#include <functional>
#include <memory>

class CPdfDocument;
class QObject;

// The picture of a document's first page that the recent list shows.
class CRecentThumbnail
{
public:
    static QString DirPath();
    static QString FileName(const QString& documentPath);
    // Renders and writes the picture in the background, then calls done on
    // context's thread. A protected document's page never lands on disk (a
    // picture left from before is removed), and with bKeep false none is
    // written at all.
    static void Write(std::shared_ptr<CPdfDocument> document, bool bKeep, QObject* context,
                      const std::function<void()>& done);
};
