#pragma once

#include <QStringList>

class QWidget;

// What a screen reader and a keyboard user meet in a window, checked the
// same way for every window and dialog: each test that opens one hands it
// here.
class A11yCheck
{
public:
    // Controls (anything that takes the focus, and every button) on show in
    // window without an accessible name or with no role of their own, each as
    // "Class#objectName in Parent#name". Subtrees of the classes named in
    // pending are skipped: parts whose names are still to come.
    static QStringList Unnamed(QWidget* window, const QStringList& pending = {});
    // Buttons, boxes and fields on show that Tab never reaches, apart from a
    // dialog's close button (Escape does its work).
    static QStringList NotReachable(QWidget* window, const QStringList& pending = {});
    // Every problem of a window, as one text for a test's failure message.
    static QString Problems(QWidget* window, const QStringList& pending = {});
};
