// Renders the skins' SVG icon sources to PNG at 1x and 2x, filling the
// colour tokens "{{name}}" from a skin's colors.json.
//
//   svgrender <colors.json> <source dir> <output dir>
//
// and renders one plain SVG at square sizes, to <prefix><size>.png:
//
//   svgrender --sizes <file.svg> <output prefix> <size>...

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QByteArray FillTokens(QByteArray svg, const QJsonObject& colors, const QString& file, bool* ok)
{
    static const QRegularExpression token("\\{\\{([A-Za-z0-9_]+)\\}\\}");
    QString text = QString::fromUtf8(svg);
    QRegularExpressionMatch match;
    while ((match = token.match(text)).hasMatch()) {
        const QString name = match.captured(1);
        if (!colors.contains(name)) {
            std::fprintf(stderr, "%s: no colour named %s\n", qPrintable(file), qPrintable(name));
            *ok = false;
            return {};
        }
        text.replace(match.capturedStart(), match.capturedLength(), colors.value(name).toString());
    }
    return text.toUtf8();
}

bool Render(const QByteArray& svg, const QString& target, int scale)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    const QSize size = renderer.defaultSize() * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QDir().mkpath(QFileInfo(target).absolutePath());
    return image.save(target, "PNG");
}

} // namespace

static int RenderSizes(int argc, char** argv)
{
    QFile in(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    QSvgRenderer renderer(in.readAll());
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot render %s\n", argv[2]);
        return 1;
    }
    const QString prefix = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(QFileInfo(prefix + "0").absolutePath());
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0)
            return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        if (!image.save(prefix + QString::number(size) + ".png", "PNG")) {
            std::fprintf(stderr, "cannot write %s%d.png\n", argv[3], size);
            return 1;
        }
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc >= 5 && QByteArray(argv[1]) == "--sizes")
        return RenderSizes(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: svgrender <colors.json> <source dir> <output dir>\n");
        return 2;
    }
    QFile colorFile(QString::fromLocal8Bit(argv[1]));
    if (!colorFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QJsonObject colors = QJsonDocument::fromJson(colorFile.readAll()).object();
    const QDir source(QString::fromLocal8Bit(argv[2]));
    const QString output = QString::fromLocal8Bit(argv[3]);

    int failures = 0;
    QDirIterator it(source.path(), {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            ++failures;
            continue;
        }
        bool ok = true;
        const QByteArray svg = FillTokens(in.readAll(), colors, file, &ok);
        const QString base = output + "/" + source.relativeFilePath(file).chopped(4);
        if (!ok || !Render(svg, base + ".png", 1) || !Render(svg, base + "@2x.png", 2)) {
            std::fprintf(stderr, "cannot render %s\n", qPrintable(file));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
