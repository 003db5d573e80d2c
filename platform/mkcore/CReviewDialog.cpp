#include "CReviewDialog.h"

#include "CJsonReader.h"
#include "LoggerObject.h"
#include "MKApplication.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariant>

namespace {

const char* const kLaunchKey = "Review/LaunchCount";
const char* const kShownKey = "Review/Shown";
const char* const kAnswerKey = "Review/Answer";

QString Fill(const QString& strText, const QString& strValue)
{
    return strText.contains(QLatin1String("%1")) ? strText.arg(strValue) : strText;
}

QString Text(const QJsonObject& objTexts, const char* pszKey)
{
    return objTexts.value(QLatin1String(pszKey)).toString().trimmed();
}

} // namespace

CReviewDialog::CReviewDialog(const QJsonObject& objTexts, QWidget* parent)
    : QWKDialog(parent)
    , texts(objTexts)
{
    setObjectName("review_dialog");
    MKApplication* app = MKApplication::getInstance();
    const QString title = app ? app->GetAppValue("Title") : QString();
    QString heading = Text(texts, "Title");
    SetTitle(Fill(heading.isEmpty() ? tr("Enjoying %1?") : heading, title));
    setMinimumWidth(380);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(8);
    auto* label = new QLabel(Fill(Text(texts, "Text"), title), contentWidget());
    label->setObjectName("label_message");
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addSpacing(12);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    // Shown right to left as Never, Later, Rate; numbered as AskOnce reports.
    const QString labels[3] = {Text(texts, "RateButton"), Text(texts, "LaterButton"), Text(texts, "NeverButton")};
    const QString fallbacks[3] = {tr("Rate Now"), tr("Later"), tr("Don't Ask Again")};
    for (int id : {3, 2, 1}) {
        const QString text = labels[id - 1].isEmpty() ? fallbacks[id - 1] : labels[id - 1];
        auto* button = new QPushButton(text, contentWidget());
        button->setObjectName(QStringLiteral("button_%1").arg(id));
        button->setProperty("confirm", id == 1);
        button->setMinimumSize(80, 30);
        button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        button->setAutoDefault(false);
        button->setDefault(id == 1);
        button->setVisible(id != 1 || RateUrl().isValid());
        connect(button, &QPushButton::clicked, this, [this, id]() { done(id); });
        row->addWidget(button);
    }
    layout->addLayout(row);
}

QUrl CReviewDialog::RateUrl() const
{
    const QUrl url(Text(texts, "Url"), QUrl::StrictMode);
    const bool web = url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    return web ? url : QUrl();
}

QString CReviewDialog::TextsPath()
{
    MKApplication* app = MKApplication::getInstance();
    const QString language = app ? app->CurrentLanguage() : QString();
    return MKApplication::ConfProductDirPath() + "/review/"
        + (language.isEmpty() ? QStringLiteral("English") : language) + ".json";
}

void CReviewDialog::CountLaunch()
{
    static bool counted = false;
    if (counted)
        return;
    counted = true;
    AddLaunch();
}

int CReviewDialog::AddLaunch()
{
    QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    // Saturates instead of wrapping after years of use.
    const int count = qBound(0, settings.value(kLaunchKey, 0).toInt(), 1000000) + 1;
    settings.setValue(kLaunchKey, count);
    return count;
}

int CReviewDialog::LaunchCount()
{
    QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    return qMax(0, settings.value(kLaunchKey, 0).toInt());
}

bool CReviewDialog::WasShown()
{
    QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    return settings.value(kShownKey, false).toBool();
}

CReviewDialog::EOutcome CReviewDialog::AskOnce(QWidget* window, const QString& strFrom, const QString& strTextsPath)
{
    const QByteArray from = strFrom.toUtf8();
    if (WasShown()) {
        MK_LOG("review (%s) not shown: already asked once", from.constData());
        return NotShown;
    }
    const int launches = LaunchCount();
    if (launches < kMinLaunches) {
        MK_LOG("review (%s) not shown: launch %d of %d", from.constData(), launches, kMinLaunches);
        return NotShown;
    }
    const QString path = strTextsPath.isEmpty() ? TextsPath() : strTextsPath;
    const QJsonObject texts = MKBase::CJsonReader::ParseJsonFileToObject(path);
    if (Text(texts, "Text").isEmpty()) {
        MK_LOG("review (%s) not shown: no review texts in %s", from.constData(), qUtf8Printable(path));
        return NotShown;
    }
    // Marked before it shows, so a crash or kill while it is open does not
    // bring it back; if the mark cannot be kept, it is not shown at all.
    {
        QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
        settings.setValue(kShownKey, true);
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            MK_LOG("review (%s) not shown: settings file not writable", from.constData());
            return NotShown;
        }
    }

    CReviewDialog dialog(texts, window);
    if (window)
        dialog.ShowMask(window, false);
    const int answer = dialog.exec();
    const EOutcome outcome = (answer == Rate || answer == Never) ? EOutcome(answer) : Later;
    {
        QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
        static const char* const names[] = {"", "rate", "later", "never"};
        settings.setValue(kAnswerKey, QString::fromLatin1(names[outcome]));
    }
    MK_LOG("review (%s) answered: %d", from.constData(), int(outcome));
    if (outcome == Rate && dialog.RateUrl().isValid())
        QDesktopServices::openUrl(dialog.RateUrl());
    return outcome;
}
