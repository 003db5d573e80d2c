#pragma once

#include <QByteArray>
#include <QString>

// Sets (or, with a null value, removes) one environment variable for the
// life of the object, and puts it back however the test ends.
class EnvOverride
{
public:
    EnvOverride(const char* variable, const QByteArray& value)
        : name(variable)
        , wasSet(qEnvironmentVariableIsSet(variable))
        , before(qgetenv(variable))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvOverride()
    {
        if (wasSet)
            qputenv(name, before);
        else
            qunsetenv(name);
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    const char* name;
    bool wasSet;
    QByteArray before;
};
