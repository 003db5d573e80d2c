#pragma once

#include "QWKDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

// A question with two answers and a box against being asked again. exec()
// returns 1 or 2 for the buttons, 0 when closed otherwise. The marks that
// remember "don't ask again" persist across runs.
class MKCheckBox : public QWKDialog
{
    Q_OBJECT
public:
    MKCheckBox(bool bCloseButton, QWidget* parent, const QString& strTitle, const QString& strQuestion,
               const QString& strCheck, const QString& strButton1, const QString& strButton2);

    bool IsChecked() const;
    QString Question() const;

    static bool IsMarked(const QString& key);
    static void SetMarked(const QString& key, bool bMarked);

private:
    QLabel* questionLabel = nullptr;
    QCheckBox* checkBox = nullptr;
};
