#include "CPrintJob.h"

#include "CAnnotationStore.h"
#include "CFileUtils.h"
#include "CJobRunner.h"

#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <cups/cups.h>

#include <algorithm>
#include <atomic>

namespace {

constexpr int kChunk = 1 << 16;

// A connection to the scheduler and a destination, each given back once.
struct CupsLink
{
    http_t* http = nullptr;
    cups_dest_t* dest = nullptr;
    int optionCount = 0;
    cups_option_t* options = nullptr;
    ~CupsLink()
    {
        cupsFreeOptions(optionCount, options);
        if (dest)
            cupsFreeDests(1, dest);
        if (http)
            httpClose(http);
    }
};

QString CupsReason()
{
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace

struct CPrintJob::State
{
    std::atomic<bool> cancelled {false};
    std::atomic<bool> running {false};
    std::atomic<int> stage {Preparing};
    std::atomic<int> percent {0};
};

CPrintJob::CPrintJob(const CSavePipeline::Job& job_, const PrintSettings& settings_, QObject* parent)
    : QObject(parent)
    , job(job_)
    , settings(settings_)
    , state(std::make_shared<State>())
{
}

CPrintJob::~CPrintJob() = default;

bool CPrintJob::IsRunning() const
{
    return state->running;
}

void CPrintJob::Cancel()
{
    state->cancelled = true;
}

void CPrintJob::Start()
{
    if (state->running)
        return;
    state->running = true;
    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this, [this, watcher]() {
        timer->stop();
        state->running = false;
        // A pool drained before the job ran has no result: nothing was done.
        const Outcome outcome = watcher->future().resultCount() ? watcher->result() : Outcome();
        watcher->deleteLater();
        emit SignalFinished(outcome.ok, outcome.error);
    });
    timer = new QTimer(this);
    timer->setInterval(100);
    connect(timer, &QTimer::timeout, this, &CPrintJob::Poll);
    timer->start();
    emit SignalProgress(Preparing, 0);
    const CSavePipeline::Job work = job;
    const PrintSettings asked = settings;
    const std::shared_ptr<State> shared = state;
    // Apart from the pages: a print never waits behind page pictures.
    watcher->setFuture(CJobRunner::Run(CJobRunner::FilePool, CJobRunner::BackgroundPriority,
                                       [work, asked, shared]() { return Run(work, asked, shared); }));
}

void CPrintJob::Poll()
{
    const int stage = state->stage;
    const int percent = state->percent;
    if (stage == lastStage && percent == lastPercent)
        return;
    lastStage = stage;
    lastPercent = percent;
    emit SignalProgress(stage, percent);
}

CPagePlan CPrintJob::PagesToPrint(const CPagePlan& plan, const PrintSettings& settings)
{
    const int count = plan.Count();
    QList<int> positions;
    if (settings.pages.trimmed().isEmpty()) {
        for (int i = 0; i < count; ++i)
            positions << i;
        return plan.Subset(positions);
    }
    static const QRegularExpression range(QStringLiteral("^\\s*(\\d{1,9})?\\s*(-)?\\s*(\\d{1,9})?\\s*$"));
    QSet<int> wanted;
    for (const QString& part : settings.pages.split(',')) {
        const QRegularExpressionMatch match = range.match(part);
        if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(3).isEmpty())
            || (match.captured(2).isEmpty() && match.captured(3).size()))
            return CPagePlan();
        const int first = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first
            : match.captured(3).isEmpty()            ? count
                                                     : match.captured(3).toInt();
        for (int page = qMax(first, 1); page <= qMin(last, count); ++page)
            wanted.insert(page - 1);
    }
    for (int i = 0; i < count; ++i) {
        if (wanted.contains(i))
            positions << i;
    }
    return plan.Subset(positions);
}

QVector<QPair<QByteArray, QByteArray>> CPrintJob::CupsOptions(const PrintSettings& settings)
{
    QVector<QPair<QByteArray, QByteArray>> options;
    auto set = [&options](const QByteArray& name, const QByteArray& value) {
        options.erase(std::remove_if(options.begin(), options.end(), [&name](const auto& o) { return o.first == name; }),
                      options.end());
        options.append({name, value});
    };
    for (const auto& option : settings.extra) {
        // The pages are cut out of the file already.
        if (option.first != "page-ranges")
            set(option.first, option.second);
    }
    const int copies = qBound(1, settings.copies, 9999);
    set("copies", QByteArray::number(copies));
    if (copies > 1)
        set("multiple-document-handling",
            settings.collate ? "separate-documents-collated-copies" : "separate-documents-uncollated-copies");
    static const char* const sides[] = {"one-sided", "two-sided-long-edge", "two-sided-short-edge"};
    if (settings.sides != PrintSettings::PrinterSides)
        set("sides", sides[settings.sides]);
    set("orientation-requested", settings.landscape ? "4" : "3");
    if (settings.grayscale)
        set("print-color-mode", "monochrome");
    if (settings.reverse)
        set("outputorder", "reverse");
    if (!settings.media.isEmpty())
        set("media", settings.media.toUtf8());
    return options;
}

CSavePipeline::ChangesWriter CPrintJob::WithAppearances(const CSavePipeline::ChangesWriter& changes,
                                                       const PdfSource& source)
{
    // Nothing in memory and every comment with its picture: the file as it is.
    if (!changes && CPdfEditor::CommentsWithoutAppearance(source.path, source.password).isEmpty())
        return changes;
    return [changes, source](const QString& path, QString* error) {
        QString from = source.path;
        if (changes) {
            from = path + QStringLiteral(".changes");
            if (!changes(from, error))
                return false;
        }
        const QMap<int, QStringList> missing = CPdfEditor::CommentsWithoutAppearance(from, source.password);
        const bool written = missing.isEmpty() ? QFile::copy(from, path)
                                               : CAnnotationStore::DrawAppearances(from, path, source.password, missing, error);
        if (changes)
            QFile::remove(from);
        return written;
    };
}

CPrintJob::Outcome CPrintJob::Run(CSavePipeline::Job job, const PrintSettings& settings,
                                  const std::shared_ptr<State>& state)
{
    Outcome outcome;
    job.plan = PagesToPrint(job.plan, settings);
    if (job.plan.Count() == 0) {
        outcome.error = tr("The pages \"%1\" are not in the document.").arg(settings.pages);
        return outcome;
    }
    job.protection = PdfProtection();
    job.protection.mode = PdfProtection::PrintCopy;
    job.changesWriter = WithAppearances(job.changesWriter, job.sources.at(0).file);
    job.reload = false;
    job.progress = [state](int nPercent) {
        state->percent = nPercent;
        return !state->cancelled;
    };
    const bool toFile = !settings.outputFile.isEmpty();
    for (const CSavePipeline::Source& source : job.sources) {
        // The copy for paper has no protection and its comments drawn in:
        // it never takes the place of a file it is made from.
        if (toFile && MKBase::CFileUtils::IsTheSameFile(source.file.path, settings.outputFile)) {
            outcome.error = tr("\"%1\" is the document being printed. Print to another file.")
                                .arg(QDir::toNativeSeparators(settings.outputFile));
            return outcome;
        }
    }
    QTemporaryDir spool;
    if (!toFile && !spool.isValid()) {
        outcome.error = tr("No temporary folder could be made for the print job (%1).").arg(spool.errorString());
        return outcome;
    }
    job.target = toFile ? settings.outputFile : spool.filePath("print.pdf");
    const CSavePipeline::Result written = CSavePipeline::Run(job);
    if (!written.Ok()) {
        if (state->cancelled || written.failure == CSavePipeline::Stopped)
            return outcome;
        outcome.error = written.message;
        if (toFile
            && (written.failure == CSavePipeline::FolderNotWritable
                || written.failure == CSavePipeline::TargetReadOnly))
            outcome.error = tr("\"%1\" cannot be written: its folder or the file does not allow changes. Print to "
                               "another file.")
                                .arg(QDir::toNativeSeparators(settings.outputFile));
        return outcome;
    }
    if (toFile) {
        outcome.ok = true;
        return outcome;
    }
    if (state->cancelled)
        return outcome;
    state->stage = Sending;
    state->percent = 0;
    return Send(job.target, settings, state);
}

CPrintJob::Outcome CPrintJob::Send(const QString& path, const PrintSettings& settings,
                                   const std::shared_ptr<State>& state)
{
    Outcome outcome;
    const QByteArray queue = settings.printer.section('/', 0, 0).toUtf8();
    const QByteArray instance = settings.printer.section('/', 1).toUtf8();
    CupsLink cups;
    cups.http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr);
    if (!cups.http) {
        outcome.error = tr("The printing service does not answer at %1.").arg(QString::fromUtf8(cupsServer()));
        return outcome;
    }
    cups.dest = cupsGetNamedDest(cups.http, queue.isEmpty() ? nullptr : queue.constData(),
                                     instance.isEmpty() ? nullptr : instance.constData());
    if (!cups.dest) {
        outcome.error = settings.printer.isEmpty()
            ? tr("No printer is set up (%1).").arg(CupsReason())
            : tr("The printer \"%1\" cannot be found (%2).").arg(settings.printer, CupsReason());
        return outcome;
    }
    const QString name = QString::fromUtf8(cups.dest->name);
    auto fail = [&outcome, &name](const QString& reason) {
        outcome.error = tr("The printer \"%1\" did not take the job: %2").arg(name, reason);
        return outcome;
    };
    // The user's own defaults for the queue (lpoptions), then the dialog's.
    for (int i = 0; i < cups.dest->num_options; ++i)
        cups.optionCount = cupsAddOption(cups.dest->options[i].name, cups.dest->options[i].value, cups.optionCount,
                                         &cups.options);
    for (const auto& option : CupsOptions(settings))
        cups.optionCount
            = cupsAddOption(option.first.constData(), option.second.constData(), cups.optionCount, &cups.options);
    const QByteArray title = settings.title.isEmpty() ? QByteArray("document") : settings.title.toUtf8();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const int id = cupsCreateJob(cups.http, cups.dest->name, title.constData(), cups.optionCount, cups.options);
    if (id <= 0)
        return fail(CupsReason());
    auto withdraw = [&cups, id]() { cupsCancelJob2(CUPS_HTTP_DEFAULT, cups.dest->name, id, 0); };
    if (cupsStartDocument(cups.http, cups.dest->name, id, title.constData(), CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE) {
        const QString reason = CupsReason();
        withdraw();
        return fail(reason);
    }
    const qint64 total = qMax<qint64>(1, file.size());
    qint64 sent = 0;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        if (state->cancelled) {
            // The job goes before anything of it is printed; the upload
            // under way is dropped with its connection.
            withdraw();
            return outcome;
        }
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0) {
            withdraw();
            return fail(file.errorString());
        }
        if (got == 0)
            break;
        if (cupsWriteRequestData(cups.http, buffer.constData(), size_t(got)) != HTTP_STATUS_CONTINUE) {
            const QString reason = CupsReason();
            withdraw();
            return fail(reason);
        }
        sent += got;
        state->percent = int(sent * 100 / total);
    }
    if (cupsFinishDocument(cups.http, cups.dest->name) > IPP_STATUS_OK_CONFLICTING)
        return fail(CupsReason());
    outcome.ok = true;
    return outcome;
}
