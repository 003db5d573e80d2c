#pragma once

#include <QString>

struct CrashIdentity
{
    QString database;
    QString userName;
    QString email;
};

// The crash-report identity of a brand; false for brands without crash
// reporting.
bool CrashIdentityForBrand(const QString& bundle, const QString& region, CrashIdentity* identity);

void InitCrashReport(const QString& database, const QString& userName, const QString& email);
bool CrashCallback(unsigned int code, void* value1, void* value2);
// True once InitCrashReport ran in this process.
bool IsCrashReportInstalled();
