#include "FuzzTarget.h"

#include "CUpdateChecker.h"

#include <QUrl>

// The update service's answer, as the network delivers it.
RV_FUZZ_TARGET(update)
{
    const QString current = QStringLiteral("2.0.0.4");
    QString version = "stale";
    QUrl url("https://stale.example/");
    const CUpdateChecker::EResult result = CUpdateChecker::ParseReply(data, current, &version, &url);
    switch (result) {
    case CUpdateChecker::Failed:
        FUZZ_CHECK(version.isEmpty() && url.isEmpty());
        return;
    case CUpdateChecker::UpToDate:
        FUZZ_CHECK(CUpdateChecker::IsVersion(version));
        FUZZ_CHECK(CUpdateChecker::CompareVersions(version, current) <= 0);
        FUZZ_CHECK(url.isEmpty());
        break;
    case CUpdateChecker::NewVersion:
        FUZZ_CHECK(CUpdateChecker::IsVersion(version));
        FUZZ_CHECK(CUpdateChecker::CompareVersions(version, current) > 0);
        // Only a secure page with a host is ever opened in the browser.
        FUZZ_CHECK(url.isEmpty() || (url.isValid() && url.scheme() == "https" && !url.host().isEmpty()));
        break;
    }
    FUZZ_CHECK(CUpdateChecker::CompareVersions(version, current)
               == -CUpdateChecker::CompareVersions(current, version));
    FUZZ_CHECK(CUpdateChecker::CompareVersions(version, version) == 0);
}
