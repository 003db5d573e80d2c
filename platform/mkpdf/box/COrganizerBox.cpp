#include "COrganizerBox.h"

#include "CDocumentToolBar.h"
#include "CEditSession.h"
#include "CIconButton.h"
#include "CMessageDialog.h"
#include "COrganizerView.h"
#include "CPasswordBox.h"
#include "CPdfDocument.h"
#include "CSavePipeline.h"
#include "CSplitBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

COrganizerBox::COrganizerBox(CEditSession* session_, QWidget* parent)
    : QWidget(parent)
    , session(session_)
{
    setObjectName("organizer_box");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    bar = new QWidget(this);
    bar->setObjectName("widget_organizer_bar");
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(40);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(4);
    layout->addWidget(bar);
    view = new COrganizerView(session, this);
    layout->addWidget(view, 1);

    // The window's file menu stays at hand, as in the reading view.
    row->addWidget(CDocumentToolBar::NewFileButton(bar, [this](const QPoint& pos) { emit SignalClickedFile(pos); }));
    selectionButtons << AddButton("button_org_rotate_left", tr("Rotate Left"), nullptr)
                     << AddButton("button_org_rotate_right", tr("Rotate Right"), nullptr);
    connect(selectionButtons.at(0), &QPushButton::clicked, this, [this]() { RotateSelection(-90); });
    connect(selectionButtons.at(1), &QPushButton::clicked, this, [this]() { RotateSelection(90); });
    selectionButtons << AddButton("button_org_delete", tr("Delete Pages"), nullptr)
                     << AddButton("button_org_duplicate", tr("Duplicate Pages"), &COrganizerBox::DuplicateSelection);
    connect(selectionButtons.at(2), &QPushButton::clicked, this, [this]() { DeleteSelection(); });
    row->addSpacing(8);
    AddButton("button_org_blank", tr("Insert Blank Page"), &COrganizerBox::InsertBlankPage);
    AddButton("button_org_insert", tr("Insert Pages from File"), &COrganizerBox::AskInsertFile);
    row->addSpacing(8);
    selectionButtons << AddButton("button_org_extract", tr("Extract Pages"), &COrganizerBox::AskExtract);
    AddButton("button_org_split", tr("Split Document"), &COrganizerBox::AskSplit);
    row->addSpacing(8);
    undoButton = AddButton("button_org_undo", tr("Undo (Ctrl+Z)"), nullptr);
    redoButton = AddButton("button_org_redo", tr("Redo (Ctrl+Shift+Z)"), nullptr);
    connect(undoButton, &QPushButton::clicked, session->UndoStack(), &QUndoStack::undo);
    connect(redoButton, &QPushButton::clicked, session->UndoStack(), &QUndoStack::redo);
    row->addStretch(1);
    status = new QLabel(bar);
    status->setObjectName("label_doc_total");
    row->addWidget(status);
    row->addSpacing(12);
    for (auto [name, text, signal] :
         {std::make_tuple("button_org_save", tr("Save"), &COrganizerBox::SignalSaveRequested),
          std::make_tuple("button_org_close", tr("Close"), &COrganizerBox::SignalCloseRequested)}) {
        auto* button = new QPushButton(text, bar);
        button->setObjectName(name);
        button->setFixedHeight(28);
        button->setMinimumWidth(72);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
        connect(button, &QPushButton::clicked, this, signal);
        row->addWidget(button);
    }

    connect(view, &COrganizerView::SignalSelectionChanged, this, &COrganizerBox::UpdateState);
    connect(view, &COrganizerView::SignalDeleteRequested, this, [this]() { DeleteSelection(); });
    connect(view, &COrganizerView::SignalMoveRequested, this, [this](const QList<int>& positions, int nBefore) {
        CPagePlan plan = session->Plan();
        const QList<int> moved = plan.Move(positions, nBefore);
        session->ApplyPlan(plan, tr("Move Pages"), moved);
    });
    connect(view, &COrganizerView::SignalInsertFilesRequested, this, [this](const QStringList& paths, int nAt) {
        for (const QString& path : paths) {
            const int before = session->Plan().Count();
            if (!InsertFile(path, nAt))
                break;
            nAt += session->Plan().Count() - before;
        }
    });
    connect(session, &CEditSession::SignalPlanChanged, this, &COrganizerBox::UpdateState);
    connect(session->UndoStack(), &QUndoStack::indexChanged, this, &COrganizerBox::UpdateState);
    UpdateState();
}

QPushButton* COrganizerBox::AddButton(const char* name, const QString& tip, void (COrganizerBox::*slot)())
{
    QPushButton* button = new CIconButton(name, tip, 28, bar);
    if (slot)
        connect(button, &QPushButton::clicked, this, slot);
    bar->layout()->addWidget(button);
    return button;
}

QString COrganizerBox::StatusText() const
{
    return status->text();
}

void COrganizerBox::UpdateState()
{
    const int count = session->Plan().Count();
    const int chosen = view->Selection().size();
    status->setText(tr("Pages: %1  Selected: %2").arg(count).arg(chosen));
    for (QPushButton* button : selectionButtons)
        button->setEnabled(chosen > 0);
    undoButton->setEnabled(session->UndoStack()->canUndo());
    redoButton->setEnabled(session->UndoStack()->canRedo());
}

void COrganizerBox::ShowError(const QString& title, const QString& text)
{
    CMessageDialog box(true, this, QString(), title, text, QString(), QString(), tr("OK"));
    box.ShowMask(window(), false);
    box.exec();
}

QString COrganizerBox::BaseName() const
{
    return QFileInfo(session->Document()->FilePath()).completeBaseName();
}

void COrganizerBox::RotateSelection(int nDegrees)
{
    CPagePlan plan = session->Plan();
    const QList<int> turned = plan.Rotate(view->Selection(), nDegrees);
    session->ApplyPlan(plan, nDegrees < 0 ? tr("Rotate Left") : tr("Rotate Right"), turned);
}

bool COrganizerBox::DeleteSelection()
{
    const QList<int> chosen = view->Selection();
    if (chosen.isEmpty())
        return false;
    if (chosen.size() >= session->Plan().Count()) {
        ShowError(tr("Cannot Delete Pages"), tr("A document needs at least one page. Keep one page or more."));
        return false;
    }
    CPagePlan plan = session->Plan();
    plan.Remove(chosen);
    // The page after the deleted ones is selected next.
    session->ApplyPlan(plan, tr("Delete Pages"), {qMin(chosen.first(), plan.Count() - 1)});
    return true;
}

void COrganizerBox::DuplicateSelection()
{
    CPagePlan plan = session->Plan();
    const QList<int> copies = plan.Duplicate(view->Selection());
    session->ApplyPlan(plan, tr("Duplicate Pages"), copies);
}

void COrganizerBox::InsertBlankPage()
{
    const QList<int> chosen = view->Selection();
    CPagePlan plan = session->Plan();
    const int at = chosen.isEmpty() ? plan.Count() : chosen.last() + 1;
    PlanPage blank;
    blank.source = -1;
    blank.size = QSizeF(595, 842);
    if (at > 0) {
        const PlanPage& before = plan.Pages().at(at - 1);
        const std::shared_ptr<CPdfDocument> doc = session->SourceDocument(before.source);
        blank.size = before.IsBlank() ? before.size : (doc ? doc->PageSize(before.page) : blank.size);
        if (before.rotation % 180)
            blank.size.transpose();
    }
    session->ApplyPlan(plan, tr("Insert Blank Page"), plan.Insert(at, {blank}));
}

bool COrganizerBox::InsertFile(const QString& path, int nAt)
{
    CPdfDocument::LoadStatus loadStatus = CPdfDocument::Damaged;
    std::shared_ptr<CPdfDocument> source = CPdfDocument::Load(path, QByteArray(), &loadStatus);
    bool gaveUp = false;
    if (!source)
        source = CPasswordBox::Unlock(path, &loadStatus, this, &gaveUp);
    if (gaveUp)
        return false;
    if (!source) {
        ShowError(tr("Cannot Insert Pages"),
                  tr("\"%1\" could not be read. It may be damaged or not a PDF file.").arg(QFileInfo(path).fileName()));
        return false;
    }
    session->AddSourceDocument(source);
    CPagePlan plan = session->Plan();
    const int index = plan.AddSource(source->FilePath());
    QVector<PlanPage> pages(source->PageCount());
    for (int i = 0; i < pages.size(); ++i) {
        pages[i].source = index;
        pages[i].page = i;
    }
    session->ApplyPlan(plan, tr("Insert Pages"), plan.Insert(nAt, pages));
    return true;
}

void COrganizerBox::AskInsertFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Insert Pages from File"),
                                                      QFileInfo(session->Document()->FilePath()).absolutePath(),
                                                      tr("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    const QList<int> chosen = view->Selection();
    InsertFile(path, chosen.isEmpty() ? session->Plan().Count() : chosen.last() + 1);
}

bool COrganizerBox::ExtractSelection(const QString& target)
{
    const QList<int> chosen = view->Selection();
    if (chosen.isEmpty())
        return false;
    const CSavePipeline::Result result
        = CSavePipeline::RunAndWait(session->MakeJob(target, session->Plan().Subset(chosen)));
    if (!result.Ok())
        ShowError(tr("Failed to Extract Pages"), result.message);
    return result.Ok();
}

void COrganizerBox::AskExtract()
{
    const QString folder = QFileInfo(session->Document()->FilePath()).absolutePath();
    QString target = QFileDialog::getSaveFileName(this, tr("Extract Pages"), folder + "/" + BaseName() + "_extract.pdf",
                                                  tr("PDF Files (*.pdf)"));
    if (target.isEmpty())
        return;
    if (QFileInfo(target).suffix().compare("pdf", Qt::CaseInsensitive) != 0)
        target += ".pdf";
    ExtractSelection(target);
}

QStringList COrganizerBox::SplitInto(const QString& folder, int nPagesPerFile)
{
    QStringList written;
    const int count = session->Plan().Count();
    if (nPagesPerFile < 1)
        return written;
    for (int first = 0, part = 1; first < count; first += nPagesPerFile, ++part) {
        QList<int> positions;
        for (int i = first; i < qMin(count, first + nPagesPerFile); ++i)
            positions << i;
        QString target = QDir(folder).filePath(QStringLiteral("%1_%2.pdf").arg(BaseName()).arg(part));
        for (int n = 2; QFileInfo::exists(target); ++n)
            target = QDir(folder).filePath(QStringLiteral("%1_%2 (%3).pdf").arg(BaseName()).arg(part).arg(n));
        const CSavePipeline::Result result
            = CSavePipeline::RunAndWait(session->MakeJob(target, session->Plan().Subset(positions)));
        if (!result.Ok()) {
            // Parts written before the failure are removed: a split is whole
            // or not at all.
            for (const QString& path : written)
                QFile::remove(path);
            ShowError(tr("Failed to Split Document"), result.message);
            return {};
        }
        written << target;
    }
    return written;
}

void COrganizerBox::AskSplit()
{
    CSplitBox box(session->Plan().Count(), this);
    box.ShowMask(window(), false);
    if (box.exec() != 1)
        return;
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Split Document"),
                                                             QFileInfo(session->Document()->FilePath()).absolutePath());
    if (!folder.isEmpty())
        SplitInto(folder, box.PagesPerFile());
}
