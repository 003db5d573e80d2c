#include "CSignaturePanel.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>
#include <QUuid>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kIndexRole = Qt::UserRole;

QString Date(const QDateTime& time)
{
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::LongFormat) : QString();
}

QTreeWidgetItem* AddLine(QTreeWidgetItem* parent, const QString& text)
{
    auto* item = new QTreeWidgetItem(parent, {text});
    item->setToolTip(0, text);
    item->setData(0, kIndexRole, parent->data(0, kIndexRole));
    return item;
}

// A dot in the colour of a verdict, readable on both skins.
QIcon Mark(PdfSignature::Verdict verdict)
{
    static const QColor colors[] = {QColor(0x2e, 0x9d, 0x5b), QColor(0x8a, 0x8f, 0x99), QColor(0xd4, 0x88, 0x06),
                                    QColor(0xe5, 0x48, 0x4d), QColor(0xe5, 0x48, 0x4d), QColor(0x8a, 0x8f, 0x99)};
    QPixmap dot(24, 24);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors[verdict]);
    painter.drawEllipse(QRectF(4, 4, 16, 16));
    return QIcon(dot);
}

// Rows as tall as their words wrapped to the panel's width: a tree view
// measures every row as one line, whatever its word wrap.
class WrappingDelegate : public QStyledItemDelegate
{
public:
    explicit WrappingDelegate(QTreeWidget* view)
        : QStyledItemDelegate(view)
        , tree(view)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        int depth = 1;
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
            ++depth;
        const QSize one = QStyledItemDelegate::sizeHint(option, index);
        // Where the style paints the words of a row of this depth.
        const int indent = depth * tree->indentation();
        item.rect = QRect(indent, 0, qMax(1, tree->viewport()->width() - indent), one.height());
        // The style keeps a margin inside that rectangle on both sides.
        const int margin = tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1;
        const int width
            = qMax(40, tree->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, tree).width() - 2 * margin);
        QTextLayout layout(QString(item.text).replace('\n', QChar::LineSeparator), item.font);
        QTextOption wrap;
        wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(wrap);
        qreal height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            height += line.height();
        }
        layout.endLayout();
        return QSize(width, qMax(one.height(), int(std::ceil(height)) + 6));
    }

private:
    QTreeWidget* tree;
};

} // namespace

CSignaturePanel::CSignaturePanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("panel_signature");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(6);
    tree = new QTreeWidget(this);
    tree->setObjectName("tree_signature");
    tree->setAccessibleName(tr("Signatures"));
    tree->setHeaderHidden(true);
    tree->setWordWrap(true);
    tree->setTextElideMode(Qt::ElideNone);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree->setItemDelegate(new WrappingDelegate(tree));
    tree->viewport()->installEventFilter(this);
    layout->addWidget(tree, 1);
    empty = new QLabel(this);
    empty->setObjectName("label_signature_empty");
    empty->setWordWrap(true);
    empty->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(empty);
    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    revisionButton = new QPushButton(tr("Open Signed Version"), this);
    revisionButton->setObjectName("button_signature_revision");
    revisionButton->setAccessibleName(revisionButton->text());
    revisionButton->setToolTip(tr("Opens the document as it was when the selected signature was made, in a new tab."));
    signButton = new QPushButton(tr("Sign Document"), this);
    signButton->setObjectName("button_panel_sign");
    signButton->setAccessibleName(signButton->text());
    for (QPushButton* button : {revisionButton, signButton}) {
        button->setFixedHeight(28);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(tree, &QTreeWidget::currentItemChanged, this, &CSignaturePanel::UpdateButtons);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int index = item->data(0, kIndexRole).toInt();
        if (index >= 0 && index < signatures.size())
            emit SignalGoToPage(signatures.at(index).page);
    });
    connect(revisionButton, &QPushButton::clicked, this, [this]() {
        if (CurrentIndex() >= 0)
            emit SignalOpenRevision(CurrentIndex());
    });
    connect(signButton, &QPushButton::clicked, this, &CSignaturePanel::SignalSign);
    ShowChecking();
}

bool CSignaturePanel::eventFilter(QObject* watched, QEvent* event)
{
    // Another width wraps the rows anew, once the scroll bars have settled.
    if (watched == tree->viewport() && event->type() == QEvent::Resize)
        QTimer::singleShot(0, tree, [this]() { tree->doItemsLayout(); });
    return QWidget::eventFilter(watched, event);
}

QString CSignaturePanel::VerdictText(const PdfSignature& signature)
{
    switch (signature.verdict) {
    case PdfSignature::Valid:
        return tr("The signature is valid.");
    case PdfSignature::Unchecked:
        return tr("The signature cannot be checked.");
    case PdfSignature::Untrusted:
        return tr("The signature is intact, but the certificate is not trusted.");
    case PdfSignature::Changed:
        return tr("The document was changed after signing.");
    case PdfSignature::Invalid:
        return tr("The signature is not valid.");
    case PdfSignature::Unsigned:
        break;
    }
    return tr("Not signed yet.");
}

QString CSignaturePanel::CertificateText(PdfSignature::Certificate status)
{
    switch (status) {
    case PdfSignature::Trusted:
        return tr("The certificate is trusted.");
    case PdfSignature::UntrustedIssuer:
        return tr("Its issuer is marked as not trusted.");
    case PdfSignature::UnknownIssuer:
        return tr("Its issuer is not among the trusted certificates of this computer.");
    case PdfSignature::Revoked:
        return tr("The certificate was revoked by its issuer.");
    case PdfSignature::Expired:
        return tr("The certificate was not valid at the time of signing.");
    case PdfSignature::CertificateError:
    case PdfSignature::NotChecked:
        break;
    }
    return tr("The certificate could not be checked.");
}

void CSignaturePanel::ShowChecking()
{
    signatures.clear();
    tree->clear();
    empty->setText(tr("Checking the signatures..."));
    empty->show();
    UpdateButtons();
}

void CSignaturePanel::SetSignatures(const QVector<PdfSignature>& list)
{
    signatures = list;
    tree->clear();
    for (int i = 0; i < signatures.size(); ++i)
        AddSignature(i, signatures.at(i));
    empty->setText(tr("This document has no signatures."));
    empty->setVisible(signatures.isEmpty());
    if (!signatures.isEmpty())
        SetCurrentIndex(0);
    UpdateButtons();
}

void CSignaturePanel::AddSignature(int nIndex, const PdfSignature& signature)
{
    const QString title = signature.IsSigned() ? (signature.signer.isEmpty() ? tr("Unknown signer") : signature.signer)
                                               : tr("Empty signature field %1").arg(signature.fieldName);
    auto* item = new QTreeWidgetItem(tree, {title + "\n" + VerdictText(signature)});
    item->setData(0, kIndexRole, nIndex);
    item->setData(0, Qt::AccessibleTextRole, title + ". " + VerdictText(signature));
    item->setIcon(0, Mark(signature.verdict));
    for (const QString& line : Lines(nIndex))
        AddLine(item, line);
    item->setExpanded(true);
}

QStringList CSignaturePanel::Lines(int nIndex) const
{
    if (nIndex < 0 || nIndex >= signatures.size())
        return {};
    const PdfSignature& s = signatures.at(nIndex);
    QStringList lines;
    // A field made along with its signature has a made-up name: only
    // the page tells the reader anything.
    if (s.page >= 0 && QUuid::fromString(s.fieldName).isNull())
        lines << tr("Field \"%1\" on page %2").arg(s.fieldName).arg(s.page + 1);
    else if (s.page >= 0)
        lines << tr("On page %1").arg(s.page + 1);
    if (!s.IsSigned())
        return lines;
    if (s.time.isValid())
        lines << tr("Signed on %1").arg(Date(s.time));
    if (!s.reason.isEmpty())
        lines << tr("Reason: %1").arg(s.reason);
    if (!s.location.isEmpty())
        lines << tr("Location: %1").arg(s.location);
    lines << (s.wholeDocument ? tr("Covers the whole document.")
                              : tr("Covers an earlier revision of the document (its first %1 bytes); "
                                   "later changes are not signed.")
                                    .arg(QLocale().toString(s.RevisionLength())));
    if (s.certificate != PdfSignature::NotChecked)
        lines << CertificateText(s.certificate);
    if (!s.issuer.isEmpty() || !s.issuerDN.isEmpty())
        lines << tr("Certificate issued by %1").arg(s.issuer.isEmpty() ? s.issuerDN : s.issuer);
    if (s.selfSigned)
        lines << tr("The certificate is self-signed.");
    if (s.validFrom.isValid() && s.validTo.isValid())
        lines << tr("Certificate valid from %1 to %2").arg(Date(s.validFrom), Date(s.validTo));
    if (!s.keyUsage.isEmpty())
        lines << tr("Key usage: %1").arg(s.keyUsage.join(QStringLiteral(", ")));
    if (!s.signerDN.isEmpty())
        lines << tr("Subject: %1").arg(s.signerDN);
    if (!s.serial.isEmpty())
        lines << tr("Serial number: %1").arg(s.serial);
    return lines;
}

int CSignaturePanel::CurrentIndex() const
{
    QTreeWidgetItem* item = tree->currentItem();
    return item ? item->data(0, kIndexRole).toInt() : -1;
}

void CSignaturePanel::SetCurrentIndex(int nIndex)
{
    if (nIndex >= 0 && nIndex < tree->topLevelItemCount())
        tree->setCurrentItem(tree->topLevelItem(nIndex));
}

void CSignaturePanel::UpdateButtons()
{
    const int index = CurrentIndex();
    revisionButton->setEnabled(index >= 0 && signatures.at(index).IsSigned()
                               && signatures.at(index).RevisionLength() > 0);
}
