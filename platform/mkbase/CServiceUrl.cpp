#include "CServiceUrl.h"

#include <QHostAddress>

namespace MKBase {

bool CServiceUrl::IsLoopback(const QUrl& url)
{
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

bool CServiceUrl::IsAllowed(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return scheme == QLatin1String("http") && IsLoopback(url);
}

QUrl CServiceUrl::Resolve(const char* pszEnvName, const QString& strConfigured)
{
    const QString overridden = pszEnvName ? qEnvironmentVariable(pszEnvName).trimmed() : QString();
    const QString text = overridden.isEmpty() ? strConfigured.trimmed() : overridden;
    return QUrl(text, QUrl::StrictMode);
}

} // namespace MKBase
