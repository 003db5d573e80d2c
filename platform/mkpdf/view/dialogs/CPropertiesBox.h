#pragma once

#include "QWKDialog.h"

struct PdfProperties;

// Shows the document's properties: description fields, dates, version, page
// count and size, file size and protection.
class CPropertiesBox : public QWKDialog
{
    Q_OBJECT
public:
    CPropertiesBox(const QString& path, const PdfProperties& properties, QWidget* parent = nullptr);

    // The rows shown, label and value, for tests and accessibility.
    QList<QPair<QString, QString>> Rows() const { return rows; }

    static QString FormatSize(qint64 bytes);

private:
    QList<QPair<QString, QString>> rows;
};
