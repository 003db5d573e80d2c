#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// A ring around the widget that has the keyboard focus, drawn on top of its
// window whatever the widget's style sheet does, while the user moves with
// the keyboard (a click hides it until the next key). One for the whole
// application, installed with the application object.
class CFocusRing : public QObject
{
    Q_OBJECT
public:
    static void Install();
    static CFocusRing* Instance();
    // The widget the ring is drawn around; null while none is shown.
    QWidget* Target() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CFocusRing(QObject* parent);
    void Follow(QWidget* widget);
    void Place();

    QPointer<QWidget> target;
    // Drawn as a child of the target's window, so it goes with that window.
    QPointer<QWidget> ring;
    bool keyboard = false;
};
