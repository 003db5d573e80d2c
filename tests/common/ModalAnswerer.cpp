#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

ModalAnswerer::ModalAnswerer(Action action_, int nTimes)
    : action(std::move(action_))
    , remaining(nTimes)
{
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::Poll);
    timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer* ModalAnswerer::Clicking(const QString& buttonName, int nTimes)
{
    return new ModalAnswerer([buttonName](QWidget* dialog) { ClickButton(dialog, buttonName); },
                             nTimes);
}

void ModalAnswerer::ClickButton(QWidget* dialog, const QString& buttonName)
{
    auto* button = dialog->findChild<QAbstractButton*>(buttonName);
    if (button && button->isVisible())
        button->click();
}

void ModalAnswerer::Poll()
{
    if (remaining <= 0) {
        timer.stop();
        return;
    }
    // Menus run their own loop too: they count as the dialog to answer.
    QWidget* modal = QApplication::activePopupWidget();
    if (!modal)
        modal = QApplication::activeModalWidget();
    if (!modal || modal == last || !modal->isVisible())
        return;
    QStringList texts;
    for (QLabel* label : modal->findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && label->isVisible())
            texts << label->text();
    }
    if (auto* menu = qobject_cast<QMenu*>(modal)) {
        for (QAction* item : menu->actions()) {
            if (item->isVisible() && !item->isSeparator())
                texts << item->text();
        }
    }
    seen << texts.join(QLatin1Char('\n'));
    last = modal;
    ++answered;
    --remaining;
    action(modal);
}

void ModalAnswerer::InstallWatchdog()
{
    static QTimer* timer = nullptr;
    if (timer)
        return;
    timer = new QTimer(qApp);
    timer->setInterval(500);
    QObject::connect(timer, &QTimer::timeout, [] {
        static QPointer<QWidget> seen;
        static int ticks = 0;
        QWidget* open = QApplication::activePopupWidget();
        if (!open)
            open = QApplication::activeModalWidget();
        if (!open || open != seen) {
            seen = open;
            ticks = 0;
            return;
        }
        if (++ticks < 6)
            return;
        qWarning("closing a dialog nobody answered: %s", qPrintable(open->metaObject()->className()));
        open->close();
        ticks = 0;
    });
    timer->start();
}

ModalAnswerer* ModalAnswerer::TypingPasswords(const QStringList& answers)
{
    auto remaining = std::make_shared<QStringList>(answers);
    return new ModalAnswerer(
        [remaining](QWidget* dialog) {
            const QString answer = remaining->isEmpty() ? QString() : remaining->takeFirst();
            if (answer.isNull()) {
                ClickButton(dialog, "button_cancel");
                return;
            }
            dialog->findChild<QLineEdit*>("line_password")->setText(answer);
            ClickButton(dialog, "button_ok");
        },
        answers.size());
}
