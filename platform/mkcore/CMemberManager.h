#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Account state of the person using the application. Signing in asks the
// account service without blocking; the session lives in memory only and
// the password is never kept, logged or written anywhere.
class CMemberManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultTimeout = 8000;

    static CMemberManager* getInstance(QObject* parent = nullptr);

    // 0 while nobody is signed in, 1 when signed in.
    int GetAccountState() const { return accountState; }
    QString GetMemberEmail() const { return email; }

    // The login endpoint: FormalServer + "/account/v1/login". The
    // environment variable RVPDF_ACCOUNT_URL, when set, replaces it (local
    // servers for tests and debugging).
    static QUrl LoginUrl();
    static bool IsValidEmail(const QString& strEmail);
    // The e-mail address of the last successful sign-in, to prefill forms.
    static QString LastEmail();

    void SetRequestTimeout(int nMsec);
    int RequestTimeout() const { return timeout; }
    bool IsSigningIn() const;

    // Ends the current session and sends the sign-in request. Returns
    // false, with the reason in *pstrError and no signal, when the input is
    // invalid, the service address is refused or a sign-in is already
    // running; otherwise SignalSignInFinished follows exactly once.
    bool SignIn(const QString& strEmail, const QString& strPassword, QString* pstrError = nullptr);
    // Drops a running sign-in; no signal follows.
    void CancelSignIn();
    void SignOut();

signals:
    void SignalAccountChanged();
    void SignalSignInFinished(bool bOk, QString strError);

private:
    explicit CMemberManager(QObject* parent);
    void SlotReplyFinished();
    void SetAccount(int nState, const QString& strEmail, const QString& strToken);

    int accountState = 0;
    QString email;
    QString token;
    QString pendingEmail;
    QNetworkAccessManager* manager = nullptr;
    QPointer<QNetworkReply> reply;
    int timeout = kDefaultTimeout;
};
