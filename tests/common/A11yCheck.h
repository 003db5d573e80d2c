#pragma once

#include <QStringList>

class QWidget;

// What a screen reader and a keyboard user meet in a window, checked the
// same way for every window and dialog: each test that opens one hands it
// here.
class A11yCheck
{
public:
    // Controls on show in window (anything that takes the focus, every
    // button, box and field) without an accessible name or a role of their
    // own, and those Tab never reaches (but a dialog's close button: Escape
    // does its work), each as "problem: Class#objectName in Parent#name".
    // Subtrees of the classes named in pending are skipped: parts whose
    // names are still to come.
    static QStringList Problems(QWidget* window, const QStringList& pending = {});
};
