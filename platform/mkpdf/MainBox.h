#pragma once

#include <QVariantMap>
#include <QWidget>

#include <memory>

class CPdfDocument;
class CPageView;

// One open PDF document: the widget a window hosts as a page. Created only
// through CreatePdfBox; reports to its window through the signals below.
class MainBox : public QWidget
{
    Q_OBJECT
public:
    // Result codes of CreatePdfBox.
    enum OpenResult {
        OpenOk = 0,
        OpenMissing = 1,
        OpenUnreadable = 2,
        OpenDamaged = 3,
        OpenWrongPassword = 4,
        OpenCreateFailed = 5,
        OpenGaveUp = 100,
    };

    // Opens path with the view options of an open request. Null on failure,
    // result then says why.
    static QWidget* CreatePdfBox(QWidget* parent, const QString& path, const QVariantMap& options,
                                 int& result);
    // New blank document: "pageCount" pages of "pageSize" points written to
    // "tempPath".
    static QWidget* CreatePdfBox(QWidget* parent, const QVariantMap& options, int& result);
    // Waits for background rendering to finish; once, after the event loop.
    static void DestroyPDF();
    // True when pointer is the address of a document widget alive in this
    // process. Only compares addresses: safe for any value, including ones
    // decoded from data another program produced.
    static bool IsLiveBox(const void* pointer);

    ~MainBox() override;

    void HandleToolID(int nToolID);
    void OnMainMenuTrigger(const QVariant& action);
    QString GetDocumentFilePath() const;
    QVariantMap GetDisplayOption() const;
    QVariantMap GetCommentOption() const;
    int GetModuleIndex() const;
    bool isTempDoc() const;
    bool IsFullScreenReadModeEnable() const;

    bool IsDirty() const { return dirty; }
    int PageCount() const;
    int CurrentPageIndex() const;
    CPageView* PageView() const { return view; }

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainBox(std::shared_ptr<CPdfDocument> document, const QVariantMap& options, QWidget* parent);
    void ApplyOptions(const QVariantMap& options);
    void SlotPageRendered(int nPage, const QImage& image);

    std::shared_ptr<CPdfDocument> document;
    CPageView* view = nullptr;
    QVariantMap commentOption;
    QString filePath;
    bool tempDoc = false;
    bool dirty = false;
    bool firstThumbDone = false;
    bool readMode = false;
    int pendingTool = -1;
};
