#include "CSignatureBar.h"

#include "CIconButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVariant>

namespace {

QPushButton* TextButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setFixedHeight(26);
    button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    return button;
}

} // namespace

CSignatureBar::CSignatureBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_signature_bar");
    setAttribute(Qt::WA_StyledBackground);
    setAccessibleName(tr("Signatures"));
    setFixedHeight(36);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 0, 8, 0);
    row->setSpacing(8);
    mark = new QLabel(this);
    mark->setObjectName("label_signature_mark");
    mark->setFixedSize(12, 12);
    row->addWidget(mark);
    label = new QLabel(this);
    label->setObjectName("label_signature_bar");
    label->setTextFormat(Qt::PlainText);
    row->addWidget(label, 1);
    signButton = TextButton(tr("Sign Document"), "button_signature_sign", this);
    row->addWidget(signButton);
    panelButton = TextButton(tr("Signature Panel"), "button_signature_panel", this);
    row->addWidget(panelButton);
    cancelButton = TextButton(tr("Cancel"), "button_signature_cancel", this);
    row->addWidget(cancelButton);
    closeButton = new CIconButton("button_signature_close", tr("Close"), 26, this);
    closeButton->setAccessibleName(tr("Close the signature bar"));
    closeButton->setFocusPolicy(Qt::TabFocus);
    row->addWidget(closeButton);
    connect(panelButton, &QPushButton::clicked, this, &CSignatureBar::SignalShowPanel);
    connect(signButton, &QPushButton::clicked, this, &CSignatureBar::SignalSign);
    connect(cancelButton, &QPushButton::clicked, this, &CSignatureBar::SignalCancelPlacing);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

QString CSignatureBar::Summary(const QVector<PdfSignature>& signatures, PdfSignature::Verdict* worst)
{
    QVector<QPair<QString, PdfSignature::Verdict>> made;
    PdfSignature::Verdict found = PdfSignature::Unsigned;
    for (const PdfSignature& signature : signatures) {
        if (!signature.IsSigned())
            continue;
        made.append({signature.signer.isEmpty() ? tr("an unknown signer") : signature.signer, signature.verdict});
        found = found == PdfSignature::Unsigned ? signature.verdict : qMax(found, signature.verdict);
    }
    if (worst)
        *worst = found;
    const int count = made.size();
    // Where only some signatures fail, the sentence names whose.
    QStringList signers;
    QStringList failing;
    for (const auto& one : qAsConst(made)) {
        if (!signers.contains(one.first))
            signers << one.first;
        if (one.second == found && !failing.contains(one.first))
            failing << one.first;
    }
    const QString who = signers.join(QStringLiteral(", "));
    const QString whose = failing.join(QStringLiteral(", "));
    const bool some = failing.size() < signers.size();
    switch (found) {
    case PdfSignature::Valid:
        return count > 1 ? tr("Signed by %1, every signature is valid.").arg(who)
                         : tr("Signed by %1, the signature is valid.").arg(who);
    case PdfSignature::Changed:
        return some ? tr("Signed by %1; the document was changed after %2 signed it.").arg(who, whose)
                    : tr("Signed by %1, the document was changed after signing.").arg(who);
    case PdfSignature::Untrusted:
        return some ? tr("Signed by %1; the certificate of %2 is not trusted.").arg(who, whose)
                    : tr("Signed by %1, the certificate is not trusted.").arg(who);
    case PdfSignature::Invalid:
        return some ? tr("Signed by %1; the signature of %2 is not valid.").arg(who, whose)
                    : tr("Signed by %1, the signature is not valid.").arg(who);
    case PdfSignature::Unchecked:
        return some ? tr("Signed by %1; the signature of %2 cannot be checked.").arg(who, whose)
                    : tr("Signed by %1, the signature cannot be checked.").arg(who);
    case PdfSignature::Unsigned:
        break;
    }
    return signatures.isEmpty() ? QString() : tr("This document has a signature field waiting to be signed.");
}

void CSignatureBar::ShowResult(const QVector<PdfSignature>& signatures, bool bRead)
{
    PdfSignature::Verdict worst = PdfSignature::Unsigned;
    resultText = bRead ? Summary(signatures, &worst)
                       : tr("The signatures cannot be checked: the file changed since it was opened.");
    resultVerdict = bRead ? worst : PdfSignature::Unchecked;
    resultShown = !resultText.isEmpty();
    // While a place is chosen the result waits.
    if (!placing)
        HidePlacing();
}

void CSignatureBar::ShowPlacing()
{
    placing = true;
    SetMark(PdfSignature::Unsigned);
    label->setText(tr("Drag a box on a page for the signature, or click an empty signature field. Enter places "
                      "it on the current page; Esc cancels."));
    signButton->hide();
    panelButton->hide();
    cancelButton->show();
    show();
}

void CSignatureBar::HidePlacing()
{
    placing = false;
    cancelButton->hide();
    label->setText(resultText);
    SetMark(resultVerdict);
    signButton->setVisible(resultShown && resultVerdict == PdfSignature::Unsigned);
    panelButton->setVisible(resultShown);
    setVisible(resultShown);
}

QString CSignatureBar::Text() const
{
    return label->text();
}

void CSignatureBar::SetMark(PdfSignature::Verdict value)
{
    static const char* names[] = {"valid", "unchecked", "untrusted", "changed", "invalid", "unsigned"};
    mark->setProperty("verdict", QString::fromLatin1(names[value]));
    mark->style()->unpolish(mark);
    mark->style()->polish(mark);
    setAccessibleDescription(label->text());
}
