#pragma once

#include "CDocumentPrefetch.h"

#include <QHash>
#include <QJsonObject>
#include <QVariantMap>
#include <QWidget>

#include <memory>

class CAnnotationStore;
class CLinkActions;
class CLinkLayer;
class CCommentController;
class CFormController;
class CDocumentSaver;
class CDocumentSearch;
class CDocumentToolBar;
class CEditSession;
class CFindBar;
class COrganizerBox;
class CPageEditController;
class CPdfDocument;
class CPageView;
class CChangeWatcher;
class COpenController;
class CRecoveryKeeper;
class CRecognizeController;
class CSidePanel;
class CSignatureController;
class QHBoxLayout;
class QLineEdit;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

// One open PDF document: the widget a window hosts as a page. Created only
// through CreatePdfBox; reports to its window through the signals below.
class MainBox : public QWidget
{
    Q_OBJECT
public:
    // Result codes of CreatePdfBox, and of a window's open request.
    enum OpenResult {
        OpenNone = -1, // nothing decided yet; a request ended with it failed
        OpenOk = 0,
        OpenMissing = 1,
        OpenUnreadable = 2,
        OpenDamaged = 3,
        OpenWrongPassword = 4,
        OpenCreateFailed = 5,
        OpenGaveUp = 100,
    };
    // Whether a result is a failure the user was told of: a recent list
    // forgets the path then. Giving up (a cancelled password) is none.
    static bool IsOpenError(int result) { return result != OpenOk && result != OpenGaveUp; }

    // The home page's tools, as its tiles and "toolID" carry them.
    enum HomeTool {
        NoTool = -1,
        ToolEdit = 0,
        ToolCreate = 1,
        ToolPrint = 2,
        ToolOrganize = 3,
        ToolEncrypt = 4,
        HomeToolCount
    };

    // Opens path with the view options of an open request. Null on failure,
    // result then says why. A protected file asks for its password. With
    // "recordThumbnail" false no first-page picture is written for the
    // recent list.
    static QWidget* CreatePdfBox(QWidget* parent, const QString& path, const QVariantMap& options, int& result);
    // What a failed open (an OpenResult) tells the user, naming the file.
    static QString OpenFailureText(int nResult, const QString& path);
    // New blank document: "pageCount" pages of "pageSize" points written to
    // "tempPath".
    static QWidget* CreatePdfBox(QWidget* parent, const QVariantMap& options, int& result);
    // Starts reading path in the background, with its first page rendered to
    // fit a view of viewSize, so that a CreatePdfBox for the same file soon
    // after finds the work done. Anything that cannot be read is left to
    // CreatePdfBox to report.
    // options are those of the open request (page, zoom, display mode).
    static void Prefetch(const QString& path, const QSize& viewSize, const QVariantMap& options = {});
    // The file read ahead and not yet opened, if any.
    static QString PrefetchedPath();
    // Waits for background work to finish; once, after the event loop. False
    // when a file is still being read (one that takes minutes, given up by
    // the user): the process then ends without running static destructors,
    // which that reading still needs.
    static bool DestroyPDF();
    // Private mode: nothing about open documents reaches the disk, their
    // recovery copies and the text kept for later searches included.
    static void SetPrivateMode(bool bPrivate);
    // True when pointer is the address of a document widget alive in this
    // process. Only compares addresses: safe for any value, including ones
    // decoded from data another program produced.
    static bool IsLiveBox(const void* pointer);
    // The open document showing the file at path (any spelling), or null.
    static MainBox* FindOpenDocument(const QString& path);

    // Where the first-page picture of a document is kept for the recent list.
    static QString ThumbnailDirPath();
    static QString ThumbnailFileName(const QString& documentPath);

    ~MainBox() override;

    void HandleToolID(int nToolID);
    // What a launch asked for ("showPage", "find"), also of a document
    // open already.
    void ShowRequested(const QVariantMap& request);
    void OnMainMenuTrigger(const QVariant& action);
    QString GetDocumentFilePath() const;
    QVariantMap GetDisplayOption() const;
    QVariantMap GetCommentOption() const;
    int GetModuleIndex() const;
    bool isTempDoc() const;
    bool IsFullScreenReadModeEnable() const;

    bool IsDirty() const;
    // The file is read; until then the tab shows that it is coming.
    bool IsLoaded() const { return document != nullptr; }
    // Why the file could not be read (OpenResult), once it is known; the
    // tab then closes itself.
    int OpenFailure() const;
    // What the menus offer for this document: "can_undo", "can_redo",
    // "can_go_back", "can_go_forward", "read_mode".
    QVariantMap GetMenuState() const;
    // Unsaved changes are kept in a recovery copy within about two seconds
    // of each change; this queues one now. False when there is nothing to
    // keep.
    bool WriteRecoveryCopy();
    // Brings back the changes of a recovery copy as one undoable step.
    bool RestoreRecovery(const QJsonObject& state, QString* error = nullptr);
    int PageCount() const;
    int CurrentPageIndex() const;
    CPageView* PageView() const { return view; }
    CSidePanel* SidePanel() const { return panel; }
    CFindBar* FindBar() const { return findBar; }
    CDocumentSearch* Search() const { return search; }
    QLineEdit* PageEdit() const;
    CEditSession* Session() const { return session; }
    // The comments of the document as it is open now.
    CAnnotationStore* Annotations() const { return annotations; }
    // The comment bar and tools.
    CCommentController* Comments() const { return comments; }
    // The form fields and their filling in.
    CFormController* Forms() const { return forms; }
    COrganizerBox* Organizer() const { return organizer; }
    // Its signatures: the check, the bar and panel, signing.
    CSignatureController* Signatures() const { return signatures; }
    // Text recognition of scanned pages.
    CRecognizeController* Recognizer() const { return recognizer; }
    // Page editing: text, pictures and links added to pages.
    CPageEditController* PageEdits() const { return pageEdit; }
    bool IsOrganizing() const;
    void ShowOrganizer();
    // Back to reading; unsaved page changes are saved or dropped first, as
    // the user says. False when the user stays.
    bool CloseOrganizer();

    // The steps behind the menu keys, for callers that already know the answer
    // a dialog would ask for. Each reports failure to the user and in *error.
    bool SaveAs(const QString& path, QString* error = nullptr);
    bool RenameTo(const QString& path, QString* error = nullptr);
    QString ExtractAttachment(int nIndex);
    bool PrintTo(class QPrinter* printer, int nFrom = -1, int nTo = -1);
    void EnterReadMode();
    void LeaveReadMode();

signals:
    void SignalDocumentChanged(bool bDirty);
    void SignalDocumentClosed(bool bClosed);
    void SignalDocumentRename(const QString& strOld, const QString& strNew);
    void SignalDocumentSaveAs(const QString& strOld, const QString& strNew);
    void SignalFirstThumbRendered(const QString& strPath, bool bHasPassword);
    void SignalDocumentOpenAttachment(const QString& strPath);
    void SignalGetUserName(QString& strUserName);
    void SignalSetTitleBarVisible(bool bVisible);
    void SignalCommentOptionChanged();
    void SignalClickedFile(const QPoint& pos);
    // A document opened with "deferred" has read its file.
    void SignalDocumentLoaded();
    // Undo, Redo, the page history or the read mode changed: what the menus
    // offer changed.
    void SignalEditStateChanged();
    // What the page view shows, for whoever keeps the reading position.
    void SignalPageChanged(int nPage);
    void SignalZoomChanged(double dPercent);
    // Once per document: its first page picture reached the screen.
    void SignalFirstPagePainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CDocumentCommands;
    friend class CPageEditController;
    MainBox(std::shared_ptr<CPdfDocument> document, const QVariantMap& options, QWidget* parent);
    // Reads path, asking for a password when it needs one; null on failure,
    // with the reason in *result.
    static std::shared_ptr<CPdfDocument> LoadOrAsk(const QString& path, QWidget* parent, int* result);
    // The parts that need the document, once it is read.
    void Start(const QVariantMap& options);
    // True once the file is read; otherwise starts reading it in the
    // background (see COpenController), and false.
    bool EnsureLoaded();
    void OnLoaded(const CDocumentPrefetch::Result& result);
    // The widgets that show one loaded file; made again when the document
    // is written and opened anew.
    void BuildDocumentWidgets();
    void ReplaceDocument(std::shared_ptr<CPdfDocument> written);
    void ForgetDocument();
    void OnWritten(const QString& strOldPath, std::shared_ptr<CPdfDocument> written);
    void ApplyOptions(const QVariantMap& options);
    void ApplyTool(int nToolID);
    void ApplyPendingTool();
    void TogglePanel(int nPage);
    void UpdatePageNumber(int nPage);
    void WriteFirstThumbnail();
    void AskRename();
    void AskGoToPage();
    void AskPrint();
    void ShowProperties();
    void ShowError(const QString& title, const QString& text);

    std::shared_ptr<CPdfDocument> document;
    // The open request of a document not read yet (see OpenKey::kDeferred).
    QVariantMap deferredRequest;
    CEditSession* session = nullptr;
    CDocumentSaver* saver = nullptr;
    CLinkActions* links = nullptr;
    CLinkLayer* linkLayer = nullptr;
    CAnnotationStore* annotations = nullptr;
    CCommentController* comments = nullptr;
    CFormController* forms = nullptr;
    CSignatureController* signatures = nullptr;
    CPageEditController* pageEdit = nullptr;
    QVBoxLayout* layout = nullptr;
    QHBoxLayout* body = nullptr;
    QStackedWidget* pages = nullptr;
    CPageView* view = nullptr;
    CSidePanel* panel = nullptr;
    CDocumentSearch* search = nullptr;
    CFindBar* findBar = nullptr;
    CDocumentToolBar* toolBar = nullptr;
    COrganizerBox* organizer = nullptr;
    CRecoveryKeeper* recovery = nullptr;
    CChangeWatcher* changes = nullptr;
    COpenController* opener = nullptr;
    CRecognizeController* recognizer = nullptr;
    bool firstThumbDone = false;
    bool keepThumbnail = true;
    bool readMode = false;
    bool panelWasVisible = false;
    Qt::WindowStates stateBeforeReadMode;
    int pendingTool = NoTool;
};
