#include "CFileListDelegate.h"
#include "CFileListModel.h"
#include "CFileListView.h"
#include "CTabBar.h"
#include "CTabListDelegate.h"
#include "CTabListView.h"
#include "CTabListWidget.h"
#include "MKApplication.h"
#include "TestMain.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QStandardItemModel>

#include <memory>

namespace {

const QString kLightTree = QStringLiteral(":/res/skin/light/resoures");
const QString kDarkTree = QStringLiteral(":/res/skin/dark/resoures");
// A cached picture is drawn unscaled, so it comes out as it is stored; some
// pictures differ between the skins only by a shade of grey or blue.
constexpr int kSame = 2;
constexpr int kAlike = 8;

QString SourcePath(const QString& relative)
{
    return QStringLiteral(RVPDF_SOURCE_DIR "/") + relative;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QJsonObject ReadColors(const QString& skin)
{
    QFile file(SourcePath(QStringLiteral("src/res/skin/%1/resoures/style/colors.json").arg(skin)));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The style sheet's colour syntax: #rgb, #rrggbb, names, rgb() and rgba()
// with an alpha of 0-255.
QColor ParseColor(const QString& text)
{
    static const QRegularExpression functional(
        "^rgba?\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\)$");
    const QRegularExpressionMatch match = functional.match(text.trimmed());
    if (match.hasMatch()) {
        const int alpha = match.captured(4).isEmpty() ? 255 : match.captured(4).toInt();
        return QColor(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(), alpha);
    }
    return QColor(text.trimmed());
}

QColor SkinColor(const QString& skin, const QString& key)
{
    return ParseColor(ReadColors(skin).value(key).toString());
}

// What a translucent colour looks like once painted over an opaque one.
QColor Over(const QColor& top, const QColor& base)
{
    const double a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + base.redF() * (1 - a), top.greenF() * a + base.greenF() * (1 - a),
                            top.blueF() * a + base.blueF() * (1 - a));
}

int Distance(const QColor& a, const QColor& b)
{
    return qMax(qAbs(a.red() - b.red()), qMax(qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())));
}

QString Describe(const QColor& color)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

// Largest channel difference between the same rectangle of two images.
int RegionDistance(const QImage& a, const QImage& b, const QRect& rect)
{
    int worst = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            worst = qMax(worst, Distance(a.pixelColor(x, y), b.pixelColor(x, y)));
    }
    return worst;
}

// The colour in rect farthest from the background: the core of a glyph
// stem, which antialiasing leaves at the full text colour.
QColor StrongestInk(const QImage& image, const QRect& rect, const QColor& background)
{
    QColor best = background;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (Distance(c, background) > Distance(best, background))
                best = c;
        }
    }
    return best;
}

QString StripComments(const QString& text)
{
    static const QRegularExpression block("/\\*.*?\\*/", QRegularExpression::DotMatchesEverythingOption);
    QString result = text;
    result.remove(block);
    return result;
}

// Line comments of C++ code, leaving "//" inside string literals alone.
QString StripLineComments(const QString& code)
{
    QString out;
    out.reserve(code.size());
    bool inString = false;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < code.size())
                out += code.at(++i);
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"' && !(i > 0 && code.at(i - 1) == '\'')) {
            inString = true;
        } else if (c == '/' && i + 1 < code.size() && code.at(i + 1) == '/') {
            while (i < code.size() && code.at(i) != '\n')
                ++i;
            out += '\n';
            continue;
        }
        out += c;
    }
    return out;
}

QString JoinSkinPath(const QString& prefix, const QString& name)
{
    QString path = prefix + "/" + name;
    path.replace(QRegularExpression("/+"), "/");
    while (path.startsWith('/'))
        path.remove(0, 1);
    return path;
}

struct PictureScan
{
    QMap<QString, QString> pictures; // path below the skin folder -> where it is named
    QStringList folders;             // folders named with a trailing slash
    QStringList unresolved;          // picture literals whose skin folder is unknown
};

// Skin paths written in the style sheet, in url() and in qproperty strings.
void ScanStyleSheet(const QString& sheet, PictureScan* scan)
{
    static const QRegularExpression named("@skin_path(/[^)\"'\\s;]*)");
    auto it = named.globalMatch(StripComments(sheet));
    while (it.hasNext()) {
        const QString written = it.next().captured(1);
        const QString path = JoinSkinPath(QString(), written);
        if (written.endsWith('/'))
            scan->folders << path;
        else if (!scan->pictures.contains(path))
            scan->pictures.insert(path, QStringLiteral("style.qss"));
    }
}

// The folder a qproperty of the style sheet names, e.g. iconPath.
QString StyleSheetProperty(const QString& sheet, const QString& property)
{
    const QRegularExpression value("qproperty-" + property + "\\s*:\\s*\"@skin_path([^\"]*)\"");
    return value.match(sheet).captured(1);
}

// Picture names in C++ code. A literal ending in ".png" is joined to the
// skin folder that the same function adds to SkinResouresPath(); failing
// that, to the one folder the file adds anywhere; failing that, to the
// folder given for the file in knownFolders.
void ScanCode(const QString& file, const QString& code, const QString& knownFolder, PictureScan* scan)
{
    static const QRegularExpression prefix("SkinResouresPath\\(\\)\\s*\\+\\s*(?:QStringLiteral\\()?\"([^\"]*)\"");
    static const QRegularExpression picture("\"([^\"\\n]*\\.png)\"");
    static const QRegularExpression functionEnd("\\n\\}[^\\n]*");
    const QString clean = StripLineComments(StripComments(code));

    QSet<QString> filePrefixes;
    auto all = prefix.globalMatch(clean);
    while (all.hasNext())
        filePrefixes.insert(all.next().captured(1));

    // Functions end with a closing brace in the first column.
    const QStringList functions = clean.split(functionEnd);
    for (const QString& function : functions) {
        auto literals = picture.globalMatch(function);
        while (literals.hasNext()) {
            const QRegularExpressionMatch match = literals.next();
            const QString name = match.captured(1);
            if (QFileInfo(name).completeBaseName().isEmpty())
                continue; // a bare ".png" suffix, not a picture
            if (name.startsWith(":/")) {
                if (!name.contains('%') && !QFile::exists(name))
                    scan->unresolved << file + ": " + name + " is not compiled in";
                continue;
            }
            QString folder;
            bool found = false;
            auto before = prefix.globalMatch(function.left(match.capturedStart()));
            while (before.hasNext()) {
                folder = before.next().captured(1);
                found = true;
            }
            if (!found) {
                auto inFunction = prefix.globalMatch(function);
                if (inFunction.hasNext()) {
                    folder = inFunction.next().captured(1);
                    found = true;
                }
            }
            if (!found && filePrefixes.size() == 1) {
                folder = *filePrefixes.begin();
                found = true;
            }
            if (!found && !knownFolder.isNull()) {
                folder = knownFolder;
                found = true;
            }
            if (!found) {
                scan->unresolved << file + ": " + name + " has no known skin folder";
                continue;
            }
            const QString path = JoinSkinPath(folder, name);
            if (!scan->pictures.contains(path))
                scan->pictures.insert(path, file);
        }
    }
}

QString HiDpiName(const QString& path)
{
    return path.left(path.size() - 4) + "@2x.png";
}

PictureScan ScanProject()
{
    const QString sheet = ReadText(SourcePath("src/res/skin/style.qss"));
    PictureScan scan;
    ScanStyleSheet(sheet, &scan);
    // Files that get their folder from the style sheet rather than code.
    const QMap<QString, QString> knownFolders {
        {QStringLiteral("src/recent/CFileListDelegate.cpp"), StyleSheetProperty(sheet, "iconPath")},
    };
    for (const QString& root : {QStringLiteral("src"), QStringLiteral("platform")}) {
        QDirIterator it(SourcePath(root), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(SourcePath(QString()).size());
            if (relative.startsWith("src/res/"))
                continue;
            ScanCode(relative, ReadText(path), knownFolders.value(relative), &scan);
        }
    }
    return scan;
}

QStringList TreeFiles(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(root.size() + 1);
    files.sort();
    return files;
}

QImage SkinImage(const QString& tree, const QString& path)
{
    return QImage(tree + "/" + path).convertToFormat(QImage::Format_ARGB32);
}

// Paints one delegate row into an image filled with a fixed colour.
template <typename Delegate>
QImage PaintRow(const Delegate& delegate, const QModelIndex& index, const QRect& rect, QStyle::State state)
{
    QImage image(rect.size(), QImage::Format_ARGB32);
    image.fill(QColor(128, 64, 32));
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = rect;
    option.state = state | QStyle::State_Enabled;
    option.palette = QApplication::palette();
    option.fontMetrics = QFontMetrics(QApplication::font());
    delegate.paint(&painter, option, index);
    painter.end();
    return image;
}

// The row a delegate with no pictures paints, with one picture put on top
// where the real delegate draws it.
QImage WithPicture(QImage blank, const QRect& target, const QImage& picture)
{
    QPainter painter(&blank);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    painter.end();
    return blank;
}

QRect FitCentered(const QSize& size, const QRect& box)
{
    const QSize fitted = size.scaled(box.size(), Qt::KeepAspectRatio);
    return QRect(box.x() + (box.width() - fitted.width()) / 2, box.y() + (box.height() - fitted.height()) / 2,
                 fitted.width(), fitted.height());
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void scannerFindsPictureNames_data();
    void scannerFindsPictureNames();
    void namedPicturesExistInBothSkins_data();
    void namedPicturesExistInBothSkins();
    void everyPictureNameHasAFolder();
    void skinTreesHoldTheSameFiles_data();
    void skinTreesHoldTheSameFiles();
    void styleVariablesAreDefined_data();
    void styleVariablesAreDefined();
    void colourFilesHaveTheSameKeys();
    void colourValuesParse_data();
    void colourValuesParse();
    void tabBarPaintsSkinColours_data();
    void tabBarPaintsSkinColours();
    void tabBarClosePictureFollowsSkin_data();
    void tabBarClosePictureFollowsSkin();
    void tabListDelegateFollowsSkin_data();
    void tabListDelegateFollowsSkin();
    void fileListDelegateFollowsSkin_data();
    void fileListDelegateFollowsSkin();
    void fileListMenuIconsFollowSkin_data();
    void fileListMenuIconsFollowSkin();
    void appIconIsCompiledIn_data();
    void appIconIsCompiledIn();

private:
    void SwitchTo(const QString& skin);

    // Made once in the light skin and kept across skin switches, as the
    // widgets of a running window are.
    std::unique_ptr<QWidget> titleBar;
    CTabBar* tabBar = nullptr;
    std::unique_ptr<CFileListView> fileList;
    QStandardItemModel fileModel;
};

void TestSkin::SwitchTo(const QString& skin)
{
    MKApplication::getInstance()->SetCurrentSkin(skin);
    QCOMPARE(MKApplication::getInstance()->EffectiveSkin(), skin);
}

void TestSkin::initTestCase()
{
    SwitchTo("Light");
    titleBar.reset(new QWidget);
    titleBar->setObjectName("widget_title_bar");
    titleBar->resize(760, 40);
    tabBar = new CTabBar(titleBar.get());
    tabBar->setGeometry(0, 0, 760, 40);
    for (const char* title : {"Alpha", "Bravo", "Charlie"})
        tabBar->AddItem(title, false, nullptr, false);
    tabBar->SetCurrentIndex(1);
    titleBar->show();
    // The popup list is polished as it is in use, before any switch.
    tabBar->ListWidget()->ensurePolished();
    tabBar->ListWidget()->View()->ensurePolished();

    fileList.reset(new CFileListView);
    fileList->resize(500, 300);
    fileList->show();
    fileList->ensurePolished();
    QVERIFY(!fileList->IconPath().isEmpty());

    auto* row = new QStandardItem;
    row->setData(QVariantMap {{"fileName", "Report.pdf"}, {"path", "/nowhere/Report.pdf"}, {"pin", true},
                              {"hasPassword", true}},
                 CFileListModel::RecentInfoRole);
    fileModel.appendRow(row);
}

void TestSkin::cleanupTestCase()
{
    fileList.reset();
    titleBar.reset();
    SwitchTo("Light");
}

void TestSkin::scannerFindsPictureNames_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("known");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<int>("unresolved");

    QTest::newRow("folder in the same function")
        << "void A::B()\n{\n    const QString base = MKApplication::SkinResouresPath() + \"/mainbox/menu/\";\n"
           "    load(base + \"icon_new.png\");\n}\n"
        << QString() << QStringList {"mainbox/menu/icon_new.png"} << 0;
    QTest::newRow("folder in another function of the file")
        << "void A::B()\n{\n    add(\"/file/menu_icon_x.png\");\n}\n\nvoid A::C()\n{\n"
           "    const QString base = MKApplication::SkinResouresPath() + \"/menu\";\n}\n"
        << QString() << QStringList {"menu/file/menu_icon_x.png"} << 0;
    QTest::newRow("nearest folder wins")
        << "void A::B()\n{\n    a = MKApplication::SkinResouresPath() + \"/one/\";\n    x(a + \"p.png\");\n"
           "    b = MKApplication::SkinResouresPath() + \"/two/\";\n    x(b + \"q.png\");\n}\n"
        << QString() << QStringList {"one/p.png", "two/q.png"} << 0;
    QTest::newRow("folder given for the file")
        << "void A::B(const QString& path)\n{\n    pin = Load(path + \"button_new.png\");\n}\n"
        << "/main/home/" << QStringList {"main/home/button_new.png"} << 0;
    QTest::newRow("no folder anywhere")
        << "void A::B(const QString& path)\n{\n    pin = Load(path + \"button_new.png\");\n}\n"
        << QString() << QStringList() << 1;
    QTest::newRow("commented out") << "void A::B()\n{\n    // Load(\"/x/old.png\");\n}\n" << QString()
                                   << QStringList() << 0;
    QTest::newRow("bare suffix") << "void A::B()\n{\n    name.replace(\".pdf\", \".png\");\n}\n" << QString()
                                 << QStringList() << 0;
    QTest::newRow("missing compiled-in picture") << "void A::B()\n{\n    QIcon(\":/res/none/x.png\");\n}\n"
                                                 << QString() << QStringList() << 1;
}

void TestSkin::scannerFindsPictureNames()
{
    QFETCH(QString, code);
    QFETCH(QString, known);
    QFETCH(QStringList, pictures);
    QFETCH(int, unresolved);
    PictureScan scan;
    ScanCode("x.cpp", code, known, &scan);
    QStringList found = scan.pictures.keys();
    pictures.sort();
    QCOMPARE(found, pictures);
    QCOMPARE(scan.unresolved.size(), unresolved);
}

void TestSkin::namedPicturesExistInBothSkins_data()
{
    QTest::addColumn<QString>("picture");
    const PictureScan scan = ScanProject();
    // A scanner that finds nothing would pass everything.
    for (const char* expected : {"title/close.png", "main/home/tab_close.png", "main/home/button_pin.png",
                                 "menu/file/menu_icon_open.png", "menu/main/menu_icon_about.png",
                                 "mainbox/menu/icon_open.png"})
        QVERIFY2(scan.pictures.contains(expected), expected);
    for (auto it = scan.pictures.cbegin(); it != scan.pictures.cend(); ++it)
        QTest::newRow(qPrintable(it.value() + ": " + it.key())) << it.key();
}

void TestSkin::namedPicturesExistInBothSkins()
{
    QFETCH(QString, picture);
    for (const QString& tree : {kLightTree, kDarkTree}) {
        for (const QString& name : {picture, HiDpiName(picture)}) {
            const QString path = tree + "/" + name;
            QVERIFY2(QFile::exists(path), qPrintable(path + " is missing"));
            QVERIFY2(!QImage(path).isNull(), qPrintable(path + " is not a picture"));
        }
    }
    const QSize base = QImage(kLightTree + "/" + picture).size();
    QCOMPARE(QImage(kDarkTree + "/" + picture).size(), base);
    QCOMPARE(QImage(kLightTree + "/" + HiDpiName(picture)).size(), base * 2);
}

void TestSkin::everyPictureNameHasAFolder()
{
    const PictureScan scan = ScanProject();
    QVERIFY2(scan.unresolved.isEmpty(), qPrintable(scan.unresolved.join('\n')));
    for (const QString& folder : scan.folders) {
        QVERIFY2(QFileInfo(kLightTree + "/" + folder).isDir(), qPrintable(folder));
        QVERIFY2(QFileInfo(kDarkTree + "/" + folder).isDir(), qPrintable(folder));
    }
}

void TestSkin::skinTreesHoldTheSameFiles_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("other");
    QTest::newRow("light in dark") << kLightTree << kDarkTree;
    QTest::newRow("dark in light") << kDarkTree << kLightTree;
}

void TestSkin::skinTreesHoldTheSameFiles()
{
    QFETCH(QString, tree);
    QFETCH(QString, other);
    const QStringList files = TreeFiles(tree);
    QVERIFY(files.contains("style/colors.json"));
    QVERIFY(files.contains("style/style.qss"));
    QVERIFY(files.size() > 20);
    QStringList missing;
    for (const QString& file : files) {
        if (!QFile::exists(other + "/" + file))
            missing << file;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

void TestSkin::styleVariablesAreDefined_data()
{
    QTest::addColumn<QString>("variable");
    static const QRegularExpression token("@([A-Za-z_][A-Za-z0-9_]*)");
    QSet<QString> seen;
    auto it = token.globalMatch(StripComments(ReadText(SourcePath("src/res/skin/style.qss"))));
    while (it.hasNext()) {
        const QString name = it.next().captured(1);
        if (name != "skin_path" && !seen.contains(name)) {
            seen.insert(name);
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    QVERIFY(seen.size() > 10);
}

void TestSkin::styleVariablesAreDefined()
{
    QFETCH(QString, variable);
    for (const QString& skin : QStringList {"light", "dark"})
        QVERIFY2(ReadColors(skin).contains(variable), qPrintable(skin + " lacks " + variable));
    // Resolved, the sheet keeps no trace of the name.
    for (const QString& tree : {kLightTree, kDarkTree})
        QVERIFY(!MKApplication::LoadSkinStyleSheet(tree).contains("@" + variable + QChar(';')));
}

void TestSkin::colourFilesHaveTheSameKeys()
{
    QStringList light = ReadColors("light").keys();
    QStringList dark = ReadColors("dark").keys();
    QVERIFY(light.size() > 10);
    QCOMPARE(dark, light);
}

void TestSkin::colourValuesParse_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("key");
    for (const QString& skin : QStringList {"light", "dark"}) {
        const QJsonObject colors = ReadColors(skin);
        for (auto it = colors.begin(); it != colors.end(); ++it)
            QTest::newRow(qPrintable(skin + " " + it.key())) << skin << it.key();
    }
}

void TestSkin::colourValuesParse()
{
    QFETCH(QString, skin);
    QFETCH(QString, key);
    const QString value = ReadColors(skin).value(key).toString();
    QVERIFY2(ParseColor(value).isValid(), qPrintable(value));
}

void TestSkin::tabBarPaintsSkinColours_data()
{
    QTest::addColumn<QString>("skin");
    QTest::newRow("light") << "Light";
    QTest::newRow("dark") << "Dark";
    QTest::newRow("back to light") << "Light";
}

void TestSkin::tabBarPaintsSkinColours()
{
    QFETCH(QString, skin);
    const QString key = skin.toLower();
    SwitchTo(skin);
    // Hover the last tab, as a pointer resting on it does.
    const QRect hovered = tabBar->GetItemRect(2);
    QMouseEvent move(QEvent::MouseMove, hovered.center(), tabBar->mapToGlobal(hovered.center()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tabBar, &move);
    QCOMPARE(tabBar->HoverIndex(), 2);

    const QImage image = titleBar->grab().toImage();
    const QColor title = SkinColor(key, "title_color");
    const QColor selected = Over(SkinColor(key, "tab_pressed_color"), title);
    const QColor hover = Over(SkinColor(key, "tab_hover_color"), title);
    const QColor separator = Over(SkinColor(key, "tab_separator_color"), title);
    const QColor normalText = Over(SkinColor(key, "tab_text_color"), title);
    const QColor currentText = Over(SkinColor(key, "tab_hover_text_color"), selected);
    // The two skins must tell apart on every sample, or this proves nothing.
    for (const char* name : {"title_color", "tab_pressed_color", "tab_text_color", "tab_hover_text_color"})
        QVERIFY2(Distance(SkinColor("light", name), SkinColor("dark", name)) > 60, name);

    const QRect first = tabBar->GetItemRect(0);
    const QRect current = tabBar->GetItemRect(1);
    struct Sample
    {
        const char* what;
        QColor actual;
        QColor expected;
        int tolerance;
    };
    const QList<Sample> samples {
        {"background", image.pixelColor(hovered.right() + 30, 20), title, 3},
        {"selected tab", image.pixelColor(current.x() + 5, current.y() + 16), selected, 3},
        {"hovered tab", image.pixelColor(hovered.x() + 5, hovered.y() + 14), hover, 3},
        {"separator", image.pixelColor(4, 20), separator, 3},
        {"text", StrongestInk(image, first.adjusted(10, 4, -30, -8), title), normalText, 40},
        {"current text", StrongestInk(image, current.adjusted(10, 4, -30, -8), selected), currentText, 40},
    };
    for (const Sample& sample : samples) {
        QVERIFY2(Distance(sample.actual, sample.expected) <= sample.tolerance,
                 qPrintable(QStringLiteral("%1: %2 painted, %3 expected")
                                .arg(sample.what, Describe(sample.actual), Describe(sample.expected))));
    }
}

void TestSkin::tabBarClosePictureFollowsSkin_data()
{
    tabBarPaintsSkinColours_data();
}

void TestSkin::tabBarClosePictureFollowsSkin()
{
    QFETCH(QString, skin);
    SwitchTo(skin);
    const QString tree = skin == "Dark" ? kDarkTree : kLightTree;
    const QString otherTree = skin == "Dark" ? kLightTree : kDarkTree;
    const QString picture = "main/home/tab_close.png";
    QVERIFY(tabBar->CloseIcon().startsWith(tree));

    // The first tab is neither current nor hovered: its close mark is the
    // bar's own cached picture on the bare title bar.
    const QRect tab = tabBar->GetItemRect(0);
    const QRect mark(tab.right() - 20, tab.y() + 6, 16, 16);
    const QImage image = titleBar->grab().toImage().copy(mark);
    auto expected = [&](const QString& from) {
        QImage base(mark.size(), QImage::Format_ARGB32);
        base.fill(SkinColor(skin.toLower(), "title_color"));
        return WithPicture(base, QRect(QPoint(), mark.size()), SkinImage(from, picture));
    };
    const QRect all(QPoint(), mark.size());
    QVERIFY2(RegionDistance(expected(tree), expected(otherTree), all) > kAlike, "the skins' pictures look alike");
    QVERIFY2(RegionDistance(image, expected(tree), all) <= kSame,
             qPrintable(QStringLiteral("off by %1").arg(RegionDistance(image, expected(tree), all))));
}

void TestSkin::tabListDelegateFollowsSkin_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("where");
    const QRect row(0, 0, 240, 28);
    for (const char* skin : {"Light", "Dark", "Light"}) {
        QTest::addRow("%s checked", skin) << skin << "main/home/tab_checked.png" << QRect(8, 6, 16, 16);
        QTest::addRow("%s close", skin) << skin << "main/home/tab_close.png" << CTabListDelegate::CloseIconRect(row);
    }
}

void TestSkin::tabListDelegateFollowsSkin()
{
    QFETCH(QString, skin);
    QFETCH(QString, picture);
    QFETCH(QRect, where);
    SwitchTo(skin);
    const QString tree = skin == "Dark" ? kDarkTree : kLightTree;
    const QString otherTree = skin == "Dark" ? kLightTree : kDarkTree;

    CTabListView* view = tabBar->ListWidget()->View();
    const CTabListDelegate& delegate = *view->Delegate();
    CTabListDelegate blank;
    blank.textColor = delegate.textColor;
    const QModelIndex index = view->model()->index(0, 0);
    const QRect row(0, 0, 240, 28);
    const QImage painted = PaintRow(delegate, index, row, QStyle::State_Selected);
    const QImage bare = PaintRow(blank, index, row, QStyle::State_Selected);
    const QImage wanted = WithPicture(bare, where, SkinImage(tree, picture));
    const QImage other = WithPicture(bare, where, SkinImage(otherTree, picture));
    QVERIFY2(RegionDistance(wanted, other, where) > kAlike, "the skins' pictures look alike");
    QVERIFY2(RegionDistance(painted, wanted, where) <= kSame,
             qPrintable(QStringLiteral("off by %1").arg(RegionDistance(painted, wanted, where))));
}

void TestSkin::fileListDelegateFollowsSkin_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("where");
    const QRect row(0, 0, 400, 56);
    for (const char* skin : {"Light", "Dark", "Light"}) {
        QTest::addRow("%s more", skin) << skin << "main/home/button_more.png"
                                       << CFileListDelegate::MoreRect(row, false).adjusted(6, 6, -6, -6);
        QTest::addRow("%s pin", skin) << skin << "main/home/button_pin.png"
                                      << CFileListDelegate::PinRect(row).adjusted(6, 6, -6, -6);
        // Where the lock of a protected document goes, fitted to its box;
        // its one-pixel frame is the border colour's, not the picture's.
        const QImage lock = SkinImage(kLightTree, "main/home/list_psw.png");
        QTest::addRow("%s lock", skin) << skin << "main/home/list_psw.png"
                                       << FitCentered(lock.size(), QRect(12, 8, 40, 40));
    }
}

void TestSkin::fileListDelegateFollowsSkin()
{
    QFETCH(QString, skin);
    QFETCH(QString, picture);
    QFETCH(QRect, where);
    SwitchTo(skin);
    const QString tree = skin == "Dark" ? kDarkTree : kLightTree;
    const QString otherTree = skin == "Dark" ? kLightTree : kDarkTree;

    const CFileListDelegate& delegate = *fileList->Delegate();
    CFileListDelegate blank;
    blank.backColor = delegate.backColor;
    blank.borderColor = delegate.borderColor;
    blank.deepColor = delegate.deepColor;
    blank.lightColor = delegate.lightColor;
    const QModelIndex index = fileModel.index(0, 0);
    const QRect row(0, 0, 400, 56);
    const QImage painted = PaintRow(delegate, index, row, QStyle::State_Selected);
    const QImage bare = PaintRow(blank, index, row, QStyle::State_Selected);
    const QImage wanted = WithPicture(bare, where, SkinImage(tree, picture));
    const QImage other = WithPicture(bare, where, SkinImage(otherTree, picture));
    const QRect inside = where.adjusted(1, 1, -1, -1);
    QVERIFY2(RegionDistance(wanted, other, inside) > kAlike, "the skins' pictures look alike");
    QVERIFY2(RegionDistance(painted, wanted, inside) <= kSame,
             qPrintable(QStringLiteral("off by %1").arg(RegionDistance(painted, wanted, inside))));
}

void TestSkin::fileListMenuIconsFollowSkin_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("picture");
    for (const char* skin : {"Light", "Dark", "Light"}) {
        QTest::addRow("%s open", skin) << skin << 0 << "mainbox/menu/icon_open.png";
        QTest::addRow("%s remove", skin) << skin << 7 << "mainbox/menu/icon_delete.png";
    }
}

void TestSkin::fileListMenuIconsFollowSkin()
{
    QFETCH(QString, skin);
    QFETCH(int, action);
    QFETCH(QString, picture);
    SwitchTo(skin);
    const QString tree = skin == "Dark" ? kDarkTree : kLightTree;
    const QString otherTree = skin == "Dark" ? kLightTree : kDarkTree;
    const QList<QAction*> actions = fileList->ItemMenu()->actions();
    QVERIFY(action < actions.size() && !actions.at(action)->isSeparator());
    const QImage shown = actions.at(action)->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage wanted = SkinImage(tree, picture);
    const QRect all(0, 0, 16, 16);
    QCOMPARE(shown.size(), wanted.size());
    QVERIFY2(RegionDistance(wanted, SkinImage(otherTree, picture), all) > kAlike, "the skins' pictures look alike");
    QVERIFY(RegionDistance(shown, wanted, all) <= kSame);
}

void TestSkin::appIconIsCompiledIn_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void TestSkin::appIconIsCompiledIn()
{
    QFETCH(int, size);
    const QImage icon(QStringLiteral(":/res/app/rvpdf_%1.png").arg(size));
    QCOMPARE(icon.size(), QSize(size, size));
    // Transparent corners around an opaque, mostly accent-blue mark.
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    const QColor edge = icon.pixelColor(size / 2, size - size / 10 - 1);
    QCOMPARE(edge.alpha(), 255);
    QVERIFY2(edge.blue() > edge.red() + 80, qPrintable(Describe(edge)));
    const QColor middle = icon.pixelColor(size / 2, size * 15 / 32);
    QVERIFY2(middle.red() > 200 && middle.green() > 200, qPrintable(Describe(middle)));
}

RV_TEST_MAIN(TestSkin)
#include "tst_skin.moc"
