#pragma once

#include "QWKDialog.h"

class QLabel;
class QPushButton;

// Two-step guide to choosing this application as the system's PDF viewer
// when registering it did not take effect: its button opens the document's
// properties sheet, where the desktop lets the user pick the program.
class AssocGuidBox : public QWKDialog
{
    Q_OBJECT
public:
    explicit AssocGuidBox(QWidget* parent = nullptr);

    void SetDocumentPath(const QString& path) { documentPath = path; }
    QString DocumentPath() const { return documentPath; }

public slots:
    void SlotClickedOK();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Retranslate();

    QPushButton* okButton = nullptr;
    QString documentPath;
    QLabel* title = nullptr;
    QLabel* step1 = nullptr;
    QLabel* step2 = nullptr;
    QLabel* text1 = nullptr;
    QLabel* text2 = nullptr;
};
