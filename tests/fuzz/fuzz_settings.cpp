#include "FuzzTarget.h"

#include "CFileUtils.h"
#include "setting/CSettingManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The three INI files of the settings store, as a user's editor, another
// version or a damaged disk may leave them. Input: setting.ini, comments.ini
// and record.ini separated by form feeds; a missing part is a missing file.
RV_FUZZ_TARGET(settings)
{
    const QList<QByteArray> parts = data.split('\f');
    MKBase::CFileUtils::MakeDirPath(CSettingManager::SettingDirPath());
    const QString paths[]
        = {CSettingManager::UserSettingPath(), CSettingManager::CommentsPath(), CSettingManager::RecordPath()};
    for (int i = 0; i < 3; ++i) {
        QFile::remove(paths[i] + ".bad");
        QFile::remove(paths[i]);
        if (i < parts.size())
            FUZZ_CHECK(MKBase::CFileUtils::WriteFileBytes(paths[i], parts.at(i)));
    }

    CSettingManager* store = CSettingManager::getInstance();
    store->Reload();
    // Every preference holds a usable value: the user's or the default.
    const QVariantMap maps[] = {store->GetGeneral(), store->GetDisplay(), store->GetBlank()};
    for (const QVariantMap& map : maps) {
        FUZZ_CHECK(!map.isEmpty());
        for (auto it = map.constBegin(); it != map.constEnd(); ++it)
            FUZZ_CHECK(CSettingManager::IsValidValue(it.key(), it.value()));
    }
    const QSizeF page = store->GetBlankPageSize();
    FUZZ_CHECK(page.width() >= 1 && page.height() >= 1 && page.width() <= 14400 && page.height() <= 14400);
    // A name from the file never leads out of the blank-document folder.
    const QFileInfo blank(store->GetBlankFilePath());
    FUZZ_CHECK(blank.absolutePath() == QDir(store->BlankDirPath()).absolutePath());
    FUZZ_CHECK(blank.fileName().endsWith(".pdf") && blank.fileName().size() > 4);
    store->IsPrivateEnabled();
    store->GetRecord("last_folder");
    store->GetRecord("Window_Geometry").toByteArray();

    // What was loaded is written back and loads the same at the next start.
    store->Save();
    store->Reload();
    FUZZ_CHECK(store->GetGeneral() == maps[0] && store->GetDisplay() == maps[1] && store->GetBlank() == maps[2]);
    store->SetComments(store->GetComments());
}
