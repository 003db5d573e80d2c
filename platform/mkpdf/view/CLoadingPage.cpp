#include "CLoadingPage.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CLoadingPage::CLoadingPage(const QString& fileName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName("loading_page");
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    auto* label = new QLabel(tr("Opening \"%1\"...").arg(fileName), this);
    label->setObjectName("label_normal");
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setFixedWidth(240);
    layout->addWidget(bar, 0, Qt::AlignHCenter);
    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("button_cancel");
    cancel->setMinimumSize(80, 30);
    cancel->hide();
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    layout->addStretch(2);
    connect(cancel, &QPushButton::clicked, this, &CLoadingPage::SignalCancelled);
    // Most files are read before anyone could reach for the button.
    QTimer::singleShot(kCancelDelayMs, cancel, &QWidget::show);
}
