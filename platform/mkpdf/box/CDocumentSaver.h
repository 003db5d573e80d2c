#pragma once

#include "CPdfEditor.h"
#include "CSavePipeline.h"

#include <QObject>

#include <functional>
#include <memory>

class CEditSession;
class CPdfDocument;
class QWidget;

// The commands that write an open document: Save, Save As and Protect.
// Asks what needs asking, runs the save pipeline and tells the user what
// went wrong; what was written is handed on with SignalWritten.
class CDocumentSaver : public QObject
{
    Q_OBJECT
public:
    CDocumentSaver(CEditSession* session, QWidget* owner);

    bool IsBusy() const { return busy; }
    // A new document goes through Save As; a clean one writes nothing.
    bool Save();
    bool SaveAs(const QString& path, QString* error = nullptr);
    bool AskSaveAs();
    // Writes the document with its unsaved changes, protected as asked.
    bool WriteTo(const QString& path, const PdfProtection& protection, QString* error = nullptr);
    // The Encrypt PDF tool: the dialog, then the write it asks for.
    void AskProtect();

    static void ShowError(QWidget* owner, const QString& title, const QString& text);
    // How many signatures the file on disk carries: a save that would
    // rewrite it asks first.
    void SetSignatureCount(std::function<int()> count) { signatureCount = std::move(count); }

signals:
    // The document now is the file written, opened again.
    void SignalWritten(const QString& strOldPath, std::shared_ptr<CPdfDocument> document);

private:
    bool Confirm(const QString& text, const QString& info, const QString& button);
    // False when the user keeps the signed file as it is (and maybe saved a
    // new one instead).
    bool KeepSignaturesOrGoOn(const CSavePipeline::Job& job, bool* savedElsewhere);

    CEditSession* session;
    QWidget* owner;
    bool busy = false;
    std::function<int()> signatureCount;
};
