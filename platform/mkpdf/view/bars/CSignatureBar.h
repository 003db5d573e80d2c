#pragma once

#include "CSignatures.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The strip above a signed document's pages: who signed it and whether the
// signature holds, shown as soon as the check is done; or, while the place
// of a new signature is chosen, how to choose it.
class CSignatureBar : public QWidget
{
    Q_OBJECT
public:
    explicit CSignatureBar(QWidget* parent = nullptr);

    // Nothing to say for a list without fields; the bar hides.
    void ShowResult(const QVector<PdfSignature>& signatures, bool bRead);
    void ShowPlacing();
    void HidePlacing();
    QString Text() const;
    // The worst of the signatures shown; Unsigned for none.
    PdfSignature::Verdict Verdict() const { return resultVerdict; }
    bool IsPlacing() const { return placing; }
    QPushButton* PanelButton() const { return panelButton; }
    QPushButton* SignButton() const { return signButton; }
    QPushButton* CancelButton() const { return cancelButton; }

    // The sentence of the bar for the signatures of a document.
    static QString Summary(const QVector<PdfSignature>& signatures, PdfSignature::Verdict* worst = nullptr);

signals:
    void SignalShowPanel();
    void SignalSign();
    void SignalCancelPlacing();

private:
    void SetMark(PdfSignature::Verdict value);

    QLabel* mark = nullptr;
    QLabel* label = nullptr;
    QPushButton* panelButton = nullptr;
    QPushButton* signButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* closeButton = nullptr;
    PdfSignature::Verdict resultVerdict = PdfSignature::Unsigned;
    QString resultText;
    bool resultShown = false;
    bool placing = false;
};
