// The direction of every dependency in the tree, read from the #include
// lines: the shell uses the libraries, the libraries use Qt, and inside the
// document engine each layer uses only the layers below it.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The engine's layers from the bottom up; a layer may include its own
// headers and those of the layers before it.
const QStringList kLayers = {"document", "work", "edit", "view", "box"};

struct Include
{
    QString file; // relative to the tree's root
    int line;
    QString header; // without its folder
    QString written; // as written, with its folder
};

// Where each header of a tree lives: its folder relative to the root.
using HeaderIndex = QHash<QString, QString>;

QStringList SourceFiles(const QString& root, const QString& folder)
{
    QStringList files;
    QDirIterator it(root + "/" + folder, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

HeaderIndex IndexHeaders(const QString& root)
{
    HeaderIndex index;
    for (const QString& folder : {QStringLiteral("platform"), QStringLiteral("src")}) {
        for (const QString& file : SourceFiles(root, folder)) {
            if (file.endsWith(".h"))
                index.insert(QFileInfo(file).fileName(), QFileInfo(file).path());
        }
    }
    return index;
}

QVector<Include> Includes(const QString& root, const QStringList& files)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"));
    QVector<Include> found;
    for (const QString& file : files) {
        QFile source(root + "/" + file);
        if (!source.open(QIODevice::ReadOnly))
            continue;
        int line = 0;
        while (!source.atEnd()) {
            ++line;
            const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(source.readLine()));
            if (match.hasMatch())
                found.append({file, line, QFileInfo(match.captured(1)).fileName(), match.captured(1)});
        }
    }
    return found;
}

// The engine layer a path lies in ("view" for view/bars/...), or empty.
QString LayerOf(const QString& path)
{
    const QString prefix = "platform/mkpdf/";
    if (!path.startsWith(prefix))
        return QString();
    const QString layer = path.mid(prefix.size()).section('/', 0, 0);
    return kLayers.contains(layer) ? layer : QString();
}

QString LibraryOf(const QString& path)
{
    if (path.startsWith("src"))
        return "src";
    return path.startsWith("platform/") ? path.section('/', 1, 1) : QString();
}

bool IsWidgetHeader(const QString& header)
{
    for (const char* module : {RVPDF_QT_WIDGETS_DIR, RVPDF_QT_PRINTSUPPORT_DIR}) {
        if (QFileInfo::exists(QString::fromUtf8(module) + "/" + header))
            return true;
    }
    return false;
}

QString Where(const Include& include)
{
    return QStringLiteral("%1:%2: %3").arg(include.file).arg(include.line).arg(include.header);
}

// Every include of the tree at root that breaks the rule; each as
// "file:line: header (why)".
QStringList Broken(const QString& root, const QString& rule, const QStringList& publicHeaders)
{
    const HeaderIndex index = IndexHeaders(root);
    QStringList broken;
    const QVector<Include> includes
        = Includes(root, SourceFiles(root, "platform") + SourceFiles(root, "src"));
    for (const Include& include : includes) {
        const QString to = index.value(include.header);
        const QString fromLayer = LayerOf(include.file);
        const QString fromLibrary = LibraryOf(include.file);
        if (rule == "layers") {
            const QString toLayer = LayerOf(to);
            if (!fromLayer.isEmpty() && !toLayer.isEmpty() && kLayers.indexOf(toLayer) > kLayers.indexOf(fromLayer))
                broken << Where(include) + QStringLiteral(" (%1 includes %2)").arg(fromLayer, toLayer);
        } else if (rule == "libraries") {
            // The one way: src -> mkcore, mkpdf -> mkcontrol -> mkbase.
            static const QHash<QString, QStringList> allowed = {{"mkbase", {"mkbase"}},
                                                               {"mkcontrol", {"mkcontrol", "mkbase"}},
                                                               {"mkcore", {"mkcore", "mkcontrol", "mkbase"}},
                                                               {"mkpdf", {"mkpdf", "mkcontrol", "mkbase"}}};
            const QString toLibrary = LibraryOf(to);
            if (allowed.contains(fromLibrary) && !toLibrary.isEmpty() && !allowed[fromLibrary].contains(toLibrary))
                broken << Where(include) + QStringLiteral(" (%1 includes %2)").arg(fromLibrary, toLibrary);
        } else if (rule == "no widgets below edit") {
            const bool ours = LibraryOf(to) == "mkcontrol" || LibraryOf(to) == "mkcore";
            if ((fromLayer == "document" || fromLayer == "work") && (ours || IsWidgetHeader(include.header)))
                broken << Where(include) + QStringLiteral(" (a widget header in %1)").arg(fromLayer);
            // The edit layer keeps its changes on Qt's undo stack, which
            // Qt 5 ships with its widgets, and uses nothing else of them.
            static const QStringList undo = {"QUndoStack", "QUndoCommand", "QUndoGroup"};
            if (fromLayer == "edit" && (ours || (IsWidgetHeader(include.header) && !undo.contains(include.header))))
                broken << Where(include) + " (a widget header in edit)";
        } else if (rule == "public engine headers") {
            if (fromLibrary == "src" && LibraryOf(to) == "mkpdf" && !publicHeaders.contains(include.header))
                broken << Where(include) + " (the shell includes an engine header that is not public)";
        } else if (rule == "windows and session apart") {
            // The session keeper sees the windows through a small interface
            // and the manager only signals, so neither includes the other.
            static const QHash<QString, QString> apart = {{"CMainViewManager", "CSessionKeeper.h"},
                                                         {"CSessionKeeper", "CMainViewManager.h"}};
            const QString from = QFileInfo(include.file).completeBaseName();
            if (apart.value(from) == include.header)
                broken << Where(include) + " (the window manager and the session keeper call each other)";
        } else if (rule == "readers and writers in document") {
            const bool backend = include.written.startsWith("poppler") || include.written.startsWith("qpdf/")
                || include.written.startsWith("tesseract/") || include.written.startsWith("leptonica/");
            if (backend && fromLayer != "document")
                broken << Where(include) + " (poppler, qpdf and tesseract belong to the document layer)";
        }
    }
    return broken;
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT
private slots:
    void includesPointOneWay_data();
    void includesPointOneWay();
};

void TestLayers::includesPointOneWay_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("planted"); // a file and an include that breaks the rule
    QTest::newRow("layers") << "layers" << "platform/mkpdf/work/CPlanted.cpp|#include \"CPageView.h\"";
    QTest::newRow("libraries") << "libraries" << "platform/mkbase/CPlanted.cpp|#include \"MKApplication.h\"";
    QTest::newRow("no widgets below edit")
        << "no widgets below edit" << "platform/mkpdf/document/CPlanted.cpp|#include <QLabel>";
    QTest::newRow("public engine headers")
        << "public engine headers" << "src/app/Planted.cpp|#include \"CPageView.h\"";
    QTest::newRow("readers and writers in document")
        << "readers and writers in document" << "platform/mkpdf/view/CPlanted.cpp|#include <poppler-qt5.h>";
    QTest::newRow("windows and session apart")
        << "windows and session apart" << "src/windows/CSessionKeeper.cpp|#include \"CMainViewManager.h\"";
    QTest::newRow("recognizer in document")
        << "readers and writers in document" << "platform/mkpdf/work/CPlanted.cpp|#include <tesseract/baseapi.h>";
}

void TestLayers::includesPointOneWay()
{
    QFETCH(QString, rule);
    QFETCH(QString, planted);
    const QString root = QStringLiteral(RVPDF_SOURCE_DIR);
    const QStringList publicHeaders = QString::fromUtf8(RVPDF_ENGINE_PUBLIC_HEADERS).split(',', Qt::SkipEmptyParts);
    QVERIFY(!publicHeaders.isEmpty());

    const QStringList broken = Broken(root, rule, publicHeaders);
    QVERIFY2(broken.isEmpty(), qPrintable("\n" + broken.join('\n')));

    // The rule sees a break: the same check over a copy of the tree's
    // headers with one bad include planted.
    QTemporaryDir copy;
    QVERIFY(copy.isValid());
    const HeaderIndex index = IndexHeaders(root);
    for (auto it = index.constBegin(); it != index.constEnd(); ++it) {
        QVERIFY(QDir().mkpath(copy.path() + "/" + it.value()));
        QFile header(copy.path() + "/" + it.value() + "/" + it.key());
        QVERIFY(header.open(QIODevice::WriteOnly));
    }
    const QString file = planted.section('|', 0, 0);
    QVERIFY(QDir().mkpath(QFileInfo(copy.path() + "/" + file).path()));
    QFile bad(copy.path() + "/" + file);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("// planted\n" + planted.section('|', 1).toUtf8() + "\n");
    bad.close();
    const QStringList found = Broken(copy.path(), rule, publicHeaders);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.first().startsWith(file + ":2: "), qPrintable(found.first()));
}

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
