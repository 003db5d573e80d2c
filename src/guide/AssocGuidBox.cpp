#include "AssocGuidBox.h"

#include "CFileUtils.h"
#include "MKApplication.h"
#include "QWKDialogBar.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Bold(const QString& text)
{
    return QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped());
}

QString Title()
{
    MKApplication* app = MKApplication::getInstance();
    return app ? app->GetAppValue("Title") : QString();
}

QLabel* NormalLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName("label_normal");
    return label;
}

} // namespace

AssocGuidBox::AssocGuidBox(QWidget* parent)
    : QWKDialog(parent)
{
    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The frame's title bar sits above the content and sets the width.
    titleBar()->setFixedWidth(600);

    title = new QLabel(contentWidget());
    title->setObjectName("label_title");
    layout->addWidget(title, 0, Qt::AlignHCenter);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setContentsMargins(32, 16, 32, 16);
    step1 = NormalLabel(contentWidget());
    step1->setFixedSize(240, 24);
    step1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    grid->addWidget(step1, 0, 0);
    step2 = NormalLabel(contentWidget());
    step2->setFixedSize(240, 24);
    step2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    grid->addWidget(step2, 0, 2);

    auto* image1 = new QLabel(contentWidget());
    image1->setObjectName("img_step1");
    image1->setFixedSize(204, 257);
    grid->addWidget(image1, 1, 0, Qt::AlignHCenter);
    auto* arrow = new QLabel(contentWidget());
    arrow->setObjectName("img_to");
    arrow->setFixedSize(40, 32);
    grid->addWidget(arrow, 1, 1, Qt::AlignCenter);
    auto* image2 = new QLabel(contentWidget());
    image2->setObjectName("img_step2");
    image2->setFixedSize(204, 257);
    grid->addWidget(image2, 1, 2, Qt::AlignHCenter);

    text1 = NormalLabel(contentWidget());
    text1->setWordWrap(true);
    text1->setFixedWidth(240);
    grid->addWidget(text1, 2, 0);
    text2 = NormalLabel(contentWidget());
    text2->setWordWrap(true);
    text2->setFixedWidth(240);
    grid->addWidget(text2, 2, 2);
    layout->addLayout(grid);
    layout->setAlignment(grid, Qt::AlignHCenter);

    auto* buttons = new QWidget(contentWidget());
    buttons->setObjectName("widget_button");
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(8);
    okButton = new QPushButton(buttons);
    okButton->setObjectName("button_ok");
    okButton->setMinimumWidth(160);
    okButton->setFixedHeight(32);
    okButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    okButton->setProperty("confirm", true);
    row->addWidget(okButton);
    layout->addWidget(buttons, 0, Qt::AlignHCenter);
    connect(okButton, &QPushButton::clicked, this, &AssocGuidBox::SlotClickedOK);

    Retranslate();
}

void AssocGuidBox::Retranslate()
{
    const QString product = Title();
    SetTitle(QString());
    title->setText(tr("Two Steps to Set %1 as the Default PDF Viewer").arg(product));
    step1->setText(tr("Step 1"));
    step2->setText(tr("Step 2"));
    text1->setText(
        tr("Click %1 below, then click %2 in the pop-up.").arg(Bold(tr("Set as Default")), Bold(tr("Change"))));
    text2->setText(tr("Select %1 from the list, then click %2 to apply changes.").arg(Bold(product), Bold(tr("OK"))));
    okButton->setText(tr("Set as Default"));
}

void AssocGuidBox::SlotClickedOK()
{
    // The dialog stays: the user comes back to it for the second step.
    MKBase::CFileUtils::ShowFileProperties(documentPath);
}

void AssocGuidBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWKDialog::changeEvent(event);
}

void AssocGuidBox::showEvent(QShowEvent* event)
{
    QWKDialog::showEvent(event);
    okButton->setFocus();
}
