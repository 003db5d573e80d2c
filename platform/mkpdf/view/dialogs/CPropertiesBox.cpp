#include "CPropertiesBox.h"

#include "CPdfDocument.h"
#include "QWKDialogBar.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

QString CPropertiesBox::FormatSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat);
}

CPropertiesBox::CPropertiesBox(const QString& path, const PdfProperties& p, QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("properties_box");
    SetTitle(tr("Document Properties"));
    setMinimumWidth(460);

    const QLocale locale;
    auto date = [&locale](const QDateTime& value) {
        return value.isValid() ? locale.toString(value.toLocalTime(), QLocale::ShortFormat) : QString();
    };
    const QSizeF size = p.firstPageSize;
    rows = {
        {tr("File"), QFileInfo(path).fileName()},
        {tr("Location"), QFileInfo(path).absolutePath()},
        {tr("Title"), p.title},
        {tr("Author"), p.author},
        {tr("Subject"), p.subject},
        {tr("Keywords"), p.keywords},
        {tr("Creator"), p.creator},
        {tr("Producer"), p.producer},
        {tr("Created"), date(p.created)},
        {tr("Modified"), date(p.modified)},
        {tr("PDF Version"), p.version},
        {tr("Pages"), QString::number(p.pageCount)},
        {tr("Page Size"),
         tr("%1 x %2 mm").arg(qRound(size.width() / 72.0 * 25.4)).arg(qRound(size.height() / 72.0 * 25.4))},
        {tr("File Size"), FormatSize(p.fileSize)},
        {tr("Security"), p.encrypted ? tr("Password protected") : tr("None")},
    };

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(12);
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(6);
    for (const auto& row : rows) {
        auto* label = new QLabel(row.first, contentWidget());
        label->setObjectName("label_gray");
        auto* value = new QLabel(row.second.isEmpty() ? QStringLiteral("-") : row.second, contentWidget());
        value->setObjectName("label_normal");
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        form->addRow(label, value);
    }
    layout->addLayout(form);
    QPushButton* ok = AddButtonRow(layout, tr("OK"), QString());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
