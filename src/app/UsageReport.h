#pragma once

#include <QDate>
#include <QString>

// Measurement credentials of a brand's analytics account; false for brands
// without one.
bool AnalyticsCredentials(const QString& bundle, QString* measurementId, QString* apiSecret);

// Sets up both report channels for the selected brand, once the user
// agreed to usage statistics.
void InitUsageReport(const QString& bundle, const QString& region);

// Counts a launch: the launch event, the first launch of each day, the
// highest version that ran and new users. today is the local date. Does
// nothing, and writes nothing, without the user's yes.
void CountLaunch(const QDate& today);
// Counts this process's launch with today's date; later calls do nothing, as
// a launch is a process however many windows it opens.
void CountLaunchOnce();
