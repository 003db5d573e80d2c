#pragma once

#include <QWidget>

class QPushButton;

// What a document's tab shows while its file is read: the file's name, a
// busy bar and, once reading takes longer than a second, Cancel.
class CLoadingPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCancelDelayMs = 1000;

    CLoadingPage(const QString& fileName, QWidget* parent);
    QPushButton* CancelButton() const { return cancel; }

signals:
    void SignalCancelled();

private:
    QPushButton* cancel = nullptr;
};
