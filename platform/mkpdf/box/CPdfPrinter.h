#pragma once

#include "CPrintJob.h"

#include <QCoreApplication>

class CEditSession;
class QPrinter;
class QWidget;

// Printing an open document: the print dialog, the document's right to be
// printed, and a print job of the document as it is open now (unsaved
// comments and form values included) with its progress, Cancel and what
// went wrong. The pages go out as the PDF they are, never as pictures.
class CPdfPrinter
{
    Q_DECLARE_TR_FUNCTIONS(CPdfPrinter)
public:
    // The dialog, then the job it asks for; the window goes on painting
    // while the job runs and takes no other input until it ends.
    static void AskPrint(QWidget* owner, CEditSession* session, int nCurrentPage);
    // Pages nFrom..nTo (from 0, inclusive; -1: the first or last) on a
    // printer the caller set up, or into the PDF file it names; returns when
    // the job ended. Failures are shown to the user.
    static bool PrintTo(QWidget* owner, CEditSession* session, QPrinter* printer, int nFrom, int nTo);
    // What printer asks of a job, for a document showing page nCurrentPage
    // (from 0).
    static PrintSettings SettingsFor(QPrinter& printer, int nCurrentPage);

private:
    // False, after telling the user, when the document may not be printed.
    static bool MayPrint(QWidget* owner, CEditSession* session);
    // False, after telling the user, when printer names neither a printer
    // nor a file.
    static bool HasTarget(QWidget* owner, QPrinter& printer);
    // The job with a progress window while owner is on screen; deleted
    // once it has ended.
    static CPrintJob* Start(QWidget* owner, CEditSession* session, const PrintSettings& settings);
};
