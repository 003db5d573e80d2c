#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// One fuzz target: a function fed arbitrary bytes that checks what a caller
// relies on. Built two ways from the same source: with libFuzzer's engine
// (RVPDF_FUZZ_ENGINE, one executable per target) and into the normal
// suite's replay test, which runs every seed and every saved finding.
namespace Fuzz {

using TargetFunction = void (*)(const QByteArray& data);

struct Target
{
    QString name;
    TargetFunction function = nullptr;
};

struct Registrar
{
    Registrar(const char* name, TargetFunction function);
};

QList<Target>& Targets();
// Private HOME and XDG folders and the application object, once per process
// (the replay test has its own).
void Setup();
// A failed check is a finding: report it and stop like any crash.
[[noreturn]] void Fail(const char* condition, const char* file, int line);

} // namespace Fuzz

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            Fuzz::Fail(#condition, __FILE__, __LINE__);                                            \
    } while (0)

#ifdef RVPDF_FUZZ_ENGINE
#define RV_FUZZ_TARGET(name)                                                                       \
    static void name##Target(const QByteArray& data);                                              \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)                       \
    {                                                                                              \
        Fuzz::Setup();                                                                             \
        name##Target(QByteArray(reinterpret_cast<const char*>(bytes), int(size)));                 \
        return 0;                                                                                  \
    }                                                                                              \
    static void name##Target(const QByteArray& data)
#else
#define RV_FUZZ_TARGET(name)                                                                       \
    static void name##Target(const QByteArray& data);                                              \
    static const Fuzz::Registrar name##Registrar(#name, name##Target);                             \
    static void name##Target(const QByteArray& data)
#endif
