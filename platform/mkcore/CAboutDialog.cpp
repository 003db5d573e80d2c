#include "CAboutDialog.h"

#include "CJsonReader.h"
#include "MKApplication.h"

#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVariant>

namespace {

// Links are only made of web addresses; anything else stays plain text.
bool IsWebUrl(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("https") || scheme == QLatin1String("http"));
}

// Brand texts may leave the placeholder out; arg() would then complain.
QString Fill(const QString& strText, const QString& strValue)
{
    return strText.contains(QLatin1String("%1")) ? strText.arg(strValue) : strText;
}

QString Link(const QUrl& url, const QString& strText)
{
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(), strText.toHtmlEscaped());
}

} // namespace

CAboutDialog::CAboutDialog(QWidget* parent, const QString& strTextsPath)
    : QWKDialog(parent)
    , texts(MKBase::CJsonReader::ParseJsonFileToObject(strTextsPath.isEmpty() ? TextsPath() : strTextsPath))
{
    setObjectName("about_dialog");
    MKApplication* app = MKApplication::getInstance();
    QString title = app ? app->GetAppValue("Title") : QString();
    if (title.isEmpty())
        title = QCoreApplication::applicationName();
    SetTitle(Fill(Text("Title", tr("About %1")), title));
    setMinimumWidth(420);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(8);

    AddLabel("label_about_title", title);
    AddLabel("label_version", tr("Version %1").arg(QCoreApplication::applicationVersion()));
    AddLabel("label_description", Fill(Text("Description", tr("%1 is a tabbed PDF reader for the desktop.")), title));
    AddLabel("label_copyright", Text("Copyright", QString()));
    AddLabel("label_license",
             Text("LicenseNotice",
                  tr("This application uses open-source "
                     "libraries, each under its own license.")));

    QStringList rows;
    for (const QJsonValue& value : texts.value(QStringLiteral("Libraries")).toArray()) {
        const QJsonObject library = value.toObject();
        const QString name = library.value(QStringLiteral("Name")).toString().trimmed();
        if (name.isEmpty())
            continue;
        libraryNames << name;
        const QUrl url(library.value(QStringLiteral("Url")).toString().trimmed(), QUrl::StrictMode);
        QString row = IsWebUrl(url) ? Link(url, name) : name.toHtmlEscaped();
        const QString license = library.value(QStringLiteral("License")).toString().trimmed();
        if (!license.isEmpty())
            row += QStringLiteral(" &mdash; ") + license.toHtmlEscaped();
        rows << row;
    }
    QLabel* libraries = AddLabel("label_libraries", rows.join(QStringLiteral("<br>")));
    libraries->setTextFormat(Qt::RichText);

    const QUrl website(Text("Website", QString()), QUrl::StrictMode);
    QLabel* site = AddLabel("label_website", IsWebUrl(website) ? Link(website, website.toString()) : QString());
    site->setTextFormat(Qt::RichText);

    for (QLabel* label : {libraries, site}) {
        label->setOpenExternalLinks(true);
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    }

    layout->addSpacing(12);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* okButton = new QPushButton(tr("OK"), contentWidget());
    okButton->setObjectName("button_ok");
    okButton->setProperty("confirm", true);
    okButton->setMinimumSize(80, 30);
    okButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(okButton);
    layout->addLayout(row);
}

QString CAboutDialog::TextsPath()
{
    MKApplication* app = MKApplication::getInstance();
    const QString language = app ? app->CurrentLanguage() : QString();
    return MKApplication::ConfProductDirPath() + "/about/" + (language.isEmpty() ? QStringLiteral("English") : language)
        + ".json";
}

QString CAboutDialog::Text(const char* pszKey, const QString& strFallback) const
{
    const QString value = texts.value(QLatin1String(pszKey)).toString().trimmed();
    return value.isEmpty() ? strFallback : value;
}

QLabel* CAboutDialog::AddLabel(const QString& strName, const QString& strText)
{
    // Brand texts are plain: a "<" in them must not turn into markup.
    auto* label = new QLabel(strText, contentWidget());
    label->setObjectName(strName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setVisible(!strText.isEmpty());
    contentWidget()->layout()->addWidget(label);
    return label;
}
