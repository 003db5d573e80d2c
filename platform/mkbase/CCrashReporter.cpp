#include "CCrashReporter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

#include <cxxabi.h>
#include <dirent.h>
#include <dlfcn.h>
#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

namespace MKBase {

namespace {

// Everything from here to the Qt part runs inside a crashing process: only
// async-signal-safe calls, no allocation, no locks, fixed buffers.

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr size_t kPathMax = 4096;
constexpr size_t kHeaderMax = 16 * 1024;
constexpr int kMaxFrames = 128;
// Faults this close to the stack pointer are the stack running out.
constexpr uintptr_t kStackOverflowBand = 64 * 1024;
// A reporter that hangs (say, the unwinder deadlocks on a lock the crashed
// thread held) must not keep a dead process around.
constexpr unsigned kReportDeadlineSeconds = 20;

const char kReportPrefix[] = "crash-";
const char kReportSuffix[] = ".txt";

char g_header[kHeaderMax];
size_t g_headerLength = 0;
char g_reportDir[kPathMax];
char g_logPath[kPathMax];
bool g_eventDue = false;
bool g_installed = false;
// Room for the handler when the fault was a thread's stack running out.
constexpr size_t kAltStackSize = 256 * 1024;
alignas(16) char g_altStack[kAltStackSize];
char g_copyBuffer[16 * 1024];

// The cause that terminate or a failed allocation leaves for the SIGABRT
// handler that follows.
char g_causeText[1024];
std::atomic<const char*> g_cause {nullptr};
std::atomic<pid_t> g_reportingThread {0};

size_t TextLength(const char* text)
{
    size_t length = 0;
    while (text[length])
        ++length;
    return length;
}

bool StartsWith(const char* text, const char* prefix)
{
    while (*prefix) {
        if (*text++ != *prefix++)
            return false;
    }
    return true;
}

bool EndsWith(const char* text, const char* suffix)
{
    const size_t length = TextLength(text);
    const size_t suffixLength = TextLength(suffix);
    return length >= suffixLength && StartsWith(text + length - suffixLength, suffix);
}

int CompareText(const char* a, const char* b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

bool WriteAll(int fd, const char* data, size_t length)
{
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

// A text built on the stack; silently truncates when full.
template <size_t N> struct FixedText
{
    char data[N];
    size_t length = 0;

    FixedText() { data[0] = '\0'; }

    FixedText& Add(const char* text)
    {
        while (*text && length + 1 < N)
            data[length++] = *text++;
        data[length] = '\0';
        return *this;
    }
    FixedText& Number(unsigned long long value, int width = 0)
    {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value && count < 24);
        while (count < width && count < 24)
            digits[count++] = '0';
        char reversed[25];
        for (int i = 0; i < count; ++i)
            reversed[i] = digits[count - 1 - i];
        reversed[count] = '\0';
        return Add(reversed);
    }
    FixedText& Signed(long long value)
    {
        if (value < 0) {
            Add("-");
            return Number(0ULL - static_cast<unsigned long long>(value));
        }
        return Number(static_cast<unsigned long long>(value));
    }
    FixedText& Hex(uintptr_t value)
    {
        char digits[2 + 2 * sizeof(uintptr_t) + 1];
        digits[0] = '0';
        digits[1] = 'x';
        const int count = 2 * sizeof(uintptr_t);
        for (int i = 0; i < count; ++i)
            digits[2 + i] = "0123456789abcdef"[(value >> (4 * (count - 1 - i))) & 0xf];
        digits[2 + count] = '\0';
        return Add(digits);
    }
};

struct CivilTime
{
    long long year;
    unsigned month, day, hour, minute, second, millisecond;
};

// gmtime_r is not async-signal-safe; days to civil date after H. Hinnant.
CivilTime ToCivil(const timespec& when)
{
    CivilTime civil {};
    long long days = when.tv_sec / 86400;
    long long rest = when.tv_sec % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    civil.hour = static_cast<unsigned>(rest / 3600);
    civil.minute = static_cast<unsigned>(rest % 3600 / 60);
    civil.second = static_cast<unsigned>(rest % 60);
    civil.millisecond = static_cast<unsigned>(when.tv_nsec / 1000000);

    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    civil.day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    civil.month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    civil.year = static_cast<long long>(yearOfEra) + era * 400 + (civil.month <= 2 ? 1 : 0);
    return civil;
}

const char* SignalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

uintptr_t StackPointer(const void* context)
{
    const auto* uc = static_cast<const ucontext_t*>(context);
    if (!uc)
        return 0;
#if defined(__x86_64__)
    return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_RSP]);
#elif defined(__i386__)
    return static_cast<uintptr_t>(uc->uc_mcontext.gregs[REG_ESP]);
#elif defined(__aarch64__)
    return static_cast<uintptr_t>(uc->uc_mcontext.sp);
#else
    return 0;
#endif
}

template <size_t N> void AddCause(FixedText<N>& text, int sig, const siginfo_t* info, const void* context)
{
    const bool fault = info && info->si_code > 0;
    if (!fault && sig != SIGABRT) {
        text.Add(SignalName(sig)).Add(" sent by process ").Signed(info ? info->si_pid : 0);
        return;
    }
    const auto address = reinterpret_cast<uintptr_t>(info ? info->si_addr : nullptr);
    switch (sig) {
    case SIGSEGV: {
        const uintptr_t sp = StackPointer(context);
        if (sp && address + kStackOverflowBand > sp && address < sp + kStackOverflowBand)
            text.Add("stack overflow");
        else if (address < 4096)
            text.Add("null pointer access");
        else
            text.Add("invalid memory access");
        break;
    }
    case SIGBUS:
        text.Add("bus error (memory that is no longer backed, e.g. a truncated mapped file)");
        break;
    case SIGFPE:
        text.Add(info->si_code == FPE_INTDIV       ? "integer division by zero"
                     : info->si_code == FPE_INTOVF ? "integer overflow"
                                                   : "arithmetic error");
        break;
    case SIGILL:
        text.Add("illegal instruction");
        break;
    default: {
        const char* cause = g_cause.load();
        text.Add(cause ? cause : "abort");
        break;
    }
    }
}

// Copies the tail of the log next to the report.
bool CopyLog(const char* target)
{
    if (!g_logPath[0])
        return false;
    const int in = open(g_logPath, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat info
    {
    };
    if (fstat(in, &info) == 0 && info.st_size > CCrashReporter::kMaxLogCopy)
        lseek(in, info.st_size - CCrashReporter::kMaxLogCopy, SEEK_SET);
    const int out = open(target, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (out < 0) {
        close(in);
        return false;
    }
    bool ok = true;
    long long copied = 0;
    while (copied < CCrashReporter::kMaxLogCopy) {
        const ssize_t got = read(in, g_copyBuffer, sizeof g_copyBuffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        if (!WriteAll(out, g_copyBuffer, static_cast<size_t>(got))) {
            ok = false;
            break;
        }
        copied += got;
    }
    close(in);
    close(out);
    return ok;
}

// Drops the oldest reports beyond the limit, straight from the directory
// entries since readdir is not async-signal-safe.
void TrimAfterWriting()
{
    const int dirFd = open(g_reportDir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return;
    alignas(8) char entries[8192];
    for (int round = 0; round < 64; ++round) {
        if (lseek(dirFd, 0, SEEK_SET) != 0)
            break;
        char oldest[256] = {};
        int count = 0;
        for (;;) {
            const ssize_t got = getdents64(dirFd, entries, sizeof entries);
            if (got <= 0)
                break;
            for (ssize_t offset = 0; offset < got;) {
                const auto* entry = reinterpret_cast<const dirent64*>(entries + offset);
                offset += entry->d_reclen;
                const char* name = entry->d_name;
                if (!StartsWith(name, kReportPrefix) || !EndsWith(name, kReportSuffix)
                    || TextLength(name) >= sizeof oldest)
                    continue;
                ++count;
                if (!oldest[0] || CompareText(name, oldest) < 0) {
                    const size_t length = TextLength(name);
                    for (size_t i = 0; i <= length; ++i)
                        oldest[i] = name[i];
                }
            }
        }
        if (count <= CCrashReporter::kMaxReports || !oldest[0])
            break;
        unlinkat(dirFd, oldest, 0);
        const size_t length = TextLength(oldest);
        oldest[length - 3] = 'l';
        oldest[length - 2] = 'o';
        oldest[length - 1] = 'g';
        unlinkat(dirFd, oldest, 0);
    }
    close(dirFd);
}

void WriteReport(int sig, const siginfo_t* info, const void* context)
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const CivilTime civil = ToCivil(now);
    const pid_t pid = getpid();

    FixedText<128> base;
    base.Add(kReportPrefix)
        .Number(static_cast<unsigned long long>(civil.year), 4)
        .Number(civil.month, 2)
        .Number(civil.day, 2)
        .Add("-")
        .Number(civil.hour, 2)
        .Number(civil.minute, 2)
        .Number(civil.second, 2)
        .Add("-")
        .Number(civil.millisecond, 3)
        .Add("-")
        .Number(static_cast<unsigned long long>(pid));

    FixedText<kPathMax> logCopy;
    logCopy.Add(g_reportDir).Add("/").Add(base.data).Add(".log");
    const bool haveLog = CopyLog(logCopy.data);
    if (!haveLog)
        unlink(logCopy.data);

    FixedText<kPathMax> finalPath;
    finalPath.Add(g_reportDir).Add("/").Add(base.data).Add(kReportSuffix);
    FixedText<kPathMax> tmpPath;
    tmpPath.Add(finalPath.data).Add(".tmp");
    const int fd = open(tmpPath.data, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        const char message[] = "crash: could not write a crash report\n";
        WriteAll(STDERR_FILENO, message, sizeof message - 1);
        return;
    }
    WriteAll(fd, g_header, g_headerLength);

    FixedText<2048> body;
    body.Add("Time: ")
        .Number(static_cast<unsigned long long>(civil.year), 4)
        .Add("-")
        .Number(civil.month, 2)
        .Add("-")
        .Number(civil.day, 2)
        .Add("T")
        .Number(civil.hour, 2)
        .Add(":")
        .Number(civil.minute, 2)
        .Add(":")
        .Number(civil.second, 2)
        .Add(".")
        .Number(civil.millisecond, 3)
        .Add("Z\n");
    body.Add("Process: ").Number(static_cast<unsigned long long>(pid)).Add("\n");
    body.Add("Thread: ").Number(static_cast<unsigned long long>(gettid())).Add("\n");
    body.Add("Signal: ").Number(static_cast<unsigned long long>(sig)).Add(" ").Add(SignalName(sig)).Add("\n");
    body.Add("Signal code: ").Signed(info ? info->si_code : 0).Add("\n");
    if (info && info->si_code > 0 && sig != SIGABRT)
        body.Add("Fault address: ").Hex(reinterpret_cast<uintptr_t>(info->si_addr)).Add("\n");
    body.Add("Cause: ");
    AddCause(body, sig, info, context);
    body.Add("\n");
    body.Add("Log copy: ").Add(haveLog ? base.data : "none").Add(haveLog ? ".log\n" : "\n");
    body.Add("Usage event: ").Add(g_eventDue ? "due" : "none").Add("\n");
    body.Add("Stack:\n");
    WriteAll(fd, body.data, body.length);

    void* frames[kMaxFrames];
    const int count = backtrace(frames, kMaxFrames);
    backtrace_symbols_fd(frames, count, fd);
    fsync(fd);
    close(fd);
    rename(tmpPath.data, finalPath.data);
    TrimAfterWriting();

    FixedText<kPathMax + 64> message;
    message.Add("crash: ").Add(SignalName(sig)).Add(", report written to ").Add(finalPath.data).Add("\n");
    WriteAll(STDERR_FILENO, message.data, message.length);
}

void OnFatalSignal(int sig, siginfo_t* info, void* context)
{
    const pid_t self = gettid();
    pid_t expected = 0;
    if (!g_reportingThread.compare_exchange_strong(expected, self)) {
        // A fault inside the reporter itself: give up at once.
        if (expected == self)
            _exit(128 + sig);
        // Another thread is writing the report and will end the process.
        for (;;)
            pause();
    }
    alarm(kReportDeadlineSeconds);
    WriteReport(sig, info, context);

    // Die of the same signal so the exit status tells what happened. The
    // signal is blocked while this handler runs, so the raise lands as soon
    // as it returns; a hardware fault would simply recur.
    struct sigaction fallback
    {
    };
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(sig, &fallback, nullptr);
    raise(sig);
}

// libstdc++ reaches terminate from a pure virtual call through
// __cxa_pure_virtual; its frame on the stack is the only trace of it.
bool CalledFromPureVirtual()
{
    void* frames[32];
    const int count = backtrace(frames, 32);
    for (int i = 1; i < count; ++i) {
        Dl_info symbol {};
        // Return addresses point past the call, possibly into the next symbol.
        if (dladdr(static_cast<char*>(frames[i]) - 1, &symbol) && symbol.dli_sname
            && std::strcmp(symbol.dli_sname, "__cxa_pure_virtual") == 0)
            return true;
    }
    return false;
}

void SetCause(const char* text)
{
    std::snprintf(g_causeText, sizeof g_causeText, "%s", text);
    g_cause.store(g_causeText);
}

[[noreturn]] void OnTerminate()
{
    if (CalledFromPureVirtual()) {
        SetCause("pure virtual function call");
    } else if (std::exception_ptr current = std::current_exception()) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        int status = -1;
        char* readable = type ? abi::__cxa_demangle(type->name(), nullptr, nullptr, &status) : nullptr;
        const char* typeName = readable ? readable : (type ? type->name() : "unknown type");
        // Rethrowing is the only portable way to reach what().
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& error) {
            std::snprintf(g_causeText, sizeof g_causeText, "uncaught exception %s: %s", typeName, error.what());
        } catch (...) {
            std::snprintf(g_causeText, sizeof g_causeText, "uncaught exception %s", typeName);
        }
        std::free(readable);
        g_cause.store(g_causeText);
    } else {
        SetCause("std::terminate called");
    }
    std::abort();
}

void OnAllocationFailure()
{
    SetCause("memory allocation failed (operator new)");
    std::abort();
}

QString OneLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

bool CopyPath(char* target, const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    // Leave room for the report file names appended in the handler.
    if (bytes.size() + 128 >= static_cast<int>(kPathMax))
        return false;
    std::memcpy(target, bytes.constData(), static_cast<size_t>(bytes.size()));
    target[bytes.size()] = '\0';
    return true;
}

} // namespace

bool CCrashReporter::Install(const QString& reportDir, const CrashReportValues& values, const QString& logFilePath,
                             Callback callback)
{
    if (UnderSanitizer() || reportDir.isEmpty() || !QDir().mkpath(reportDir))
        return false;
    TrimReports(reportDir, kMaxReports);

    const QString header
        = QStringLiteral("Database: %1\nApplication: %2\nVersion: %3\nUser: %4\n"
                         "E-mail: %5\nDescription: %6\nNotes: %7\n")
              .arg(OneLine(values.database), OneLine(values.application), OneLine(values.version),
                   OneLine(values.userName), OneLine(values.email), OneLine(values.description), OneLine(values.notes));
    const QByteArray headerBytes = header.toUtf8().left(static_cast<int>(kHeaderMax));
    if (!CopyPath(g_reportDir, QDir(reportDir).absolutePath()))
        return false;
    if (!CopyPath(g_logPath, logFilePath))
        g_logPath[0] = '\0';
    std::memcpy(g_header, headerBytes.constData(), static_cast<size_t>(headerBytes.size()));
    g_headerLength = static_cast<size_t>(headerBytes.size());
    g_eventDue = callback != nullptr;

    if (g_installed)
        return true;

    // The first backtrace loads the unwinder; doing it now keeps the dynamic
    // loader out of the signal handler.
    void* frames[4];
    backtrace(frames, 4);

    // The installing (main) thread's alternate stack; other threads get
    // theirs from PrepareThread.
    stack_t stack {};
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof g_altStack;
    if (sigaltstack(&stack, nullptr) != 0)
        return false;
    struct sigaction action
    {
    };
    action.sa_sigaction = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    for (int sig : kFatalSignals) {
        if (sigaction(sig, &action, nullptr) != 0)
            return false;
    }
    std::set_terminate(OnTerminate);
    std::set_new_handler(OnAllocationFailure);
    g_installed = true;
    return true;
}

namespace {

// A thread's own alternate signal stack, given back when the thread ends.
struct ThreadAltStack
{
    void* memory = nullptr;

    ThreadAltStack()
    {
        stack_t current {};
        if (sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE))
            return;
        memory = std::malloc(kAltStackSize);
        if (!memory)
            return;
        stack_t stack {};
        stack.ss_sp = memory;
        stack.ss_size = kAltStackSize;
        if (sigaltstack(&stack, nullptr) != 0) {
            std::free(memory);
            memory = nullptr;
        }
    }

    ~ThreadAltStack()
    {
        if (!memory)
            return;
        stack_t off {};
        off.ss_flags = SS_DISABLE;
        sigaltstack(&off, nullptr);
        std::free(memory);
    }
};

} // namespace

void CCrashReporter::PrepareThread()
{
    if (!g_installed)
        return;
    thread_local ThreadAltStack stack;
    (void)stack;
}

bool CCrashReporter::UnderSanitizer()
{
#if defined(RVPDF_SANITIZED) || defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

bool CCrashReporter::IsInstalled()
{
    return g_installed;
}

QStringList CCrashReporter::PendingReports(const QString& reportDir)
{
    const QDir dir(reportDir);
    QStringList paths;
    const QStringList names = dir.entryList({QStringLiteral("crash-*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        paths << dir.filePath(name);
    return paths;
}

int CCrashReporter::TrimReports(const QString& reportDir, int nKeep)
{
    const QStringList pending = PendingReports(reportDir);
    int removed = 0;
    for (int i = 0; i < pending.size() - qMax(nKeep, 0); ++i) {
        QFile::remove(pending.at(i));
        QFile::remove(pending.at(i).chopped(4) + QStringLiteral(".log"));
        ++removed;
    }
    // Half-written reports and logs whose report never got its name belong
    // to crashes that died mid-way; a fresh one may still be in progress.
    const QDir dir(reportDir);
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList leftovers
        = dir.entryInfoList({QStringLiteral("crash-*.tmp"), QStringLiteral("crash-*.log")}, QDir::Files);
    for (const QFileInfo& file : leftovers) {
        const bool orphan = file.suffix() == QLatin1String("tmp")
            || !QFileInfo::exists(dir.filePath(file.completeBaseName() + QStringLiteral(".txt")));
        if (orphan && file.lastModified().toUTC() < stale)
            QFile::remove(file.filePath());
    }
    return removed;
}

QMap<QString, QString> CCrashReporter::ReadReportFields(const QString& reportPath)
{
    QMap<QString, QString> fields;
    QFile file(reportPath);
    if (!file.open(QIODevice::ReadOnly))
        return fields;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line == QLatin1String("Stack:"))
            break;
        const int colon = line.indexOf(QLatin1String(": "));
        if (colon > 0)
            fields.insert(line.left(colon), line.mid(colon + 2));
    }
    return fields;
}

QString CCrashReporter::LogCopyPath(const QString& reportPath)
{
    if (!reportPath.endsWith(QLatin1String(".txt")))
        return QString();
    const QString path = reportPath.chopped(4) + QStringLiteral(".log");
    return QFileInfo::exists(path) ? path : QString();
}

int CCrashReporter::DeliverDueEvents(const QString& reportDir, Callback callback)
{
    if (!callback)
        return 0;
    const QByteArray due = "\nUsage event: due\n";
    int delivered = 0;
    for (const QString& path : PendingReports(reportDir)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QByteArray content = file.readAll();
        file.close();
        const int at = content.indexOf(due);
        if (at < 0)
            continue;
        // Marked first: an event must never be sent twice, even if the
        // callback itself brings the process down.
        content.replace(at, due.size(), "\nUsage event: sent\n");
        QSaveFile save(path);
        if (!save.open(QIODevice::WriteOnly) || save.write(content) != content.size() || !save.commit())
            continue;
        int sig = ReadReportFields(path).value(QStringLiteral("Signal")).section(QLatin1Char(' '), 0, 0).toInt();
        callback(kCrashEventCode, &sig, nullptr);
        ++delivered;
    }
    return delivered;
}

} // namespace MKBase
