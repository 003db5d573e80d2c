#pragma once

#include <QPushButton>

// A square, flat button of the document widgets; its picture comes from the
// skin's style sheet, chosen by its object name; its tip is its name. Tab
// reaches it, but a click never takes the focus from the pages.
class CIconButton : public QPushButton
{
    Q_OBJECT
public:
    CIconButton(const char* name, const QString& tip, int nSize, QWidget* parent);
};
