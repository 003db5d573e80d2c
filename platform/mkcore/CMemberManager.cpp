#include "CMemberManager.h"

#include "CServiceUrl.h"
#include "LoggerObject.h"
#include "MKApplication.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSettings>

namespace {

const char* const kLastEmailKey = "Account/LastEmail";
constexpr qint64 kMaxReplySize = 64 * 1024;

QString UnreachableText()
{
    return CMemberManager::tr("Could not reach the account service. "
                              "Please check your connection and try again.");
}

} // namespace

CMemberManager::CMemberManager(QObject* parent)
    : QObject(parent)
{
}

CMemberManager* CMemberManager::getInstance(QObject* parent)
{
    static CMemberManager* instance = new CMemberManager(parent);
    return instance;
}

QUrl CMemberManager::LoginUrl()
{
    MKApplication* app = MKApplication::getInstance();
    QString server = app ? app->GetAppValue("FormalServer").trimmed() : QString();
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    const QString configured = server.isEmpty() ? QString() : server + "/account/v1/login";
    return MKBase::CServiceUrl::Resolve("RVPDF_ACCOUNT_URL", configured);
}

bool CMemberManager::IsValidEmail(const QString& strEmail)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z0-9._%+'\\-]+@[A-Za-z0-9](?:[A-Za-z0-9\\-]*[A-Za-z0-9])?"
                       "(?:\\.[A-Za-z0-9](?:[A-Za-z0-9\\-]*[A-Za-z0-9])?)+$"));
    return strEmail.size() <= 254 && pattern.match(strEmail).hasMatch();
}

QString CMemberManager::LastEmail()
{
    QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    const QString stored = settings.value(kLastEmailKey).toString();
    return IsValidEmail(stored) ? stored : QString();
}

void CMemberManager::SetRequestTimeout(int nMsec)
{
    timeout = nMsec > 0 ? nMsec : kDefaultTimeout;
}

bool CMemberManager::IsSigningIn() const
{
    return !reply.isNull();
}

bool CMemberManager::SignIn(const QString& strEmail, const QString& strPassword, QString* pstrError)
{
    auto fail = [pstrError](const QString& strError) {
        if (pstrError)
            *pstrError = strError;
        return false;
    };
    if (reply)
        return fail(tr("Signing in is already in progress."));
    const QString address = strEmail.trimmed();
    if (!IsValidEmail(address))
        return fail(tr("Please enter a valid e-mail address."));
    if (strPassword.isEmpty())
        return fail(tr("Please enter your password."));
    const QUrl url = LoginUrl();
    if (!MKBase::CServiceUrl::IsAllowed(url)) {
        MK_LOG("sign-in refused: account service address is not https");
        return fail(UnreachableText());
    }

    QJsonObject payload;
    payload.insert(QStringLiteral("email"), address);
    payload.insert(QStringLiteral("password"), strPassword);
    QNetworkRequest request(url);
    request.setTransferTimeout(timeout);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    // A redirect would resend the password elsewhere: never follow one.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (!manager)
        manager = new QNetworkAccessManager(this);
    // A new sign-in ends the session before it, whatever its outcome.
    SetAccount(0, QString(), QString());
    pendingEmail = address;
    reply = manager->post(request, QJsonDocument(payload).toJson(QJsonDocument::Compact));
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 nReceived, qint64 nTotal) {
        if ((nReceived > kMaxReplySize || nTotal > kMaxReplySize) && reply)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, &CMemberManager::SlotReplyFinished);
    MK_LOG("sign-in started");
    return true;
}

void CMemberManager::CancelSignIn()
{
    if (QNetworkReply* current = reply.data()) {
        reply = nullptr;
        current->disconnect(this);
        current->abort();
        current->deleteLater();
        MK_LOG("sign-in cancelled");
    }
    pendingEmail.clear();
}

void CMemberManager::SignOut()
{
    CancelSignIn();
    SetAccount(0, QString(), QString());
}

void CMemberManager::SetAccount(int nState, const QString& strEmail, const QString& strToken)
{
    token = strToken;
    if (accountState == nState && email == strEmail)
        return;
    accountState = nState;
    email = strEmail;
    emit SignalAccountChanged();
}

void CMemberManager::SlotReplyFinished()
{
    QNetworkReply* current = reply.data();
    if (!current || current != sender())
        return;
    reply = nullptr;
    current->deleteLater();
    const QString entered = pendingEmail;
    pendingEmail.clear();

    const int status = current->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString error;
    QString signedEmail;
    QString sessionToken;
    if (status == 401 || status == 403) {
        error = tr("The e-mail address or password is incorrect.");
    } else if (current->error() != QNetworkReply::NoError || status != 200) {
        error = UnreachableText();
    } else {
        QJsonParseError parseError;
        const QJsonDocument doc = QJsonDocument::fromJson(current->read(kMaxReplySize + 1), &parseError);
        const QJsonObject answer = doc.object();
        sessionToken = answer.value(QStringLiteral("token")).toString();
        signedEmail = answer.value(QStringLiteral("email")).toString().trimmed();
        if (!IsValidEmail(signedEmail))
            signedEmail = entered;
        if (parseError.error != QJsonParseError::NoError || sessionToken.isEmpty())
            error = tr("The account service sent an answer that could not be read. "
                       "Please try again later.");
    }

    if (!error.isEmpty()) {
        MK_LOG("sign-in failed: network error %d, http status %d", int(current->error()), status);
        SetAccount(0, QString(), QString());
        emit SignalSignInFinished(false, error);
        return;
    }
    MK_LOG("sign-in succeeded");
    {
        QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
        settings.setValue(kLastEmailKey, signedEmail);
    }
    SetAccount(1, signedEmail, sessionToken);
    emit SignalSignInFinished(true, QString());
}
