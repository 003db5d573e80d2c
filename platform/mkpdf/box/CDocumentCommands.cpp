#include "CDocumentCommands.h"

#include "CAnnotationLayer.h"
#include "CCommentController.h"
#include "CDocumentSaver.h"
#include "CEditSession.h"
#include "CFileUtils.h"
#include "CFindBar.h"
#include "CLinkActions.h"
#include "COrganizerBox.h"
#include "COrganizerView.h"
#include "CPageEditController.h"
#include "CPageView.h"
#include "CPresentationView.h"
#include "CRecognizeController.h"
#include "CSidePanel.h"
#include "CSignatureController.h"
#include "MainBox.h"

#include <QScreen>
#include <QUndoStack>

bool CDocumentCommands::Knows(const QString& key)
{
    return Table().contains(key);
}

bool CDocumentCommands::Run(MainBox* box, const QString& key)
{
    const Command command = Table().value(key);
    if (!command)
        return false;
    command(box);
    return true;
}

const QHash<QString, CDocumentCommands::Command>& CDocumentCommands::Table()
{
    static const QHash<QString, Command> keys = {
        {"save", [](MainBox* box) { box->saver->Save(); }},
        {"save_as", [](MainBox* box) { box->saver->AskSaveAs(); }},
        {"protect", [](MainBox* box) { box->saver->AskProtect(); }},
        {"show_in_finder",
         [](MainBox* box) { MKBase::CFileUtils::OpenFolderAndSelectFile(box->GetDocumentFilePath()); }},
        {"rename", [](MainBox* box) { box->AskRename(); }},
        {"doc_property", [](MainBox* box) { box->ShowProperties(); }},
        {"print", [](MainBox* box) { box->AskPrint(); }},
        {"undo", [](MainBox* box) { box->session->UndoStack()->undo(); }},
        {"redo", [](MainBox* box) { box->session->UndoStack()->redo(); }},
        {"delete",
         [](MainBox* box) {
             if (box->IsOrganizing())
                 box->organizer->DeleteSelection();
             else if (box->pageEdit->IsShown())
                 box->pageEdit->DeleteSelected();
             else if (box->comments->Layer())
                 box->comments->Layer()->DeleteSelected();
         }},
        {"comment", [](MainBox* box) { box->comments->Toggle(); }},
        {"page_edit", [](MainBox* box) { box->pageEdit->Toggle(); }},
        {"copy",
         [](MainBox* box) {
             if (!box->comments->CopySelected(false))
                 box->view->CopySelection();
         }},
        {"cut", [](MainBox* box) { box->comments->CopySelected(true); }},
        {"paste",
         [](MainBox* box) {
             const int page = box->view->CurrentPage();
             box->comments->Paste(page, box->document->PageSize(page));
         }},
        {"select_all",
         [](MainBox* box) {
             if (box->IsOrganizing())
                 box->organizer->View()->SelectAll();
             else
                 box->view->SelectAllText();
         }},
        {"organize_pages",
         [](MainBox* box) { box->IsOrganizing() ? void(box->CloseOrganizer()) : box->ShowOrganizer(); }},
        {"recognize_text", [](MainBox* box) { box->recognizer->Offer(); }},
        {"single_view", [](MainBox* box) { box->view->SetDisplayMode(CPageView::SinglePage); }},
        {"single_scroll", [](MainBox* box) { box->view->SetDisplayMode(CPageView::SingleScroll); }},
        {"two_view", [](MainBox* box) { box->view->SetDisplayMode(CPageView::TwoPage); }},
        {"two_scroll", [](MainBox* box) { box->view->SetDisplayMode(CPageView::TwoScroll); }},
        {"thumbnail", [](MainBox* box) { box->TogglePanel(CSidePanel::Thumbnails); }},
        {"bookmark", [](MainBox* box) { box->TogglePanel(CSidePanel::Bookmarks); }},
        {"annotation", [](MainBox* box) { box->TogglePanel(CSidePanel::Annotations); }},
        {"attachment", [](MainBox* box) { box->TogglePanel(CSidePanel::Attachments); }},
        {"signature", [](MainBox* box) { box->TogglePanel(CSidePanel::Signatures); }},
        {"sign",
         [](MainBox* box) {
             if (box->CloseOrganizer())
                 box->signatures->StartSigning();
         }},
        {"presentation",
         [](MainBox* box) {
             auto* show = new CPresentationView(box->document, box->view->CurrentPage(), box);
             QObject::connect(show, &CPresentationView::SignalClosed, box->view, &CPageView::GoToPage);
             // The whole screen of the document's window, also where no
             // window manager makes a full-screen window so.
             show->setGeometry(box->window()->screen()->geometry());
             show->showFullScreen();
             show->activateWindow();
         }},
        {"rotate_left", [](MainBox* box) { box->view->SetRotation(box->view->Rotation() - 90); }},
        {"rotate_right", [](MainBox* box) { box->view->SetRotation(box->view->Rotation() + 90); }},
        {"zoom_in", [](MainBox* box) { box->view->ZoomIn(); }},
        {"zoom_out", [](MainBox* box) { box->view->ZoomOut(); }},
        {"fit_actual", [](MainBox* box) { box->view->SetZoom(CPageView::kActualSize); }},
        {"fit_page", [](MainBox* box) { box->view->SetZoom(CPageView::kFitPage); }},
        {"fit_width", [](MainBox* box) { box->view->SetZoom(CPageView::kFitWidth); }},
        {"fit_height", [](MainBox* box) { box->view->SetZoom(CPageView::kFitHeight); }},
        {"full_screen", [](MainBox* box) { box->readMode ? box->LeaveReadMode() : box->EnterReadMode(); }},
        {"exit_full_screen", [](MainBox* box) { box->LeaveReadMode(); }},
        {"first_page", [](MainBox* box) { box->view->GoToPage(0); }},
        {"last_page", [](MainBox* box) { box->view->GoToPage(box->view->PageCount() - 1); }},
        {"pre_page", [](MainBox* box) { box->view->GoToPage(box->view->CurrentPage() - 1); }},
        {"next_page", [](MainBox* box) { box->view->GoToPage(box->view->CurrentPage() + 1); }},
        {"up", [](MainBox* box) { box->view->ScrollLines(-1); }},
        {"down", [](MainBox* box) { box->view->ScrollLines(1); }},
        {"goto", [](MainBox* box) { box->AskGoToPage(); }},
        {"go_back", [](MainBox* box) { box->links->Back(); }},
        {"go_forward", [](MainBox* box) { box->links->Forward(); }},
        {"find", [](MainBox* box) { box->findBar->Open(); }},
    };
    return keys;
}
