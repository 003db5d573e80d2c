#pragma once

#include <QObject>
#include <QSizeF>
#include <QVariant>
#include <QVariantMap>

// Process-wide store of preferences (General, Display, Blank groups merged
// over the brand's defaults), comment-tool options and small records.
class CSettingManager : public QObject
{
    Q_OBJECT
public:
    static CSettingManager* getInstance(QObject* parent = nullptr);

    void Load();
    void Save();

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

    static QString UserSettingPath();
    static QString DefaultSettingPath();

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
    QString blankDir;
};
