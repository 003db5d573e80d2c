#include "AppStartup.h"

#include "CJsonReader.h"

QString ReadBundleId(const QString& bundle, const QString& region)
{
    return ReadBundleIdFromFile(QStringLiteral(":/res/conf/%1_%2/product.json").arg(bundle, region));
}

QString ReadBundleIdFromFile(const QString& productJsonPath)
{
    QString result = QStringLiteral("MarvikPDF");
    const QJsonObject object = MKBase::CJsonReader::ParseJsonFileToObject(productJsonPath);
    if (object.contains("BundleId"))
        result = object.value("BundleId").toString();
    return result;
}

QStringList BuildArgumentList(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc && argv; ++i) {
        if (argv[i])
            list << QString::fromLocal8Bit(argv[i]);
    }
    return list;
}
