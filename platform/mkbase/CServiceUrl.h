#pragma once

#include <QString>
#include <QUrl>

// Addresses of the product's web services. Only https goes out to the
// network; plain http is accepted for this machine's loopback address alone,
// where local test servers and debugging proxies run.
namespace MKBase {

class CServiceUrl
{
public:
    static bool IsAllowed(const QUrl& url);
    static bool IsLoopback(const QUrl& url);
    // The address named by the environment variable pszEnvName when it is
    // set and not empty, else strConfigured.
    static QUrl Resolve(const char* pszEnvName, const QString& strConfigured);
};

} // namespace MKBase
