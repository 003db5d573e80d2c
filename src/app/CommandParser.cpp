#include "CommandParser.h"

#include "CAssocUtils.h"
#include "LoggerObject.h"
#include "MKApplication.h"
#include "setting/CSettingManager.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

bool ParserCmd(MKApplication& app)
{
    QCommandLineParser parser;
    const QCommandLineOption install(QStringLiteral("install"), QStringLiteral("install mode"),
                                     QStringLiteral("install value"));
    const QCommandLineOption uninstall(QStringLiteral("uninstall"));
    parser.addOption(install);
    parser.addOption(uninstall);
    parser.addPositionalArgument(QStringLiteral("files"), QString());
    parser.process(app);

    if (parser.isSet(install)) {
        const QString title = app.GetAppValue("Title");
        const QString appId = app.GetAppValue("AppId");
        const int value = parser.value(install).toInt(nullptr, 10);
        MK_LOG("install option :%d", value);
        const bool makeDefault = value == 1;
        const bool registered = MKBase::CAssocUtils::SetPdfLauncher(appId, title, makeDefault);
        MK_LOG("install result :%d", registered ? 1 : 0);
        CSettingManager::getInstance()->SetDefaultViewer(makeDefault);
        return true;
    }
    if (parser.isSet(uninstall)) {
        MK_LOG("uninstall option");
        const bool removed = MKBase::CAssocUtils::ResetPdfLauncher(app.GetAppValue("AppId"));
        MK_LOG("uninstall result :%d", removed ? 1 : 0);
        return true;
    }
    return false;
}
