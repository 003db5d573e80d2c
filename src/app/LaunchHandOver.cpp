#include "LaunchHandOver.h"

#include "windows/CSingleInstance.h"

#include <cstdio>

QStringList BuildArgumentList(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc && argv; ++i) {
        if (argv[i])
            list << QString::fromLocal8Bit(argv[i]);
    }
    return list;
}

int HandOverToRunningInstance(CSingleInstance& instance, const QString& name, const QStringList& args)
{
    const QString file = args.value(args.indexOf(QStringLiteral("--")) + 1);
    const CSingleInstance::HandOver handOver {args, qgetenv("DESKTOP_STARTUP_ID"), qgetenv("XDG_ACTIVATION_TOKEN")};
    switch (instance.SendArguments(handOver)) {
    case CSingleInstance::Delivered:
        return 0;
    case CSingleInstance::BecameFirst:
        return -1;
    case CSingleInstance::TooLong:
        std::fprintf(stderr, "%s is running, but this path is too long to hand over to it; not opened: %s\n",
                     qPrintable(name), qPrintable(file));
        return 2;
    case CSingleInstance::NoAnswer:
        break;
    }
    std::fprintf(stderr, "%s is running but did not answer in time; not opened: %s\n", qPrintable(name),
                 qPrintable(file.isEmpty() ? QStringLiteral("-") : file));
    return 1;
}
