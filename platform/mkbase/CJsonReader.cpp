#include "CJsonReader.h"

#include <QFile>

namespace MKBase {

QJsonDocument CJsonReader::ParseJsonFileToDocument(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    if (file.size() > kMaxFileSize) {
        if (error)
            *error = QStringLiteral("file too large");
        return {};
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = parseError.errorString();
        return {};
    }
    return doc;
}

QJsonObject CJsonReader::ParseJsonFileToObject(const QString& path)
{
    return ParseJsonFileToDocument(path).object();
}

QJsonArray CJsonReader::ParseJsonFileToArray(const QString& path)
{
    return ParseJsonFileToDocument(path).array();
}

QJsonValue CJsonReader::ParseJsonFile(const QString& path, const QString& key)
{
    const QJsonObject object = ParseJsonFileToObject(path);
    return object.contains(key) ? object.value(key) : QJsonValue(QJsonValue::Undefined);
}

} // namespace MKBase
