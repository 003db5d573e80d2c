#pragma once

#include "QWKDialog.h"

#include <QJsonObject>

class QLabel;

// "About": product title and version, what the product is, its copyright,
// the open-source libraries it ships with and the website. The texts come
// from the brand's about file; whatever it lacks is said in plain English.
class CAboutDialog : public QWKDialog
{
    Q_OBJECT
public:
    // strTextsPath empty: the brand's file for the current language.
    explicit CAboutDialog(QWidget* parent = nullptr, const QString& strTextsPath = QString());

    static QString TextsPath();
    // Names of the libraries listed, in their order.
    QStringList LibraryNames() const { return libraryNames; }

private:
    QString Text(const char* pszKey, const QString& strFallback) const;
    QLabel* AddLabel(const QString& strName, const QString& strText);

    QJsonObject texts;
    QStringList libraryNames;
};
