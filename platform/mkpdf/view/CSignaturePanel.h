#pragma once

#include "CSignatures.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The side panel's list of a document's signatures: for each, who signed
// and when, why and where, what it covers, the certificate, and a way to
// open the version of the document that was signed.
class CSignaturePanel : public QWidget
{
    Q_OBJECT
public:
    explicit CSignaturePanel(QWidget* parent = nullptr);

    void ShowChecking();
    void SetSignatures(const QVector<PdfSignature>& list);
    const QVector<PdfSignature>& Signatures() const { return signatures; }
    QTreeWidget* Tree() const { return tree; }
    QPushButton* RevisionButton() const { return revisionButton; }
    QPushButton* SignButton() const { return signButton; }
    // The signature the list has selected, or -1.
    int CurrentIndex() const;
    void SetCurrentIndex(int nIndex);
    // Every line shown for a signature, for whoever reads them out.
    QStringList Lines(int nIndex) const;

    static QString VerdictText(const PdfSignature& signature);
    static QString CertificateText(PdfSignature::Certificate status);

signals:
    void SignalOpenRevision(int nIndex);
    void SignalGoToPage(int nPage);
    void SignalSign();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddSignature(int nIndex, const PdfSignature& signature);
    void UpdateButtons();

    QTreeWidget* tree = nullptr;
    QLabel* empty = nullptr;
    QPushButton* revisionButton = nullptr;
    QPushButton* signButton = nullptr;
    QVector<PdfSignature> signatures;
};
