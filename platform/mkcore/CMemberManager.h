#pragma once

#include <QObject>

// Account state of the person using the application.
class CMemberManager : public QObject
{
    Q_OBJECT
public:
    static CMemberManager* getInstance(QObject* parent = nullptr);

    // 0 while nobody is signed in.
    int GetAccountState() const { return accountState; }
    QString GetMemberEmail() const { return email; }

signals:
    void SignalAccountChanged();

private:
    explicit CMemberManager(QObject* parent);

    int accountState = 0;
    QString email;
};
