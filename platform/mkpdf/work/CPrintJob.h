#pragma once

#include "CSavePipeline.h"

#include <QByteArray>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <memory>

// What the print dialog asked for, in the terms of a print job.
struct PrintSettings
{
    enum Sides { OneSided, TwoSidedLongEdge, TwoSidedShortEdge, PrinterSides };

    QString printer;    // CUPS destination, "queue" or "queue/instance"; empty: the default one
    QString outputFile; // set: the PDF is written there and no printer is involved
    QString title;      // the job's name in the printer's queue
    int copies = 1;
    bool collate = true;
    // Which pages, as print dialogs and CUPS write them ("1-3,7,10-"),
    // counted from 1 in the document as it is open; empty: all of them.
    QString pages;
    Sides sides = OneSided;
    bool landscape = false;
    bool grayscale = false;
    bool reverse = false;
    QString media; // paper by its PPD name ("A4", "Letter"); empty: the printer's own
    // Job and printer options the dialog chose beside the above (pages per
    // sheet, page set, tray...), name and value as CUPS takes them.
    QVector<QPair<QByteArray, QByteArray>> extra;
};

// One print of a document as it is open now: its unsaved comments and form
// values written by the save pipeline into a copy without protection, the
// pages asked for cut out with it, then that PDF handed to CUPS with the
// dialog's choices as the job's options, or written to the file asked for.
// The work runs on the file pool; progress and the end come back as signals
// on the thread that started it.
class CPrintJob : public QObject
{
    Q_OBJECT
public:
    enum Stage { Preparing, Sending };

    // job: a write of the whole document as it is open; its target, plan
    // and protection are set here.
    CPrintJob(const CSavePipeline::Job& job, const PrintSettings& settings, QObject* parent = nullptr);
    // A job already started goes on without whoever started it: what reached
    // the printer is printed, a file being written is finished.
    ~CPrintJob() override;

    const PrintSettings& Settings() const { return settings; }
    void Start();
    // Stops the job as soon as it can: a file is not written, a printer job
    // not yet complete is withdrawn. SignalFinished follows.
    void Cancel();
    bool IsRunning() const;

    // The pages of plan that settings ask for, in order; none when the
    // ranges are malformed or name no page of it.
    static CPagePlan PagesToPrint(const CPagePlan& plan, const PrintSettings& settings);
    // The job's IPP options: what the dialog chose beside the pages, which
    // are cut out of the file itself.
    static QVector<QPair<QByteArray, QByteArray>> CupsOptions(const PrintSettings& settings);

signals:
    void SignalProgress(int nStage, int nPercent);
    // bOk false and strError empty: cancelled.
    void SignalFinished(bool bOk, const QString& strError);

private:
    struct State;
    struct Outcome
    {
        bool ok = false;
        QString error;
    };
    // The changes writer of a print: what is held in memory, and a picture
    // for every comment without one, which a printer would leave out.
    static CSavePipeline::ChangesWriter WithAppearances(const CSavePipeline::ChangesWriter& changes,
                                                        const PdfSource& source);
    static Outcome Run(CSavePipeline::Job job, const PrintSettings& settings, const std::shared_ptr<State>& state);
    static Outcome Send(const QString& path, const PrintSettings& settings, const std::shared_ptr<State>& state);
    void Poll();

    CSavePipeline::Job job;
    PrintSettings settings;
    std::shared_ptr<State> state;
    class QTimer* timer = nullptr;
    int lastStage = -1;
    int lastPercent = -1;
};
