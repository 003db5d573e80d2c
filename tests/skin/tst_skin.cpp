#include "CFileListDelegate.h"
#include "CFileListModel.h"
#include "CFileListView.h"
#include "CRecentManager.h"
#include "CTabBar.h"
#include "CTabListDelegate.h"
#include "CTabListView.h"
#include "CTabListWidget.h"
#include "HomePage.h"
#include "MKApplication.h"
#include "MainBox.h"
#include "RecentPage.h"
#include "TestMain.h"
#include "TestPdf.h"
#include "guide/AssocGuidBox.h"
#include "guide/LogGuidBox.h"
#include "mainview/MainView.h"
#include "windows/CMainViewManager.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMouseEvent>
#include <QMutex>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardItemModel>

#include <private/qabstractfileengine_p.h>

#include <memory>

namespace {

const QString kTree = QStringLiteral(":/res/skin/%1/resoures");
// A cached picture is drawn unscaled, so it comes out as it is stored; some
// pictures differ between the skins only by a shade of grey or blue.
constexpr int kSame = 2;
constexpr int kAlike = 8;

// Every skin picture the running application asks the resource system for,
// whichever widget, style sheet or thread asks.
class PictureRecorder : public QAbstractFileEngineHandler
{
public:
    QAbstractFileEngine* create(const QString& fileName) const override
    {
        static const QRegularExpression picture("^:/res/skin/(light|dark)/resoures/(.+?)(@2x)?\\.png$");
        const QRegularExpressionMatch match = picture.match(fileName);
        if (match.hasMatch()) {
            QMutexLocker lock(&mutex);
            asked.insert(match.captured(2) + ".png");
        }
        return nullptr;
    }
    QSet<QString> Asked() const
    {
        QMutexLocker lock(&mutex);
        return asked;
    }

private:
    mutable QMutex mutex;
    mutable QSet<QString> asked;
};

QString Tree(const QString& skin)
{
    return kTree.arg(skin.toLower());
}

QJsonObject ReadColors(const QString& skin)
{
    QFile file(Tree(skin) + "/style/colors.json");
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
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

QImage SkinImage(const QString& skin, const QString& path)
{
    return QImage(Tree(skin) + "/" + path).convertToFormat(QImage::Format_ARGB32);
}

// Paints one delegate row into an image filled with a fixed colour.
template <typename Delegate>
QImage PaintRow(const Delegate& delegate, const QModelIndex& index, const QRect& rect)
{
    QImage image(rect.size(), QImage::Format_ARGB32);
    image.fill(QColor(128, 64, 32));
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = rect;
    option.state = QStyle::State_Selected | QStyle::State_Enabled;
    option.palette = QApplication::palette();
    option.fontMetrics = QFontMetrics(QApplication::font());
    delegate.paint(&painter, option, index);
    painter.end();
    return image;
}

// The picture-less image with one picture put on top where the real
// painting draws it.
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

// Shows a modal dialog or menu long enough to paint it, then dismisses it.
ModalAnswerer* Glance(int nTimes = 1)
{
    return new ModalAnswerer(
        [](QWidget* dialog) {
            dialog->grab();
            dialog->close();
        },
        nTimes);
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void picturesTheApplicationAsksForLoad();
    void styleVariablesAndColours_data();
    void styleVariablesAndColours();
    void tabBarPaintsSkinColours_data();
    void tabBarPaintsSkinColours();
    void picturesFollowSkin_data();
    void picturesFollowSkin();
    void appIconIsCompiledIn_data();
    void appIconIsCompiledIn();

private:
    void SwitchTo(const QString& skin);
    void Tour(MainView* window, MainBox* document);

    PictureRecorder* recorder = nullptr;
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
    QApplication::setQuitOnLastWindowClosed(false);
    recorder = new PictureRecorder;
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
    delete recorder;
    SwitchTo("Light");
}

// What a user passes on a walk through the application: a window with a
// document and its panels, the home page in both list modes, every menu, the
// tab list, the dialogs and guides.
void TestSkin::Tour(MainView* window, MainBox* document)
{
    window->grab();
    for (const char* panel : {"thumbnail", "bookmark", "annotation", "attachment", "find"}) {
        document->OnMainMenuTrigger(panel);
        window->grab();
    }
    QScopedPointer<ModalAnswerer> dialogs(Glance(4));
    for (const char* key : {"doc_property", "goto", "rename", "protect"})
        document->OnMainMenuTrigger(key);
    QTest::mouseClick(window->HomeButton(), Qt::LeftButton);
    RecentPage* recent = window->Home()->Recent();
    for (const char* mode : {"button_icon", "button_list"}) {
        recent->findChild<QPushButton*>(mode)->click();
        CFileListView* list = recent->ListView();
        const QPoint row = list->visualRect(list->model()->index(0, 0)).center();
        QTest::mouseMove(list->viewport(), row);
        QMouseEvent move(QEvent::MouseMove, row, list->viewport()->mapToGlobal(row), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        window->grab();
    }
    dialogs.reset(Glance(6));
    window->SlotClickedFile(window->mapToGlobal(QPoint(20, 40)));
    window->Menu()->ShowHelpMenu(window, window->mapToGlobal(QPoint(900, 40)));
    window->SlotContextMenu(window->mapToGlobal(QPoint(60, 15)));
    window->SlotClickedAbout();
    window->SlotClickedMember();
    CFileListView* list = recent->ListView();
    QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(60, 30), list->viewport()->mapToGlobal(QPoint(60, 30)));
    QApplication::sendEvent(list->viewport(), &context);
    QCOMPARE(dialogs->AnsweredCount(), 6);
    // Preferences, one page after the other.
    ModalAnswerer settings([](QWidget* dialog) {
        for (QPushButton* page : dialog->findChildren<QPushButton*>()) {
            if (page->isCheckable()) {
                page->click();
                dialog->grab();
            }
        }
        dialog->close();
    });
    window->SlotMenuTriggered(QStringLiteral("set"));
    QCOMPARE(settings.AnsweredCount(), 1);
    window->TabBar()->SlotClickedNum();
    window->TabBar()->ListWidget()->grab();
    window->TabBar()->ListWidget()->hide();
    window->SlotShowLogGuid();
    window->SignInPopup()->grab();
    window->SignInPopup()->hide();
    AssocGuidBox guide;
    guide.show();
    guide.grab();
}

void TestSkin::picturesTheApplicationAsksForLoad()
{
    const QString dir = TestEnv::MakeDir("tour");
    QVERIFY(TestPdf::Write(dir + "/plain.pdf", 3));
    QVERIFY(TestPdf::WriteRich(dir + "/plain.pdf", dir + "/rich.pdf", "notes.txt", "attached"));
    CRecentManager::getInstance()->AddRecord(dir + "/plain.pdf", {});
    CRecentManager::getInstance()->SetHasPassword(dir + "/plain.pdf", true);
    CRecentManager::getInstance()->SetPinned(0, true);
    qputenv("RVPDF_ACCOUNT_URL", "http://127.0.0.1:1/none");
    auto* window = qobject_cast<MainView*>(CMainViewManager::getInstance()->CreateMainView(nullptr));
    window->resize(1200, 800);
    window->show();
    int nRet = -1;
    window->SlotOpenFile(nRet, {{"path", dir + "/rich.pdf"}}, true);
    QCOMPARE(nRet, 0);
    auto* document = qobject_cast<MainBox*>(window->TabBar()->GetItem(0).widget);
    QVERIFY(document);
    for (const char* skin : {"Dark", "Light"}) {
        SwitchTo(skin);
        window->TabBar()->SetCurrentIndex(0);
        QTRY_COMPARE(window->CurrentPage(), document);
        Tour(window, document);
    }
    delete window;

    const QSet<QString> asked = recorder->Asked();
    // A walk that meets few pictures proves little.
    QVERIFY2(asked.size() >= 90, qPrintable(QString::number(asked.size())));
    for (const QString& picture : asked) {
        const QImage light = SkinImage("light", picture);
        QVERIFY2(!light.isNull(), qPrintable(picture + " does not load"));
        QCOMPARE(SkinImage("dark", picture).size(), light.size());
        QCOMPARE(SkinImage("light", picture.chopped(4) + "@2x.png").size(), light.size() * 2);
        QCOMPARE(SkinImage("dark", picture.chopped(4) + "@2x.png").size(), light.size() * 2);
    }
}

void TestSkin::styleVariablesAndColours_data()
{
    QTest::addColumn<QString>("skin");
    QTest::newRow("light") << "light";
    QTest::newRow("dark") << "dark";
}

void TestSkin::styleVariablesAndColours()
{
    QFETCH(QString, skin);
    const QJsonObject colors = ReadColors(skin);
    QVERIFY(colors.size() > 10);
    QCOMPARE(colors.keys(), ReadColors("light").keys());
    for (auto it = colors.begin(); it != colors.end(); ++it)
        QVERIFY2(ParseColor(it.value().toString()).isValid(), qPrintable(it.key() + ": " + it.value().toString()));
    // Every variable of the sheet resolved: none is left behind.
    const QString sheet = MKApplication::LoadSkinStyleSheet(Tree(skin));
    QVERIFY(sheet.size() > 1000);
    const QRegularExpressionMatch left = QRegularExpression("@[A-Za-z_]\\w*").match(sheet);
    QVERIFY2(!left.hasMatch(), qPrintable(left.captured()));
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
    SwitchTo(skin);
    // Hover the last tab, as a pointer resting on it does.
    const QRect hovered = tabBar->GetItemRect(2);
    QMouseEvent move(QEvent::MouseMove, hovered.center(), tabBar->mapToGlobal(hovered.center()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(tabBar, &move);
    QCOMPARE(tabBar->HoverIndex(), 2);

    const QImage image = titleBar->grab().toImage();
    const QColor title = SkinColor(skin, "title_color");
    const QColor selected = Over(SkinColor(skin, "tab_pressed_color"), title);
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
        {"hovered tab", image.pixelColor(hovered.x() + 5, hovered.y() + 14), Over(SkinColor(skin, "tab_hover_color"), title), 3},
        {"separator", image.pixelColor(4, 20), Over(SkinColor(skin, "tab_separator_color"), title), 3},
        {"text", StrongestInk(image, first.adjusted(10, 4, -30, -8), title), Over(SkinColor(skin, "tab_text_color"), title), 40},
        {"current text", StrongestInk(image, current.adjusted(10, 4, -30, -8), selected),
         Over(SkinColor(skin, "tab_hover_text_color"), selected), 40},
    };
    for (const Sample& sample : samples) {
        QVERIFY2(Distance(sample.actual, sample.expected) <= sample.tolerance,
                 qPrintable(QStringLiteral("%1: %2 painted, %3 expected")
                                .arg(sample.what, Describe(sample.actual), Describe(sample.expected))));
    }
}

void TestSkin::picturesFollowSkin_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("picture");
    for (const char* skin : {"Light", "Dark", "Light"}) {
        QTest::addRow("%s tab bar close", skin) << skin << "tab bar" << "main/home/tab_close.png";
        QTest::addRow("%s tab list checked", skin) << skin << "tab list" << "main/home/tab_checked.png";
        QTest::addRow("%s tab list close", skin) << skin << "tab list" << "main/home/tab_close.png";
        QTest::addRow("%s file list more", skin) << skin << "file list" << "main/home/button_more.png";
        QTest::addRow("%s file list pin", skin) << skin << "file list" << "main/home/button_pin.png";
        QTest::addRow("%s file list lock", skin) << skin << "file list" << "main/home/list_psw.png";
        QTest::addRow("%s menu open", skin) << skin << "menu 0" << "mainbox/menu/icon_open.png";
        QTest::addRow("%s menu remove", skin) << skin << "menu 7" << "mainbox/menu/icon_delete.png";
    }
}

// The picture a widget paints after a skin switch is the new skin's, not a
// copy cached from the skin before.
void TestSkin::picturesFollowSkin()
{
    QFETCH(QString, skin);
    QFETCH(QString, where);
    QFETCH(QString, picture);
    SwitchTo(skin);
    const QString other = skin == "Dark" ? "Light" : "Dark";
    QImage painted;
    QImage bare;
    QRect drawn;
    if (where == "tab bar") {
        // The first tab is neither current nor hovered: its close mark is
        // the bar's own cached picture on the bare title bar.
        const QRect tab = tabBar->GetItemRect(0);
        const QRect mark(tab.right() - 20, tab.y() + 6, 16, 16);
        painted = titleBar->grab().toImage().copy(mark);
        bare = QImage(mark.size(), QImage::Format_ARGB32);
        bare.fill(SkinColor(skin, "title_color"));
        drawn = QRect(QPoint(), mark.size());
    } else if (where == "tab list") {
        CTabListView* view = tabBar->ListWidget()->View();
        CTabListDelegate blank;
        blank.textColor = view->Delegate()->textColor;
        const QModelIndex index = view->model()->index(0, 0);
        const QRect row(0, 0, 240, 28);
        painted = PaintRow(*view->Delegate(), index, row);
        bare = PaintRow(blank, index, row);
        drawn = picture.endsWith("close.png") ? CTabListDelegate::CloseIconRect(row) : QRect(8, 6, 16, 16);
    } else if (where == "file list") {
        const CFileListDelegate& delegate = *fileList->Delegate();
        CFileListDelegate blank;
        blank.backColor = delegate.backColor;
        blank.borderColor = delegate.borderColor;
        blank.deepColor = delegate.deepColor;
        blank.lightColor = delegate.lightColor;
        const QRect row(0, 0, 400, 56);
        painted = PaintRow(delegate, fileModel.index(0, 0), row);
        bare = PaintRow(blank, fileModel.index(0, 0), row);
        if (picture.endsWith("more.png"))
            drawn = CFileListDelegate::MoreRect(row, false).adjusted(6, 6, -6, -6);
        else if (picture.endsWith("pin.png"))
            drawn = CFileListDelegate::PinRect(row).adjusted(6, 6, -6, -6);
        else
            drawn = FitCentered(SkinImage("light", picture).size(), QRect(12, 8, 40, 40));
    } else {
        const QList<QAction*> actions = fileList->ItemMenu()->actions();
        const int action = where.mid(5).toInt();
        QVERIFY(action < actions.size() && !actions.at(action)->isSeparator());
        painted = actions.at(action)->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        bare = QImage(16, 16, QImage::Format_ARGB32);
        bare.fill(Qt::transparent);
        drawn = QRect(0, 0, 16, 16);
    }
    // The lock's one-pixel frame is the border colour's, not the picture's.
    const QRect target = where == "file list" ? drawn.adjusted(1, 1, -1, -1) : drawn;
    const QImage wanted = WithPicture(bare, drawn, SkinImage(skin, picture));
    QVERIFY2(RegionDistance(wanted, WithPicture(bare, drawn, SkinImage(other, picture)), target) > kAlike,
             "the skins' pictures look alike");
    const int off = RegionDistance(painted, wanted, target);
    QVERIFY2(off <= kSame, qPrintable(QStringLiteral("off by %1").arg(off)));
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
