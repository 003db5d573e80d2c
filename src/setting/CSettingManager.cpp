#include "CSettingManager.h"

#include "CFileUtils.h"
#include "MKApplication.h"

#include <QFile>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>

namespace {

const char* const kGroups[] = {"General", "Display", "Blank"};

// Page sizes of blank documents in millimetres, A0-A6 then B1-B6.
const QSize kPageSizes[] = {
    {841, 1189}, {594, 841}, {420, 594}, {297, 420}, {210, 297}, {148, 210}, {105, 148},
    {707, 1000}, {500, 707}, {353, 500}, {250, 353}, {176, 250}, {125, 176},
};
constexpr int kPageSizeCount = int(sizeof(kPageSizes) / sizeof(kPageSizes[0]));

QString CacheSettingDir()
{
    return MKApplication::AppCacheDirPath() + "/setting/";
}

// Keys of a group; [General] is the top level of the file.
QStringList GroupKeys(QSettings& settings, const QString& group)
{
    if (group == QLatin1String("General"))
        return settings.childKeys();
    settings.beginGroup(group);
    const QStringList keys = settings.childKeys();
    settings.endGroup();
    return keys;
}

QString KeyPath(const QString& group, const QString& key)
{
    return group == QLatin1String("General") ? key : group + "/" + key;
}

QVariantMap ReadDefaults()
{
    QVariantMap result;
    QSettings defaults(CSettingManager::DefaultSettingPath(), QSettings::IniFormat);
    for (const char* group : kGroups) {
        QVariantMap map;
        for (const QString& key : GroupKeys(defaults, group))
            map.insert(key, defaults.value(KeyPath(group, key)));
        result.insert(group, map);
    }
    return result;
}

} // namespace

CSettingManager::CSettingManager(QObject* parent)
    : QObject(parent)
{
    Load();
    LoadComments();
    blankDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/NewDoc/";
    MKBase::CFileUtils::DeleteDirPath(blankDir);
    MKBase::CFileUtils::MakeDirPath(blankDir);
}

CSettingManager* CSettingManager::getInstance(QObject* parent)
{
    static CSettingManager* instance = new CSettingManager(parent);
    return instance;
}

QString CSettingManager::UserSettingPath()
{
    return CacheSettingDir() + "setting.ini";
}

QString CSettingManager::DefaultSettingPath()
{
    return MKApplication::ConfProductDirPath() + "/setting/setting.ini";
}

void CSettingManager::EnsureUserFile() const
{
    const QString target = UserSettingPath();
    if (QFile::exists(target))
        return;
    MKBase::CFileUtils::MakeDirPath(CacheSettingDir());
    MKBase::CFileUtils::CopyFileHandle(DefaultSettingPath(), target, true);
    MKBase::CFileUtils::SetFileWritable(target, true);
}

void CSettingManager::Load()
{
    const QVariantMap defaults = ReadDefaults();
    EnsureUserFile();
    QSettings user(UserSettingPath(), QSettings::IniFormat);
    QVariantMap* maps[] = {&general, &display, &blank};
    for (int i = 0; i < 3; ++i) {
        const QString group = kGroups[i];
        const QVariantMap groupDefaults = defaults.value(group).toMap();
        QVariantMap map;
        for (auto it = groupDefaults.constBegin(); it != groupDefaults.constEnd(); ++it) {
            const QString path = KeyPath(group, it.key());
            if (user.contains(path)) {
                map.insert(it.key(), user.value(path));
            } else {
                map.insert(it.key(), it.value());
                user.setValue(path, it.value());
            }
        }
        *maps[i] = map;
    }
}

void CSettingManager::Save()
{
    EnsureUserFile();
    QSettings user(UserSettingPath(), QSettings::IniFormat);
    const QVariantMap* maps[] = {&general, &display, &blank};
    for (int i = 0; i < 3; ++i) {
        for (auto it = maps[i]->constBegin(); it != maps[i]->constEnd(); ++it)
            user.setValue(KeyPath(kGroups[i], it.key()), it.value());
    }
}

void CSettingManager::LoadComments()
{
    const QString path = CacheSettingDir() + "comments.ini";
    if (!QFile::exists(path))
        return;
    comments.clear();
    QSettings file(path, QSettings::IniFormat);
    for (const QString& group : file.childGroups()) {
        file.beginGroup(group);
        QVariantMap map;
        for (const QString& key : file.childKeys())
            map.insert(key, file.value(key));
        file.endGroup();
        comments.insert(group, map);
    }
}

void CSettingManager::SetComments(const QVariantMap& map)
{
    MKBase::CFileUtils::MakeDirPath(CacheSettingDir());
    QSettings file(CacheSettingDir() + "comments.ini", QSettings::IniFormat);
    for (auto group = map.constBegin(); group != map.constEnd(); ++group) {
        const QVariantMap values = group.value().toMap();
        file.beginGroup(group.key());
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            file.setValue(it.key(), it.value());
        file.endGroup();
    }
    comments = map;
}

bool CSettingManager::IsDefaultViewer() const
{
    return general.value("Default_Viewer").toBool();
}

void CSettingManager::SetDefaultViewer(bool bDefault)
{
    general["Default_Viewer"] = bDefault;
    Save();
}

QVariant CSettingManager::GetRecord(const QString& key) const
{
    MKBase::CFileUtils::MakeDirPath(CacheSettingDir());
    QSettings file(CacheSettingDir() + "record.ini", QSettings::IniFormat);
    return file.value(key);
}

void CSettingManager::SetRecord(const QString& key, const QVariant& value)
{
    MKBase::CFileUtils::MakeDirPath(CacheSettingDir());
    QSettings file(CacheSettingDir() + "record.ini", QSettings::IniFormat);
    file.setValue(key, value);
}

bool CSettingManager::IsPrivateEnabled() const
{
    return GetRecord("Private_Enable").toBool();
}

void CSettingManager::SetPrivateEnabled(bool bEnabled)
{
    SetRecord("Private_Enable", bEnabled);
    emit SignalPrivateChanged();
}

QSizeF CSettingManager::GetBlankPageSize() const
{
    QSize size(210, 297);
    const int index = blank.value("Page_Fixed_Size").toInt();
    if (index >= 0 && index < kPageSizeCount)
        size = kPageSizes[index];
    else
        size = blank.value("Page_Custom_Size").toSize();
    if (blank.value("Page_Orientation").toInt() != 0)
        size.transpose();
    return QSizeF(size * 2.8346500396728516);
}

QString CSettingManager::GetBlankFilePath() const
{
    const QString name = blank.value("File_Name").toString();
    QString candidate;
    for (int i = 1; i <= 99; ++i) {
        candidate = blankDir + name + QStringLiteral("_%1.pdf").arg(i);
        if (!QFile::exists(candidate))
            return candidate;
    }
    return candidate;
}
