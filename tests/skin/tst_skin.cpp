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
#include "TestWindows.h"
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

// The skinned widgets of a window that paint pictures and colours of their
// own: a title bar with tabs (the middle one current, the last hovered), the
// tab list and the recent-file list.
struct Widgets
{
    QWidget titleBar;
    CTabBar* tabBar = new CTabBar(&titleBar);
    CFileListView fileList;

    Widgets()
    {
        titleBar.setObjectName("widget_title_bar");
        titleBar.resize(760, 40);
        tabBar->setGeometry(0, 0, 760, 40);
        for (const char* title : {"Alpha", "Bravo", "Charlie"})
            tabBar->AddItem(title, false, nullptr, false);
        tabBar->SetCurrentIndex(1);
        titleBar.show();
        tabBar->ListWidget()->ensurePolished();
        tabBar->ListWidget()->View()->ensurePolished();
        fileList.resize(500, 300);
        fileList.show();
        fileList.ensurePolished();
    }

    QImage Paint(const QString& where, const QModelIndex& file)
    {
        if (where == "tab bar") {
            const QPoint hovered = tabBar->GetItemRect(2).center();
            QMouseEvent move(QEvent::MouseMove, hovered, tabBar->mapToGlobal(hovered), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(tabBar, &move);
            const QImage image = titleBar.grab().toImage();
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(tabBar, &leave);
            return image;
        }
        if (where == "tab list") {
            CTabListView* view = tabBar->ListWidget()->View();
            return PaintRow(*view->Delegate(), view->model()->index(1, 0), QRect(0, 0, 240, 28));
        }
        if (where == "file list")
            return PaintRow(*fileList.Delegate(), file, QRect(0, 0, 400, 56));
        fileList.ItemMenu()->adjustSize();
        return fileList.ItemMenu()->grab().toImage();
    }
};

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
    void switchedWidgetsPaintLikeNewOnes_data();
    void switchedWidgetsPaintLikeNewOnes();

private:
    void SwitchTo(const QString& skin);
    void Tour(MainView* window, MainBox* document);

    PictureRecorder* recorder = nullptr;
    // Made once in the light skin and kept across skin switches, as the
    // widgets of a running window are.
    std::unique_ptr<Widgets> kept;
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
    kept.reset(new Widgets);
    auto* row = new QStandardItem;
    row->setData(QVariantMap {{"fileName", "Report.pdf"}, {"path", "/nowhere/Report.pdf"}, {"pin", true},
                              {"hasPassword", true}},
                 CFileListModel::RecentInfoRole);
    fileModel.appendRow(row);
}

void TestSkin::cleanupTestCase()
{
    kept.reset();
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
    // Each modal dialog or menu is shown long enough to paint it, then dismissed.
    const auto glance = [](QWidget* dialog) {
        dialog->grab();
        dialog->close();
    };
    QScopedPointer<ModalAnswerer> dialogs(new ModalAnswerer(glance, 4));
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
    dialogs.reset(new ModalAnswerer(glance, 6));
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
    QCOMPARE(TestWindows::Open(window, dir + "/rich.pdf"), 0);
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
    QTest::newRow("light") << "Light";
    QTest::newRow("dark") << "Dark";
}

void TestSkin::styleVariablesAndColours()
{
    QFETCH(QString, skin);
    const QJsonObject colors = ReadColors(skin);
    QVERIFY(colors.size() > 10);
    QCOMPARE(colors.keys(), ReadColors("light").keys());
    for (auto it = colors.begin(); it != colors.end(); ++it)
        QVERIFY2(MKApplication::ParseSkinColor(it.value().toString()).isValid(), qPrintable(it.key() + ": " + it.value().toString()));
    // Widgets the sheet leaves to the palette look like those it styles.
    SwitchTo(skin);
    const QPalette palette = QApplication::palette();
    QCOMPARE(palette.color(QPalette::Active, QPalette::Window), QColor(colors.value("window_color").toString()));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Highlight), QColor(colors.value("accent_color").toString()));
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(colors.value("disabled_text_color").toString()));
    // Every variable of the sheet resolved: none is left behind.
    const QString sheet = MKApplication::LoadSkinStyleSheet(Tree(skin));
    QVERIFY(sheet.size() > 1000);
    const QRegularExpressionMatch left = QRegularExpression("@[A-Za-z_]\\w*").match(sheet);
    QVERIFY2(!left.hasMatch(), qPrintable(left.captured()));
}

void TestSkin::switchedWidgetsPaintLikeNewOnes_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("where");
    for (const char* skin : {"Dark", "Light"}) {
        for (const char* where : {"tab bar", "tab list", "file list", "file menu"})
            QTest::addRow("%s %s", skin, where) << skin << where;
    }
}

// A widget made before a skin switch paints as one made after it: no colour
// or picture is kept from the skin before.
void TestSkin::switchedWidgetsPaintLikeNewOnes()
{
    QFETCH(QString, skin);
    QFETCH(QString, where);
    SwitchTo(skin == "Dark" ? "Light" : "Dark");
    const QImage other = Widgets().Paint(where, fileModel.index(0, 0));
    SwitchTo(skin);
    const QImage wanted = Widgets().Paint(where, fileModel.index(0, 0));
    // The skins must tell apart here, or the comparison proves nothing.
    QVERIFY(wanted != other);
    QCOMPARE(kept->Paint(where, fileModel.index(0, 0)), wanted);
}

RV_TEST_MAIN(TestSkin)
#include "tst_skin.moc"
