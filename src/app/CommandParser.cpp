#include "CommandParser.h"

#include "CAssocUtils.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "setting/CSettingManager.h"
#include "windows/CLaunchRequest.h"

bool ParserCmd(const CLaunchRequest& launch, MKApplication& app)
{
    if (launch.install >= 0) {
        const QString title = app.GetAppValue("Title");
        const QString appId = app.GetAppValue("AppId");
        MK_LOG("install option :%d", launch.install);
        const bool makeDefault = launch.install == 1;
        const bool registered = MKBase::CAssocUtils::SetPdfLauncher(appId, title, makeDefault);
        MK_LOG("install result :%d", registered ? 1 : 0);
        CSettingManager::getInstance()->SetDefaultViewer(makeDefault);
        return true;
    }
    if (launch.uninstall) {
        MK_LOG("uninstall option");
        const bool removed = MKBase::CAssocUtils::ResetPdfLauncher(app.GetAppValue("AppId"));
        MK_LOG("uninstall result :%d", removed ? 1 : 0);
        return true;
    }
    return false;
}
