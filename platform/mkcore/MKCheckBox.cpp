#include "MKCheckBox.h"

#include "MKApplication.h"
#include "QWKDialogBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <QVariant>

MKCheckBox::MKCheckBox(bool bCloseButton, QWidget* parent, const QString& strTitle, const QString& strQuestion,
                       const QString& strCheck, const QString& strButton1, const QString& strButton2)
    : QWKDialog(parent)
{
    setObjectName("check_box_dialog");
    SetTitle(strTitle);
    titleBar()->SetCloseVisible(bCloseButton);
    setMinimumWidth(360);

    auto* layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 8, 24, 20);
    layout->setSpacing(12);

    questionLabel = new QLabel(strQuestion, contentWidget());
    questionLabel->setObjectName("label_message");
    questionLabel->setWordWrap(true);
    layout->addWidget(questionLabel);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    checkBox = new QCheckBox(strCheck, contentWidget());
    checkBox->setObjectName("check_box");
    row->addWidget(checkBox);
    row->addStretch(1);
    const QString texts[2] = {strButton1, strButton2};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(texts[i], contentWidget());
        button->setObjectName(QStringLiteral("button_%1").arg(i + 1));
        button->setProperty("confirm", i == 1);
        button->setMinimumSize(80, 30);
        button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        button->setAutoDefault(false);
        const int id = i + 1;
        connect(button, &QPushButton::clicked, this, [this, id]() { done(id); });
        row->addWidget(button);
        if (i == 1)
            button->setDefault(true);
    }
    layout->addLayout(row);
}

bool MKCheckBox::IsChecked() const
{
    return checkBox->isChecked();
}

QString MKCheckBox::Question() const
{
    return questionLabel->text();
}

bool MKCheckBox::IsMarked(const QString& key)
{
    QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    return settings.value("Marks/" + key, false).toBool();
}

void MKCheckBox::SetMarked(const QString& key, bool bMarked)
{
    QSettings settings(MKApplication::FrameworkSettingsPath(), QSettings::IniFormat);
    settings.setValue("Marks/" + key, bMarked);
}
