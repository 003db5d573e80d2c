#pragma once

#include "CPageHistory.h"

#include <QObject>
#include <QPointer>

#include <functional>

class MainBox;
class QUrl;
struct PdfLink;

// What following a link of a document does. A jump within the document (a
// link, the outline, Go to Page) joins the page history that Back and
// Forward walk. Web and mail addresses go to the desktop, any other scheme
// only once the user agrees; another PDF opens in a tab of its own, another
// kind of file only once the user agrees; programs and scripts never run.
class CLinkActions : public QObject
{
    Q_OBJECT
public:
    explicit CLinkActions(MainBox* box);

    void Follow(const PdfLink& link);
    // Jumps to a page (top fraction as a link gives it), remembering where
    // the view stood.
    void JumpTo(int nPage, double dTop = 0);
    void Back();
    void Forward();
    const CPageHistory& History() const { return history; }

    // Where addresses go; the desktop by default, a stand-in in tests.
    using UrlOpener = std::function<bool(const QUrl&)>;
    static void SetUrlOpener(UrlOpener opener);

private:
    bool Ask(const QString& title, const QString& text);
    void OpenFile(const PdfLink& link);
    void OpenUrl(const QString& address);

    MainBox* box;
    CPageHistory history;
};
