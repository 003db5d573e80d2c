#pragma once

#include <QRect>
#include <QString>

class QWidget;

// One tab of a CTabBar.
struct TabItem
{
    bool dirty = false;
    QString text;
    QRect rect;
    QWidget* widget = nullptr; // the document shown for this tab; not owned
};
