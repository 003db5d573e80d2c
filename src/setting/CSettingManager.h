#pragma once

#include <QObject>
#include <QSizeF>
#include <QVariant>
#include <QVariantMap>

// Process-wide store of preferences (General, Display, Blank groups merged
// over the brand's defaults), comment-tool options and small records.
// Damaged or unreadable files never stop the application: their values fall
// back to the defaults and a damaged file is kept aside, never silently lost.
class CSettingManager : public QObject
{
    Q_OBJECT
public:
    static CSettingManager* getInstance(QObject* parent = nullptr);

    void Load();
    void Save();
    // Reads every file again as at start: preferences, comment options, and
    // a check of the record file.
    void Reload();

    QVariantMap GetGeneral() const { return general; }
    QVariantMap GetDisplay() const { return display; }
    QVariantMap GetBlank() const { return blank; }
    void SetGeneral(const QVariantMap& map) { general = map; }
    void SetDisplay(const QVariantMap& map) { display = map; }
    void SetBlank(const QVariantMap& map) { blank = map; }

    QVariantMap GetComments() const { return comments; }
    void SetComments(const QVariantMap& map);

    bool IsDefaultViewer() const;
    void SetDefaultViewer(bool bDefault);

    QVariant GetRecord(const QString& key) const;
    void SetRecord(const QString& key, const QVariant& value);
    bool IsPrivateEnabled() const;
    void SetPrivateEnabled(bool bEnabled);

    QSizeF GetBlankPageSize() const;
    QString GetBlankFilePath() const;
    QString BlankDirPath() const { return blankDir; }

    static QString SettingDirPath();
    static QString UserSettingPath();
    static QString DefaultSettingPath();
    static QString CommentsPath();
    static QString RecordPath();
    // The page sizes of blank documents (A0-A6, B1-B6), in millimetres.
    static int PageSizeCount();
    static QString PageSizeName(int index);
    static QSize PageSizeMm(int index);
    // Whether a stored preference value can be used for its key.
    static bool IsValidValue(const QString& key, const QVariant& value);

signals:
    void SignalPrivateChanged();

private:
    explicit CSettingManager(QObject* parent);
    void EnsureUserFile() const;
    void LoadComments();

    QVariantMap general;
    QVariantMap display;
    QVariantMap blank;
    QVariantMap comments;
    // Records written in this process; they stay available when the record
    // file cannot be written.
    QVariantMap recordOverlay;
    QString blankDir;
};
