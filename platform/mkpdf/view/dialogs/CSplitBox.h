#pragma once

#include "QWKDialog.h"

class QLabel;
class QSpinBox;

// Asks how many pages each part of a split gets. exec() returns 1 when
// confirmed.
class CSplitBox : public QWKDialog
{
    Q_OBJECT
public:
    CSplitBox(int nPageCount, QWidget* parent = nullptr);

    int PagesPerFile() const;
    QSpinBox* SpinBox() const { return spin; }

private:
    void UpdateSummary();

    int pageCount;
    QSpinBox* spin = nullptr;
    QLabel* summary = nullptr;
};
