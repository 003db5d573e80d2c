#include "CSignBox.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QPushButton* SmallButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setMinimumSize(80, 30);
    return button;
}

QLineEdit* Field(const char* name, const QString& label, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(label);
    edit->setFixedHeight(30);
    return edit;
}

} // namespace

CSignBox::CSignBox(const QString& fileName, QWidget* parent)
    : QWKDialog(parent)
{
    setObjectName("sign_box");
    SetTitle(tr("Sign Document"));
    setMinimumWidth(520);
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(10);
    auto* intro = new QLabel(tr("Sign \"%1\" with a certificate of your certificate store. The signed document is "
                                "saved as a new file; this one stays as it is.")
                                 .arg(fileName),
                             contentWidget());
    intro->setObjectName("label_message");
    intro->setWordWrap(true);
    layout->addWidget(intro);

    lockedRow = new QWidget(contentWidget());
    auto* lockedLayout = new QHBoxLayout(lockedRow);
    lockedLayout->setContentsMargins(0, 0, 0, 0);
    storePassword = Field("line_store_password", tr("Certificate store password"), lockedRow);
    storePassword->setEchoMode(QLineEdit::Password);
    storePassword->setPlaceholderText(tr("Certificate store password"));
    QPushButton* unlock = SmallButton(tr("Unlock"), "button_store_unlock", lockedRow);
    lockedLayout->addWidget(storePassword, 1);
    lockedLayout->addWidget(unlock);
    layout->addWidget(lockedRow);

    auto* listLabel = new QLabel(tr("Certificate:"), contentWidget());
    layout->addWidget(listLabel);
    list = new QComboBox(contentWidget());
    list->setObjectName("combo_certificate");
    list->setAccessibleName(tr("Certificate"));
    list->setFixedHeight(30);
    listLabel->setBuddy(list);
    layout->addWidget(list);
    details = new QLabel(contentWidget());
    details->setObjectName("label_gray");
    details->setWordWrap(true);
    details->setTextFormat(Qt::PlainText);
    layout->addWidget(details);
    none = new QLabel(tr("Your certificate store has no certificate to sign with. Import one from a PKCS#12 file "
                         "(.p12, .pfx)."),
                      contentWidget());
    none->setObjectName("label_gray");
    none->setWordWrap(true);
    layout->addWidget(none);
    QPushButton* import = SmallButton(tr("Import Certificate..."), "button_certificate_import", contentWidget());
    auto* importRow = new QHBoxLayout;
    importRow->addWidget(import);
    importRow->addStretch(1);
    layout->addLayout(importRow);

    auto* form = new QFormLayout;
    form->setSpacing(8);
    reason = Field("line_sign_reason", tr("Reason"), contentWidget());
    reason->setPlaceholderText(tr("For example: I approve this document"));
    form->addRow(tr("Reason:"), reason);
    location = Field("line_sign_location", tr("Location"), contentWidget());
    form->addRow(tr("Location:"), location);
    image = Field("line_sign_image", tr("Picture"), contentWidget());
    image->setPlaceholderText(tr("Optional: a PNG or JPEG shown in the signature"));
    QPushButton* chooseImage = SmallButton(tr("Choose..."), "button_sign_image", contentWidget());
    chooseImage->setAccessibleName(tr("Choose a picture"));
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(image, 1);
    imageRow->addWidget(chooseImage);
    form->addRow(tr("Picture:"), imageRow);
    layout->addLayout(form);

    // Room to spare goes below the fields, not between them.
    layout->addStretch(1);
    error = new QLabel(contentWidget());
    error->setObjectName("label_error");
    error->setWordWrap(true);
    error->hide();
    layout->addWidget(error);
    layout->addSpacing(8);
    signButton = AddButtonRow(layout, tr("Sign and Save As..."), tr("Cancel"));
    signButton->setAccessibleName(signButton->text());

    connect(signButton, &QPushButton::clicked, this, &CSignBox::Confirm);
    connect(import, &QPushButton::clicked, this, &CSignBox::AskImport);
    connect(chooseImage, &QPushButton::clicked, this, &CSignBox::AskImage);
    connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CSignBox::ShowDetails);
    connect(unlock, &QPushButton::clicked, this, [this]() { Unlock(storePassword->text()); });
    connect(storePassword, &QLineEdit::returnPressed, this, [this]() { Unlock(storePassword->text()); });
    Reload();
}

void CSignBox::ShowDetails()
{
    const PdfCertificate cert = Certificate();
    if (cert.nickname.isEmpty()) {
        details->clear();
        return;
    }
    const QLocale locale;
    QStringList lines {tr("Issued by %1, valid from %2 to %3")
                           .arg(cert.issuer, locale.toString(cert.validFrom.toLocalTime().date(), QLocale::ShortFormat),
                                locale.toString(cert.validTo.toLocalTime().date(), QLocale::ShortFormat))};
    const QStringList who = QStringList {cert.email, cert.organization}.filter(QRegularExpression("\\S"));
    if (!who.isEmpty())
        lines << who.join(QStringLiteral(", "));
    if (!cert.keyUsage.isEmpty())
        lines << tr("Key usage: %1").arg(cert.keyUsage.join(QStringLiteral(", ")));
    details->setText(lines.join('\n'));
}

void CSignBox::Reload(const QString& nickname)
{
    QString failure;
    const bool open = CNssStore::Open(&failure);
    lockedRow->setVisible(open && CNssStore::IsLocked());
    certificates = open ? CNssStore::SigningCertificates() : QVector<PdfCertificate>();
    list->clear();
    for (const PdfCertificate& cert : qAsConst(certificates))
        list->addItem(cert.commonName.isEmpty() ? cert.nickname : cert.commonName);
    int chosen = certificates.isEmpty() ? -1 : 0;
    for (int i = 0; i < certificates.size(); ++i) {
        if (certificates.at(i).nickname == nickname)
            chosen = i;
    }
    list->setCurrentIndex(chosen);
    list->setEnabled(!certificates.isEmpty());
    ShowDetails();
    none->setVisible(certificates.isEmpty() && !lockedRow->isVisible());
    if (!open)
        ShowError(failure);
}

bool CSignBox::Unlock(const QString& password)
{
    if (!CNssStore::Unlock(password)) {
        ShowError(tr("This is not the password of your certificate store."));
        return false;
    }
    storePassword->clear();
    ShowError(QString());
    Reload();
    return true;
}

bool CSignBox::ImportFile(const QString& path, const QString& password)
{
    QString nickname;
    QString failure;
    if (!CNssStore::ImportPkcs12(path, password, &nickname, &failure)) {
        ShowError(failure);
        return false;
    }
    ShowError(QString());
    Reload(nickname);
    return true;
}

void CSignBox::AskImport()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Certificate"),
                                                      QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                                                      tr("Certificate Files (*.p12 *.pfx)"));
    if (path.isEmpty())
        return;
    bool ok = false;
    const QString password = QInputDialog::getText(
        this, tr("Import Certificate"), tr("Password of the certificate file:"), QLineEdit::Password, QString(), &ok);
    if (ok)
        ImportFile(path, password);
}

void CSignBox::AskImage()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Choose a Picture"), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        tr("Pictures (*.png *.jpg *.jpeg)"));
    if (!path.isEmpty())
        image->setText(path);
}

PdfCertificate CSignBox::Certificate() const
{
    const int row = list->currentIndex();
    return row >= 0 && row < certificates.size() ? certificates.at(row) : PdfCertificate();
}

PdfSignRequest CSignBox::Request() const
{
    PdfSignRequest request;
    request.certificate = Certificate().nickname;
    request.reason = reason->text().trimmed();
    request.location = location->text().trimmed();
    request.imagePath = image->text().trimmed();
    return request;
}

QString CSignBox::ErrorText() const
{
    return error->isHidden() ? QString() : error->text();
}

void CSignBox::ShowError(const QString& text)
{
    error->setText(text);
    error->setVisible(!text.isEmpty());
}

void CSignBox::Confirm()
{
    const QString picture = image->text().trimmed();
    if (Certificate().nickname.isEmpty()) {
        ShowError(tr("Choose a certificate to sign with, or import one."));
        return;
    }
    // Only pictures the signature can carry: poppler embeds PNG and JPEG.
    const QByteArray format = picture.isEmpty() ? QByteArray() : QImageReader(picture).format();
    if (!picture.isEmpty() && format != "png" && format != "jpeg") {
        ShowError(tr("The picture must be a PNG or JPEG file."));
        return;
    }
    ShowError(QString());
    done(1);
}
