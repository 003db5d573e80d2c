#include "CLaunchRequest.h"

#include <QCommandLineParser>
#include <QDir>
#include <QUrl>

namespace {

// A page number beyond any document, and a query beyond any need.
constexpr int kMostPages = 1000000;
constexpr int kLongestQuery = 1000;

} // namespace

QString CLaunchRequest::AbsolutePath(const QString& argument, const QString& dir)
{
    if (argument.isEmpty())
        return argument;
    const QUrl url(argument);
    if (url.isValid() && url.scheme().size() > 1) {
        if (!url.isLocalFile())
            return argument;
        return QDir::cleanPath(url.toLocalFile());
    }
    return QDir::cleanPath(QDir(dir).absoluteFilePath(argument));
}

CLaunchRequest CLaunchRequest::Parse(const QStringList& args, const QString& dir)
{
    CLaunchRequest request;
    request.program = args.value(0);
    QCommandLineParser parser;
    const QCommandLineOption install("install", QString(), "value");
    const QCommandLineOption uninstall("uninstall");
    const QCommandLineOption help("help");
    const QCommandLineOption version("version");
    const QCommandLineOption page("page", QString(), "number");
    const QCommandLineOption find("find", QString(), "text");
    parser.addOptions({install, uninstall, help, version, page, find});
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(args)) {
        request.error = parser.errorText();
        return request;
    }
    request.help = parser.isSet(help);
    request.version = parser.isSet(version);
    request.uninstall = parser.isSet(uninstall);
    if (parser.isSet(install))
        request.install = parser.value(install).toInt(nullptr, 10);
    if (parser.isSet(page)) {
        bool ok = false;
        request.page = parser.value(page).toInt(&ok);
        if (!ok || request.page < 1 || request.page > kMostPages) {
            request.error = QStringLiteral("--page needs a page number from 1, not '%1'.").arg(parser.value(page));
            return request;
        }
    }
    if (parser.isSet(find)) {
        request.find = parser.value(find).trimmed().left(kLongestQuery);
        if (request.find.isEmpty()) {
            request.error = QStringLiteral("--find needs a text to find.");
            return request;
        }
    }
    const QString first = parser.positionalArguments().value(0);
    if (first == QLatin1String("-")) {
        request.error = QStringLiteral("Reading a document from standard input is not supported; name its file.");
        return request;
    }
    if (!first.isEmpty() && dir.isEmpty() && QDir::isRelativePath(first) && QUrl(first).scheme().size() <= 1) {
        request.error = QStringLiteral("A relative file name cannot be handed over.");
        return request;
    }
    request.file = AbsolutePath(first, dir);
    return request;
}

QStringList CLaunchRequest::HandOver() const
{
    QStringList list {program};
    if (page > 0)
        list << QStringLiteral("--page=%1").arg(page);
    if (!find.isEmpty())
        list << QStringLiteral("--find=%1").arg(find);
    // After "--": a file whose name starts with a dash stays a file.
    if (!file.isEmpty())
        list << QStringLiteral("--") << file;
    return list;
}
