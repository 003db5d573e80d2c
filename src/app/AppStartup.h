#pragma once

#include <QString>
#include <QStringList>

// Instance key of the brand: its product.json "BundleId", or "MarvikPDF"
// when the file or the key is missing.
QString ReadBundleId(const QString& bundle, const QString& region);
QString ReadBundleIdFromFile(const QString& productJsonPath);

// Every argv entry, the program path included.
QStringList BuildArgumentList(int argc, char** argv);
