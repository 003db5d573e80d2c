#pragma once

#include "QWKDialog.h"

class QLineEdit;

// Asks for a page number between 1 and the page count; anything else cannot
// be typed. exec() returns 1 with a page chosen.
class CGotoPageBox : public QWKDialog
{
    Q_OBJECT
public:
    CGotoPageBox(int nCurrent, int nCount, QWidget* parent = nullptr);

    // Zero-based page chosen, or -1.
    int Page() const;
    QLineEdit* PageEdit() const { return pageEdit; }

private:
    QLineEdit* pageEdit = nullptr;
    int count = 0;
};
