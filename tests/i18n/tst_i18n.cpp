#include "CTabBar.h"
#include "DocumentMenu.h"
#include "HomePage.h"
#include "MKApplication.h"
#include "TestMain.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

// Empty when the file cannot be read or parsed.
QList<Message> ReadTs(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            current = Message {context, QString(), QString(), QString()};
        } else if (xml.name() == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value("type").toString();
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QString TsDir()
{
    return QStringLiteral(RVPDF_SOURCE_DIR) + "/translations";
}

// The languages the brand offers, with their locale names.
QList<QPair<QString, QString>> Languages()
{
    QFile file(MKApplication::ConfProductDirPath() + "/language.json");
    file.open(QIODevice::ReadOnly);
    QList<QPair<QString, QString>> list;
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject object = value.toObject();
        list << qMakePair(object.value("Name").toString(), object.value("LocaleName").toString());
    }
    return list;
}

QSet<QString> Placeholders(const QString& text)
{
    QSet<QString> found;
    static const QRegularExpression marker("%(\\d+|n)");
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    return found;
}

} // namespace

class TestI18n : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyLanguageIsCompleteAndCompiled_data();
    void everyLanguageIsCompleteAndCompiled();
    void filesMatchTheSources();
    void switchingLanguageRetranslatesWindow();
};

void TestI18n::cleanup()
{
    for (QWidget* view : CMainViewManager::getInstance()->Views())
        delete view;
    MKApplication::getInstance()->SetCurrentLanguage("English");
}

void TestI18n::everyLanguageIsCompleteAndCompiled_data()
{
    QTest::addColumn<QString>("locale");
    for (const auto& language : Languages())
        QTest::newRow(qPrintable(language.first)) << language.second;
}

void TestI18n::everyLanguageIsCompleteAndCompiled()
{
    QFETCH(QString, locale);
    const QList<Message> messages = ReadTs(TsDir() + "/rvpdf_" + locale + ".ts");
    QVERIFY2(!messages.isEmpty(), qPrintable(locale));
    QTranslator translator;
    QVERIFY(translator.load(":/res/conf/common/qm/main_" + locale + ".qm"));
    for (const Message& m : messages) {
        const QString where = m.context + ": " + m.source;
        QVERIFY2(m.type.isEmpty(), qPrintable(m.type + " " + where));
        QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where));
        // A lost or invented placeholder shows raw "%1" or drops a value.
        QVERIFY2(Placeholders(m.translation) == Placeholders(m.source), qPrintable(where + " -> " + m.translation));
        QCOMPARE(m.translation.count("<b>"), m.source.count("<b>"));
        // The compiled file says what the source file says.
        QCOMPARE(translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()), m.translation);
    }
}

void TestI18n::filesMatchTheSources()
{
    const QString lupdate = QStandardPaths::findExecutable("lupdate");
    if (lupdate.isEmpty())
        QSKIP("lupdate is not installed");
    // What the sources say today, extracted afresh.
    const QString fresh = TestEnv::MakeDir("lupdate") + "/fresh.ts";
    QProcess run;
    run.setWorkingDirectory(RVPDF_SOURCE_DIR);
    run.start(lupdate, {"-no-obsolete", "-locations", "none", "src", "platform", "-ts", fresh});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitCode(), 0);
    QSet<QString> wanted;
    for (const Message& m : ReadTs(fresh))
        wanted << m.context + '\n' + m.source;
    QVERIFY(wanted.size() > 200);
    for (const auto& language : Languages()) {
        QSet<QString> held;
        for (const Message& m : ReadTs(TsDir() + "/rvpdf_" + language.second + ".ts"))
            held << m.context + '\n' + m.source;
        const QSet<QString> missing = wanted - held;
        const QSet<QString> vanished = held - wanted;
        QVERIFY2(missing.isEmpty(), qPrintable(language.first + " lacks: " + QStringList(missing.values()).join(" | ")));
        QVERIFY2(vanished.isEmpty(),
                 qPrintable(language.first + " still has: " + QStringList(vanished.values()).join(" | ")));
    }
}

void TestI18n::switchingLanguageRetranslatesWindow()
{
    MKApplication* app = MKApplication::getInstance();
    QTranslator german;
    QVERIFY(german.load(":/res/conf/common/qm/main_de_DE.qm"));
    auto* window = qobject_cast<MainView*>(CMainViewManager::getInstance()->CreateMainView(nullptr));
    window->show();
    DocumentMenu* menu = window->Menu();
    menu->BuildFileMenu(window);
    menu->BuildHelpMenu(window);
    QMenuBar* bar = menu->CreateMenuBar(window);
    auto* open = window->Home()->findChild<QPushButton*>("button_ok");
    QVERIFY(open);
    const QString englishOpen = open->text();

    QVERIFY(app->SetCurrentLanguage("German"));
    QCOMPARE(app->CurrentLanguage(), QStringLiteral("German"));
    QTRY_COMPARE(menu->FileAction("print")->text(), german.translate("DocumentMenu", "Print"));
    QCOMPARE(menu->SkinMenu()->title(), german.translate("DocumentMenu", "Appearance"));
    QCOMPARE(bar->actions().at(2)->text(), german.translate("DocumentMenu", "View"));
    QCOMPARE(window->HomeButton()->toolTip(), german.translate("MainView", "Startup Page"));
    QCOMPARE(open->text(), german.translate("HomePage", "Open PDF"));
    QVERIFY(open->text() != englishOpen);
    // A menu built now starts in German.
    menu->BuildTabMenu(window);
    QCOMPARE(menu->TabAction("rename")->text(), german.translate("DocumentMenu", "Rename"));

    QVERIFY(app->SetCurrentLanguage("English"));
    QTRY_COMPARE(menu->FileAction("print")->text(), QStringLiteral("Print"));
    QCOMPARE(open->text(), englishOpen);
    QCOMPARE(menu->TabAction("rename")->text(), QStringLiteral("Rename"));
    QCOMPARE(window->HomeButton()->toolTip(), QStringLiteral("Startup Page"));
}

RV_TEST_MAIN(TestI18n)
#include "tst_i18n.moc"
