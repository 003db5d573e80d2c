#pragma once

#include "CDocumentPrefetch.h"

#include <QObject>
#include <QPointer>

#include <functional>

class CDocumentLoader;
class CLoadingPage;
class QBoxLayout;
class QWidget;

// Brings a document's file in without holding up any window: reads it in
// the background behind a page that shows it is coming (with Cancel once it
// takes long), asks for the password of a protected file, and says what
// went wrong. Every question is modal to its window only and runs no loop
// of its own, so a hand-over, a timer or the end of the session may close
// the tab meanwhile: the questions go with it, and nothing is called back.
class COpenController : public QObject
{
    Q_OBJECT
public:
    using Loaded = std::function<void(const CDocumentPrefetch::Result&)>;
    // nResult is one of MainBox::OpenResult; the tab is to go.
    using Failed = std::function<void(int nResult)>;

    // The page goes into layout of box; questions are asked over box's window.
    COpenController(QWidget* box, QBoxLayout* layout, const QString& path, Loaded loaded, Failed failed);
    ~COpenController() override;

    // Starts reading, unless reading, done or given up already.
    void Start();
    bool IsRunning() const { return loader != nullptr; }
    // MainBox::OpenOk until reading failed or was given up.
    int Failure() const { return failure; }

    // The open result of a failed read.
    static int ResultForStatus(CPdfDocument::LoadStatus status);
    // What a failed open tells the user, naming the file.
    static QString FailureText(int nResult, const QString& path);

private:
    void Read(const QByteArray& password);
    void Finished(const CDocumentPrefetch::Result& result);
    void AskPassword(bool bRetry);
    void Fail(int nResult);

    QWidget* box;
    QBoxLayout* layout;
    QString path;
    Loaded loaded;
    Failed failed;
    CDocumentLoader* loader = nullptr;
    CLoadingPage* page = nullptr;
    bool done = false;
    bool asking = false;
    int failure = 0;
};
