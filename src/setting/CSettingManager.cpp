#include "CSettingManager.h"

#include "CAppPaths.h"
#include "CFileUtils.h"
#include "CViewOptions.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "SettingKeys.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QSize>
#include <climits>

namespace {

const char* const kGroups[] = {SettingKey::kGeneral, SettingKey::kDisplay, SettingKey::kBlank};

// Page sizes of blank documents in millimetres, A0-A6 then B1-B6.
const char* const kPageSizeNames[] = {"A0", "A1", "A2", "A3", "A4", "A5", "A6", "B1", "B2", "B3", "B4", "B5", "B6"};
const QSize kPageSizes[] = {
    {841, 1189}, {594, 841}, {420, 594}, {297, 420}, {210, 297}, {148, 210}, {105, 148},
    {707, 1000}, {500, 707}, {353, 500}, {250, 353}, {176, 250}, {125, 176},
};
constexpr int kPageSizeCount = int(sizeof(kPageSizes) / sizeof(kPageSizes[0]));
constexpr qint64 kMaxIniSize = 4 * 1024 * 1024;

// Keys of a group; [General] is the top level of the file.
QStringList GroupKeys(QSettings& settings, const QString& group)
{
    if (group == QLatin1String(SettingKey::kGeneral))
        return settings.childKeys();
    settings.beginGroup(group);
    const QStringList keys = settings.childKeys();
    settings.endGroup();
    return keys;
}

QString KeyPath(const QString& group, const QString& key)
{
    return group == QLatin1String(SettingKey::kGeneral) ? key : group + "/" + key;
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

// A binary file is no settings file: it is moved aside (nothing is lost) and
// the defaults apply. A text file with a broken line still holds good values:
// the reader keeps them, and a copy of the original is kept before anything
// rewrites it. An unreadable file is left alone: reads give the defaults and
// writes fail without touching it.
void SetAsideIfDamaged(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray head = file.read(kMaxIniSize);
    const bool binary = file.size() > kMaxIniSize || head.contains('\0');
    file.close();
    const QString aside = path + ".bad";
    if (binary) {
        QFile::remove(aside);
        QFile::rename(path, aside);
        return;
    }
    QSettings probe(path, QSettings::IniFormat);
    probe.allKeys();
    if (probe.status() == QSettings::FormatError) {
        QFile::remove(aside);
        QFile::copy(path, aside);
    }
}

bool IsBool(const QVariant& value)
{
    if (value.userType() == QMetaType::Bool)
        return true;
    const QString text = value.toString().trimmed().toLower();
    return text == "true" || text == "false" || text == "1" || text == "0";
}

bool IsIntIn(const QVariant& value, int low, int high)
{
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (value.userType() == QMetaType::Int || value.userType() == QMetaType::LongLong)
        return value.toInt() >= low && value.toInt() <= high;
    return ok && number >= low && number <= high;
}

QString SafeFileName(const QString& name)
{
    static const QRegularExpression forbidden("[\\\\/:*?\"<>|\\x00-\\x1f]");
    QString clean = name;
    clean.remove(forbidden);
    clean = clean.trimmed();
    if (clean.isEmpty() || clean == "." || clean == "..")
        clean = QStringLiteral("Untitled");
    // At most 200 characters, and a file name holds 255 bytes on disk: the
    // longest suffix a blank document gets ("_" + 13 digits + ".pdf") takes
    // 18 of them. A character beyond 16 bits goes whole or stays whole.
    clean.truncate(200);
    if (!clean.isEmpty() && clean.at(clean.size() - 1).isHighSurrogate())
        clean.chop(1);
    while (QFile::encodeName(clean).size() > 255 - 18)
        clean.chop(clean.size() >= 2 && clean.at(clean.size() - 1).isLowSurrogate() ? 2 : 1);
    return clean;
}

} // namespace

CSettingManager::CSettingManager(QObject* parent)
    : QObject(parent)
{
    Reload();
    // Unsaved changes of private documents stay off the disk too.
    MainBox::SetPrivateMode(IsPrivateEnabled());
    blankDir = MKBase::CAppPaths::BlankDocumentDir();
    MKBase::CFileUtils::DeleteDirPath(blankDir);
    MKBase::CFileUtils::MakeDirPath(blankDir);
}

CSettingManager* CSettingManager::getInstance(QObject* parent)
{
    static CSettingManager* instance = new CSettingManager(parent);
    return instance;
}

QString CSettingManager::SettingDirPath()
{
    return MKBase::CAppPaths::ConfigDir() + "/";
}

QString CSettingManager::UserSettingPath()
{
    return SettingDirPath() + "setting.ini";
}

QString CSettingManager::DefaultSettingPath()
{
    return MKApplication::ConfProductDirPath() + "/setting/setting.ini";
}

QString CSettingManager::CommentsPath()
{
    return SettingDirPath() + "comments.ini";
}

QString CSettingManager::RecordPath()
{
    return MKBase::CAppPaths::RecordFile();
}

int CSettingManager::PageSizeCount()
{
    return kPageSizeCount;
}

QString CSettingManager::PageSizeName(int index)
{
    return (index >= 0 && index < kPageSizeCount) ? QString::fromLatin1(kPageSizeNames[index]) : QString();
}

QSize CSettingManager::PageSizeMm(int index)
{
    return (index >= 0 && index < kPageSizeCount) ? kPageSizes[index] : QSize();
}

bool CSettingManager::IsValidValue(const QString& key, const QVariant& value)
{
    if (!value.isValid())
        return false;
    if (key == SettingKey::kDefaultViewer || key == SettingKey::kQuitClose || key == SettingKey::kRestoreView)
        return IsBool(value);
    if (key == SettingKey::kPageView) {
        bool ok = false;
        const double zoom = value.toDouble(&ok);
        return ok && CViewOptions::IsValidZoom(zoom);
    }
    if (key == SettingKey::kPageLayout)
        return IsIntIn(value, CViewOptions::SinglePage, CViewOptions::TwoScroll);
    if (key == SettingKey::kPageCursor)
        return IsIntIn(value, CViewOptions::SelectCursor, CViewOptions::HandCursor);
    if (key == SettingKey::kPageCount)
        return IsIntIn(value, 1, 100);
    if (key == SettingKey::kPageOrientation)
        return IsIntIn(value, INT_MIN, INT_MAX);
    if (key == SettingKey::kPageFixedSize)
        return IsIntIn(value, INT_MIN, INT_MAX);
    if (key == SettingKey::kPageCustomSize) {
        const QSize size = value.toSize();
        return value.userType() == QMetaType::QSize && size.width() >= 1 && size.width() <= 5080 && size.height() >= 1
            && size.height() <= 5080;
    }
    if (key == SettingKey::kFileName)
        return !value.toString().trimmed().isEmpty();
    return true;
}

void CSettingManager::EnsureUserFile() const
{
    const QString target = UserSettingPath();
    if (QFileInfo::exists(target))
        return;
    MKBase::CFileUtils::MakeDirPath(SettingDirPath());
    MKBase::CFileUtils::CopyFileHandle(DefaultSettingPath(), target, true);
    MKBase::CFileUtils::SetFileWritable(target, true);
}

void CSettingManager::Load()
{
    const QVariantMap defaults = ReadDefaults();
    SetAsideIfDamaged(UserSettingPath());
    EnsureUserFile();
    QSettings user(UserSettingPath(), QSettings::IniFormat);
    QVariantMap* maps[] = {&general, &display, &blank};
    for (int i = 0; i < 3; ++i) {
        const QString group = kGroups[i];
        const QVariantMap groupDefaults = defaults.value(group).toMap();
        QVariantMap map;
        for (auto it = groupDefaults.constBegin(); it != groupDefaults.constEnd(); ++it) {
            const QString path = KeyPath(group, it.key());
            const QVariant stored = user.value(path);
            if (user.contains(path) && IsValidValue(it.key(), stored)) {
                map.insert(it.key(), stored);
            } else {
                map.insert(it.key(), it.value());
                user.setValue(path, it.value());
            }
        }
        *maps[i] = map;
    }
}

void CSettingManager::Reload()
{
    SetAsideIfDamaged(RecordPath());
    recordOverlay.clear();
    Load();
    LoadComments();
    MainBox::SetPrivateMode(IsPrivateEnabled());
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
    // Written whole or not at all (QSettings replaces the file in one
    // step); the rename reaches the disk with the folder.
    user.sync();
    MKBase::CFileUtils::SyncFolder(SettingDirPath());
}

void CSettingManager::LoadComments()
{
    const QString path = CommentsPath();
    SetAsideIfDamaged(path);
    comments.clear();
    if (!QFileInfo(path).isFile())
        return;
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
    MKBase::CFileUtils::MakeDirPath(SettingDirPath());
    QSettings file(CommentsPath(), QSettings::IniFormat);
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
    return general.value(SettingKey::kDefaultViewer).toBool();
}

void CSettingManager::SetDefaultViewer(bool bDefault)
{
    general[SettingKey::kDefaultViewer] = bDefault;
    Save();
}

QVariant CSettingManager::GetRecord(const QString& key) const
{
    if (recordOverlay.contains(key))
        return recordOverlay.value(key);
    QSettings file(RecordPath(), QSettings::IniFormat);
    return file.value(key);
}

void CSettingManager::SetRecord(const QString& key, const QVariant& value)
{
    recordOverlay.insert(key, value);
    MKBase::CFileUtils::MakeDirPath(MKBase::CAppPaths::StateDir());
    QSettings file(RecordPath(), QSettings::IniFormat);
    file.setValue(key, value);
    file.sync();
    MKBase::CFileUtils::SyncFolder(SettingDirPath());
}

bool CSettingManager::IsPrivateEnabled() const
{
    return GetRecord(SettingKey::kPrivateEnable).toBool();
}

void CSettingManager::SetPrivateEnabled(bool bEnabled)
{
    SetRecord(SettingKey::kPrivateEnable, bEnabled);
    MainBox::SetPrivateMode(bEnabled);
    emit SignalPrivateChanged();
}

QSizeF CSettingManager::GetBlankPageSize() const
{
    QSize size(210, 297);
    const int index = blank.value(SettingKey::kPageFixedSize).toInt();
    if (index >= 0 && index < kPageSizeCount) {
        size = kPageSizes[index];
    } else {
        const QSize custom = blank.value(SettingKey::kPageCustomSize).toSize();
        if (IsValidValue(SettingKey::kPageCustomSize, QVariant(custom)))
            size = custom;
    }
    if (blank.value(SettingKey::kPageOrientation).toInt() != 0)
        size.transpose();
    return QSizeF(size * 2.8346500396728516);
}

QString CSettingManager::GetBlankFilePath() const
{
    // The name comes from a file the user can edit: it must never lead
    // outside the blank-document folder.
    const QString name = SafeFileName(blank.value(SettingKey::kFileName).toString());
    for (int i = 1; i < 100000; ++i) {
        const QString candidate = blankDir + name + QStringLiteral("_%1.pdf").arg(i);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    return blankDir + name + QStringLiteral("_%1.pdf").arg(QDateTime::currentMSecsSinceEpoch());
}
