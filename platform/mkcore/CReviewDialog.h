#pragma once

#include "QWKDialog.h"

#include <QJsonObject>

// Asks for a rating. Asked at most once per installation, and only after
// the product has been started a few times: the launch count and whether it
// was asked live in the framework settings file.
class CReviewDialog : public QWKDialog
{
    Q_OBJECT
public:
    // What AskOnce did: not asked, or the button the person chose (closing
    // the dialog counts as Later).
    enum EOutcome { NotShown = 0, Rate = 1, Later = 2, Never = 3 };
    Q_ENUM(EOutcome)

    static constexpr int kMinLaunches = 5;

    // objTexts: the brand's review texts (Title, Text, RateButton,
    // LaterButton, NeverButton, Url).
    explicit CReviewDialog(const QJsonObject& objTexts, QWidget* parent = nullptr);

    QUrl RateUrl() const;

    static QString TextsPath();
    // Counts this process as one launch; later calls in the same process
    // do nothing.
    static void CountLaunch();
    // Adds one launch unconditionally and returns the new count.
    static int AddLaunch();
    static int LaunchCount();
    static bool WasShown();

    // Shows the dialog over window when it is due, marks it as asked before
    // showing it, and opens the rating page when asked to. strFrom only
    // tells the log who wanted it.
    static EOutcome AskOnce(QWidget* window, const QString& strFrom, const QString& strTextsPath = QString());

private:
    QJsonObject texts;
};
