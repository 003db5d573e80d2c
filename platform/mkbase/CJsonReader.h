#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

namespace MKBase {

// Reads JSON files defensively: a missing, oversized or malformed file reads
// as empty, never as an error the caller has to handle.
class CJsonReader
{
public:
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    static QJsonDocument ParseJsonFileToDocument(const QString& path, QString* error = nullptr);
    static QJsonObject ParseJsonFileToObject(const QString& path);
    static QJsonArray ParseJsonFileToArray(const QString& path);
    // Value of one top-level key of an object file; undefined when absent.
    static QJsonValue ParseJsonFile(const QString& path, const QString& key);
};

} // namespace MKBase
