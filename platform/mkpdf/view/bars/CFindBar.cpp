#include "CFindBar.h"

#include "CClearEdit.h"
#include "CDocumentSearch.h"
#include "CIconButton.h"
#include "CPageView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

CFindBar::CFindBar(CDocumentSearch* search_, CPageView* view_, QWidget* parent)
    : QWidget(parent)
    , search(search_)
    , view(view_)
{
    setObjectName("widget_find_bar");
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(36);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(6);

    field = new CClearEdit(this);
    field->setObjectName("line_find");
    field->setAccessibleName(tr("Find"));
    field->setPlaceholderText(tr("Find in document"));
    field->setFixedSize(240, 26);
    field->installEventFilter(this);
    row->addWidget(field);
    counter = new QLabel(this);
    counter->setObjectName("label_find_count");
    counter->setMinimumWidth(90);
    row->addWidget(counter);
    stop = new QPushButton(tr("Stop"), this);
    stop->setObjectName("button_find_stop");
    stop->setToolTip(tr("Stop Searching"));
    stop->setFocusPolicy(Qt::TabFocus);
    stop->hide();
    row->addWidget(stop);
    QPushButton* previous = new CIconButton("button_find_prev", tr("Previous Match (Shift+F3)"), 26, this);
    row->addWidget(previous);
    QPushButton* next = new CIconButton("button_find_next", tr("Next Match (F3)"), 26, this);
    row->addWidget(next);
    row->addSpacing(8);
    matchCase = new QCheckBox(tr("Match case"), this);
    matchCase->setObjectName("check_find_case");
    matchCase->setFocusPolicy(Qt::TabFocus);
    row->addWidget(matchCase);
    wholeWords = new QCheckBox(tr("Whole words"), this);
    wholeWords->setObjectName("check_find_words");
    wholeWords->setFocusPolicy(Qt::TabFocus);
    row->addWidget(wholeWords);
    QPushButton* results = new CIconButton("button_find_list", tr("Show All Results"), 26, this);
    row->addWidget(results);
    row->addStretch(1);
    QPushButton* close = new CIconButton("button_find_close", tr("Close (Esc)"), 26, this);
    row->addWidget(close);

    pause = new QTimer(this);
    pause->setSingleShot(true);
    pause->setInterval(kPauseMs);
    connect(pause, &QTimer::timeout, this, &CFindBar::StartSearch);
    connect(field, &QLineEdit::textChanged, this, [this]() { pause->start(); });
    for (QCheckBox* box : {matchCase, wholeWords})
        connect(box, &QCheckBox::toggled, this, &CFindBar::StartSearch);
    connect(previous, &QPushButton::clicked, this, &CFindBar::FindPrevious);
    connect(next, &QPushButton::clicked, this, &CFindBar::FindNext);
    connect(results, &QPushButton::clicked, this, &CFindBar::SignalShowResults);
    connect(close, &QPushButton::clicked, this, &CFindBar::Close);
    connect(stop, &QPushButton::clicked, search, &CDocumentSearch::Stop);

    connect(search, &CDocumentSearch::SignalProgress, this, &CFindBar::UpdateCounter);
    connect(search, &CDocumentSearch::SignalShowMatch, view, &CPageView::ShowArea);
}

QLineEdit* CFindBar::Field() const
{
    return field;
}

CTextMatcher::Options CFindBar::Options() const
{
    CTextMatcher::Options options;
    if (matchCase->isChecked())
        options |= CTextMatcher::MatchCase;
    if (wholeWords->isChecked())
        options |= CTextMatcher::WholeWords;
    return options;
}

bool CFindBar::ShowsCurrentQuery() const
{
    return !pause->isActive() && search->GetState() != CDocumentSearch::Idle && search->Query() == field->text()
        && search->GetOptions() == Options();
}

void CFindBar::Open(const QString& strSuggestion)
{
    const bool wasOpen = isVisible();
    if (!strSuggestion.isEmpty() && strSuggestion != field->text())
        field->setText(strSuggestion);
    show();
    field->setFocus();
    field->selectAll();
    // Reopened with a query: its matches come back at once. Without one the
    // text is read while the query is typed.
    if (!wasOpen && !pause->isActive() && !ShowsCurrentQuery()) {
        if (field->text().trimmed().isEmpty())
            search->ReadAhead(view->CurrentPage());
        else
            StartSearch();
    }
}

void CFindBar::Close()
{
    pause->stop();
    search->Clear();
    hide();
    view->setFocus();
}

void CFindBar::FindNext()
{
    Step(true);
}

void CFindBar::FindPrevious()
{
    Step(false);
}

void CFindBar::Step(bool bForward)
{
    if (!isVisible())
        Open();
    if (!ShowsCurrentQuery())
        StartSearch();
    else if (bForward)
        search->Next();
    else
        search->Previous();
}

bool CFindBar::HandleKey(const QKeyEvent* event)
{
    const bool f3 = event->key() == Qt::Key_F3;
    if (event->matches(QKeySequence::Find))
        Open();
    else if (event->matches(QKeySequence::FindNext) || (f3 && !event->modifiers()))
        FindNext();
    else if (event->matches(QKeySequence::FindPrevious) || (f3 && event->modifiers() == Qt::ShiftModifier))
        FindPrevious();
    else if (event->key() == Qt::Key_Escape && isVisible())
        Close();
    else
        return false;
    return true;
}

void CFindBar::StartSearch()
{
    pause->stop();
    search->Start(field->text(), Options(), view->CurrentPage());
}

void CFindBar::UpdateCounter()
{
    const int count = search->Count();
    const int ordinal = search->CurrentOrdinal();
    bool missing = false;
    switch (search->GetState()) {
    case CDocumentSearch::Idle:
        counter->clear();
        break;
    case CDocumentSearch::NoText:
        counter->setText(tr("No text in this document"));
        missing = true;
        break;
    case CDocumentSearch::Running:
        counter->setText(
            (ordinal > 0 ? tr("%1 of %2, %3 of %4 pages searched").arg(ordinal).arg(count)
                         : tr("%1 found, %2 of %3 pages searched").arg(count))
                .arg(search->PagesSearched())
                .arg(search->PageCount()));
        break;
    case CDocumentSearch::Stopped:
        counter->setText(
            (ordinal > 0 ? tr("%1 of %2, stopped after %3 of %4 pages").arg(ordinal).arg(count)
                         : tr("%1 found, stopped after %2 of %3 pages").arg(count))
                .arg(search->PagesSearched())
                .arg(search->PageCount()));
        missing = count == 0;
        break;
    case CDocumentSearch::Finished:
        counter->setText(ordinal > 0 ? tr("%1 of %2").arg(ordinal).arg(count) : tr("No results"));
        missing = count == 0;
        break;
    }
    stop->setVisible(search->GetState() == CDocumentSearch::Running);
    if (field->property("missing").toBool() != missing) {
        field->setProperty("missing", missing);
        field->style()->unpolish(field);
        field->style()->polish(field);
    }
}

bool CFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                FindPrevious();
            else
                FindNext();
            return true;
        }
        // Escape stops a search under way, keeping what it found; then
        // it closes the bar.
        if (key->key() == Qt::Key_Escape) {
            if (search->GetState() == CDocumentSearch::Running)
                search->Stop();
            else
                Close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
