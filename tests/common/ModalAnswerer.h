#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QDialog;

// Answers modal dialogs from a test: waits for the next modal widget to
// appear (inside its exec() loop) and runs an action on it, usually a click
// on one of its buttons by object name.
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    using Action = std::function<void(QWidget*)>;

    // Answers up to nTimes dialogs with the same action.
    explicit ModalAnswerer(Action action, int nTimes = 1);
    ~ModalAnswerer() override;

    // Convenience: click the button with this object name.
    static ModalAnswerer* Clicking(const QString& buttonName, int nTimes = 1);
    static void ClickButton(QWidget* dialog, const QString& buttonName);
    // Types each answer into the password prompts as they come and confirms,
    // or cancels a prompt for a null answer.
    static ModalAnswerer* TypingPasswords(const QStringList& answers);

    // Closes any dialog or menu left open for more than three seconds, with a
    // warning, so a box nobody expected fails its test instead of hanging it.
    static void InstallWatchdog();

    int AnsweredCount() const { return answered; }
    // Visible texts of every label of each answered dialog, for assertions.
    QStringList SeenTexts() const { return seen; }
    QWidget* LastDialog() const { return last; }

private:
    void Poll();

    Action action;
    int remaining = 1;
    int answered = 0;
    QStringList seen;
    QPointer<QWidget> last;
    QTimer timer;
};
