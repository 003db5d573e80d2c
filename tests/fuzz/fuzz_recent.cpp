#include "FuzzTarget.h"

#include "CFileUtils.h"
#include "recent/CRecentManager.h"

#include <QDir>
#include <QFileInfo>

// recentfiles.json as another version, another program or a full disk may
// have left it.
RV_FUZZ_TARGET(recent)
{
    MKBase::CFileUtils::MakeDirPath(QFileInfo(CRecentManager::ListFilePath()).absolutePath());
    FUZZ_CHECK(MKBase::CFileUtils::WriteFileBytes(CRecentManager::ListFilePath(), data));
    CRecentManager* store = CRecentManager::getInstance();
    store->Load();

    const int count = store->Count();
    for (int i = 0; i < count; ++i) {
        const QVariantMap info = store->GetItemInfo(i);
        const QString path = info.value("path").toString();
        FUZZ_CHECK(!path.isEmpty() && QDir::isAbsolutePath(path));
        const int found = store->IndexOf(path);
        FUZZ_CHECK(found >= 0 && found <= i);
        // A record's thumbnail never names a file outside the thumbnail folder.
        const QString thumbnail = CRecentManager::ThumbnailFileName(path);
        FUZZ_CHECK(!thumbnail.isEmpty() && !thumbnail.contains('/') && thumbnail != "." && thumbnail != "..");
        FUZZ_CHECK(!info.value("timeString").toString().isEmpty());
    }
    FUZZ_CHECK(store->GetItemInfo(count).isEmpty());
    if (count == 0)
        return;
    // What was kept survives a save and the next start.
    const QString first = store->GetItemInfo(0).value("path").toString();
    store->SetPinned(0, true);
    store->Load();
    FUZZ_CHECK(store->Count() == count);
    FUZZ_CHECK(store->GetItemInfo(0).value("path").toString() == first);
    FUZZ_CHECK(store->GetItemInfo(0).value("pin").toBool());
}
