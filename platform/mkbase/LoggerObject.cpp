#include "LoggerObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cstdarg>

namespace MKBase {

namespace {

// Keeps one previous generation so a long-lived installation never grows
// the log without bound.
constexpr qint64 kRotateSize = 4 * 1024 * 1024;

QMutex& LogMutex()
{
    static QMutex mutex;
    return mutex;
}

QFile*& LogFile()
{
    static QFile* file = nullptr;
    return file;
}

} // namespace

bool LoggerObject::InitLogger(const char* fileName, const char* dir)
{
    return InitLogger(QString::fromUtf8(fileName), QString::fromUtf8(dir));
}

bool LoggerObject::InitLogger(const QString& fileName, const QString& dir)
{
    QMutexLocker locker(&LogMutex());
    if (LogFile()) {
        LogFile()->close();
        delete LogFile();
        LogFile() = nullptr;
    }
    if (fileName.isEmpty() || dir.isEmpty())
        return false;

    const QString logDir = dir + "/log";
    if (!QDir().mkpath(logDir))
        return false;

    const QString path = logDir + "/" + fileName;
    QFileInfo info(path);
    if (info.exists() && info.size() > kRotateSize) {
        QFile::remove(path + ".old");
        QFile::rename(path, path + ".old");
    }

    auto* file = new QFile(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        delete file;
        return false;
    }
    LogFile() = file;
    return true;
}

void LoggerObject::info(const QString& text)
{
    QMutexLocker locker(&LogMutex());
    QFile* file = LogFile();
    if (!file)
        return;
    QByteArray line = text.toUtf8();
    line.replace('\n', ' ');
    line.append('\n');
    file->write(line);
    file->flush();
}

void LoggerObject::info(const char* text)
{
    info(QString::fromUtf8(text));
}

void LoggerObject::ReleaseLogger()
{
    QMutexLocker locker(&LogMutex());
    if (QFile* file = LogFile()) {
        file->flush();
        file->close();
        delete file;
        LogFile() = nullptr;
    }
}

bool LoggerObject::IsOpen()
{
    QMutexLocker locker(&LogMutex());
    return LogFile() != nullptr;
}

QString LoggerObject::LogFilePath()
{
    QMutexLocker locker(&LogMutex());
    return LogFile() ? LogFile()->fileName() : QString();
}

QString LoggerObject::FormatLine(const char* function, int line, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const QString message = QString::vasprintf(format, args);
    va_end(args);
    return message + QStringLiteral(" ##") + QString::fromUtf8(function) + QLatin1Char(':') + QString::number(line)
        + QStringLiteral("##");
}

} // namespace MKBase
