#pragma once

#include <QString>

namespace MKBase {

// Process-wide log file. One UTF-8 line per call, written and flushed at
// once so that a crash never loses the lines before it.
class LoggerObject
{
public:
    // Opens dir + "/log/" + fileName for appending (creating the folder).
    static bool InitLogger(const char* fileName, const char* dir);
    static bool InitLogger(const QString& fileName, const QString& dir);
    static void info(const QString& text);
    static void info(const char* text);
    static void ReleaseLogger();
    static bool IsOpen();
    static QString LogFilePath();

    // Formats "message ##function:line##" as every line of the log reads.
    static QString FormatLine(const char* function, int line, const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 3, 4)))
#endif
        ;
};

} // namespace MKBase

#define MK_LOG(...)                                                                                                    \
    ::MKBase::LoggerObject::info(::MKBase::LoggerObject::FormatLine(__FUNCTION__, __LINE__, __VA_ARGS__))
