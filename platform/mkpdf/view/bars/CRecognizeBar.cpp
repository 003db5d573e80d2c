#include "CRecognizeBar.h"

#include "CIconButton.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

CRecognizeBar::CRecognizeBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_recognize_bar");
    setAttribute(Qt::WA_StyledBackground);
    setAccessibleName(tr("Text recognition"));
    setFixedHeight(36);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 0, 8, 0);
    row->setSpacing(8);
    label = new QLabel(this);
    label->setObjectName("label_recognize_bar");
    row->addWidget(label, 1);

    scope = new QComboBox(this);
    scope->setObjectName("combo_recognize_scope");
    scope->addItems({tr("This page"), tr("All pages"), tr("Pages:")});
    scope->setAccessibleName(tr("Pages to recognize"));
    row->addWidget(scope);
    pages = new QLineEdit(this);
    pages->setObjectName("edit_recognize_pages");
    pages->setPlaceholderText(tr("e.g. 1-3, 5"));
    pages->setAccessibleName(tr("Page numbers to recognize"));
    pages->setFixedWidth(90);
    pages->hide();
    row->addWidget(pages);
    connect(scope, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int nIndex) {
        pages->setVisible(nIndex == SomePages);
        if (nIndex == SomePages)
            pages->setFocus();
    });

    // A button with a menu of languages to tick: several may be read at once.
    languages = new QPushButton(this);
    languages->setObjectName("button_recognize_languages");
    languages->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    languages->setAccessibleName(tr("Languages of the text"));
    languages->setToolTip(tr("The languages the pages are written in"));
    languageMenu = new QMenu(languages);
    languages->setMenu(languageMenu);
    row->addWidget(languages);

    recognize = new QPushButton(tr("Recognize Text"), this);
    recognize->setObjectName("button_recognize_text");
    recognize->setAccessibleName(tr("Recognize Text"));
    recognize->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    row->addWidget(recognize);
    connect(recognize, &QPushButton::clicked, this, &CRecognizeBar::SignalRecognize);
    connect(pages, &QLineEdit::returnPressed, this, &CRecognizeBar::SignalRecognize);

    progress = new QProgressBar(this);
    progress->setObjectName("progress_recognize");
    progress->setAccessibleName(tr("Recognition progress"));
    progress->setRange(0, 100);
    progress->setFixedWidth(160);
    progress->hide();
    row->addWidget(progress);
    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("button_recognize_cancel");
    cancel->setAccessibleName(tr("Cancel text recognition"));
    cancel->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    cancel->hide();
    row->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &CRecognizeBar::SignalCancel);

    auto* close = new CIconButton("button_form_close", tr("Close"), 26, this);
    close->setAccessibleName(tr("Close the text recognition bar"));
    // Reachable from the keyboard like the rest of the bar.
    close->setFocusPolicy(Qt::TabFocus);
    row->addWidget(close);
    connect(close, &QPushButton::clicked, this, [this]() {
        if (running)
            emit SignalCancel();
        hide();
        emit SignalClosed();
    });
    hide();
}

void CRecognizeBar::SetLanguages(const QStringList& codes, const QStringList& names)
{
    languageMenu->clear();
    for (int i = 0; i < codes.size(); ++i) {
        QAction* action = languageMenu->addAction(names.value(i, codes.at(i)));
        action->setData(codes.at(i));
        action->setCheckable(true);
        action->setChecked(i == 0);
        connect(action, &QAction::toggled, this, [this, action](bool bOn) {
            // One language at least.
            if (!bOn && ChosenLanguages().isEmpty())
                action->setChecked(true);
            UpdateLanguageText();
        });
    }
    UpdateLanguageText();
}

QStringList CRecognizeBar::ChosenLanguages() const
{
    QStringList codes;
    for (const QAction* action : languageMenu->actions()) {
        if (action->isChecked())
            codes << action->data().toString();
    }
    return codes;
}

void CRecognizeBar::SetChosenLanguages(const QStringList& codes)
{
    for (QAction* action : languageMenu->actions())
        action->setChecked(codes.contains(action->data().toString()));
    UpdateLanguageText();
}

void CRecognizeBar::UpdateLanguageText()
{
    QStringList names;
    for (const QAction* action : languageMenu->actions()) {
        if (action->isChecked())
            names << action->text();
    }
    languages->setText(names.isEmpty() ? tr("No language") : names.join(" + "));
    recognize->setEnabled(!names.isEmpty());
}

CRecognizeBar::Scope CRecognizeBar::GetScope() const
{
    return Scope(scope->currentIndex());
}

void CRecognizeBar::SetScope(Scope value)
{
    scope->setCurrentIndex(int(value));
}

QString CRecognizeBar::PagesText() const
{
    return pages->text();
}

void CRecognizeBar::ShowOffer(const QString& text)
{
    running = false;
    label->setText(text);
    for (QWidget* control : std::initializer_list<QWidget*> {scope, languages, recognize})
        control->show();
    pages->setVisible(GetScope() == SomePages);
    progress->hide();
    cancel->hide();
    show();
}

void CRecognizeBar::ShowProgress(int nPercent, int nDone, int nTotal)
{
    running = true;
    label->setText(tr("Recognizing text, pages done: %1 of %2").arg(nDone).arg(nTotal));
    for (QWidget* control : std::initializer_list<QWidget*> {scope, pages, languages, recognize})
        control->hide();
    progress->setValue(nPercent);
    progress->show();
    cancel->show();
    show();
}

QString CRecognizeBar::Text() const
{
    return label->text();
}

void CRecognizeBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && running) {
        emit SignalCancel();
        return;
    }
    QWidget::keyPressEvent(event);
}
