#include "CTextRecognizer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/renderer.h>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <exception>

namespace {

// The languages whose names we know, by the recognizer's codes.
const QHash<QString, QLocale::Language>& KnownLanguages()
{
    static const QHash<QString, QLocale::Language> languages
        = {{"eng", QLocale::English},    {"deu", QLocale::German},    {"fra", QLocale::French},
           {"spa", QLocale::Spanish},    {"ita", QLocale::Italian},   {"por", QLocale::Portuguese},
           {"nld", QLocale::Dutch},      {"pol", QLocale::Polish},    {"ces", QLocale::Czech},
           {"dan", QLocale::Danish},     {"swe", QLocale::Swedish},   {"nor", QLocale::NorwegianBokmal},
           {"fin", QLocale::Finnish},    {"hun", QLocale::Hungarian}, {"ron", QLocale::Romanian},
           {"tur", QLocale::Turkish},    {"ell", QLocale::Greek},     {"rus", QLocale::Russian},
           {"ukr", QLocale::Ukrainian},  {"ara", QLocale::Arabic},    {"heb", QLocale::Hebrew},
           {"jpn", QLocale::Japanese},   {"kor", QLocale::Korean},    {"chi_sim", QLocale::Chinese},
           {"chi_tra", QLocale::Chinese}};
    return languages;
}

bool HasLanguageData(const QString& folder)
{
    return !folder.isEmpty() && !QDir(folder).entryList({"*.traineddata"}, QDir::Files).isEmpty();
}

// What the recognizer reports back while it reads.
struct Watch
{
    const std::atomic<bool>* cancel = nullptr;
    const CTextRecognizer::Progress* progress = nullptr;
    tesseract::ETEXT_DESC* monitor = nullptr;
};

bool Cancelled(void* data, int)
{
    const auto* watch = static_cast<Watch*>(data);
    if (watch->progress && *watch->progress)
        (*watch->progress)(watch->monitor->progress);
    return watch->cancel && watch->cancel->load();
}

// The picture as the recognizer takes it: 8-bit grey.
Pix* ToPix(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    Pix* pix = pixCreate(grey.width(), grey.height(), 8);
    if (!pix)
        return nullptr;
    const int wpl = pixGetWpl(pix);
    l_uint32* data = pixGetData(pix);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        l_uint32* line = data + y * wpl;
        for (int x = 0; x < grey.width(); ++x)
            SET_DATA_BYTE(line, x, in[x]);
    }
    return pix;
}

// The renderer stretches each word together with the space after it over
// the word's own width, so a found or selected word ends a character short.
// Stretched a little more, its letters cover the word and the space goes
// into the gap after it.
bool FitWords(QByteArray* pdf)
{
    static const QRegularExpression word(QStringLiteral("([0-9.]+) Tz \\[ <((?:[0-9A-Fa-f]{4})+)> \\] TJ"));
    try {
        QPDF layer;
        layer.setSuppressWarnings(true);
        layer.processMemoryFile("text layer", pdf->constData(), size_t(pdf->size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(layer).getAllPages();
        QPDFObjectHandle contents
            = pages.size() == 1 ? pages.front().getObjectHandle().getKey("/Contents") : QPDFObjectHandle::newNull();
        if (!contents.isStream())
            return false;
        const std::shared_ptr<Buffer> data = contents.getStreamData();
        const QString text
            = QString::fromLatin1(reinterpret_cast<const char*>(data->getBuffer()), int(data->getSize()));
        QString fitted;
        fitted.reserve(text.size());
        int from = 0;
        for (auto it = word.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString codes = match.captured(2);
            const int glyphs = codes.size() / 4;
            double stretch = match.captured(1).toDouble();
            if (glyphs > 1 && codes.endsWith(QLatin1String("0020")))
                stretch *= double(glyphs) / (glyphs - 1);
            fitted += text.midRef(from, match.capturedStart() - from);
            fitted += QString::number(stretch, 'f', 3) + QStringLiteral(" Tz [ <") + codes + QStringLiteral("> ] TJ");
            from = match.capturedEnd();
        }
        fitted += text.midRef(from);
        contents.replaceStreamData(fitted.toLatin1().toStdString(), QPDFObjectHandle::newNull(),
                                   QPDFObjectHandle::newNull());
        QPDFWriter writer(layer);
        writer.setOutputMemory();
        writer.setCompressStreams(true);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        *pdf = QByteArray(reinterpret_cast<const char*>(out->getBuffer()), int(out->getSize()));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

QString CTextRecognizer::DataPath()
{
    // The recognizer's own variable names the data folder or its parent.
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    QStringList candidates;
    if (!prefix.isEmpty())
        candidates << prefix << prefix + "/tessdata";
    candidates << "/usr/share/tesseract-ocr/5/tessdata"
               << "/usr/share/tesseract-ocr/4.00/tessdata"
               << "/usr/share/tessdata"
               << "/usr/local/share/tessdata";
    for (const QString& folder : candidates) {
        if (HasLanguageData(folder))
            return QDir(folder).absolutePath();
    }
    return QString();
}

QStringList CTextRecognizer::InstalledLanguages(const QString& first)
{
    const QString folder = DataPath();
    if (folder.isEmpty())
        return {};
    QStringList codes;
    for (const QString& file : QDir(folder).entryList({"*.traineddata"}, QDir::Files, QDir::Name)) {
        const QString code = QFileInfo(file).completeBaseName();
        // Orientation and script detection is no language to read.
        if (code != "osd" && code != "equ")
            codes << code;
    }
    auto rank = [&first](const QString& code) { return code == first ? 0 : code == "eng" ? 1 : 2; };
    std::stable_sort(codes.begin(), codes.end(),
                     [&rank](const QString& a, const QString& b) { return rank(a) < rank(b); });
    return codes;
}

QString CTextRecognizer::LanguageName(const QString& code)
{
    const auto it = KnownLanguages().constFind(code);
    if (it == KnownLanguages().constEnd())
        return code;
    // Not the name of one country's English.
    if (code == "eng")
        return QStringLiteral("English");
    if (code == "chi_tra")
        return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan).nativeLanguageName();
    QString name = QLocale(it.value()).nativeLanguageName();
    // Names some languages write in lower case still head a list.
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

CTextRecognizer::CTextRecognizer(const QStringList& languages)
    : dataPath(DataPath())
{
    if (dataPath.isEmpty()) {
        error = tr("no text recognition languages are installed");
        return;
    }
    for (const QString& code : languages) {
        if (code.isEmpty() || code.contains('/') || code.contains('+')
            || !QFileInfo::exists(dataPath + "/" + code + ".traineddata")) {
            error = tr("no language data for \"%1\" is installed").arg(code);
            return;
        }
    }
    if (languages.isEmpty()) {
        error = tr("no language chosen");
        return;
    }
    auto made = std::make_unique<tesseract::TessBaseAPI>();
    // Its diagnostics are for its own developers.
    made->SetVariable("debug_file", "/dev/null");
    if (made->Init(QFile::encodeName(dataPath).constData(), languages.join('+').toUtf8().constData(),
                   tesseract::OEM_DEFAULT)
        != 0) {
        error = tr("the language data could not be read");
        return;
    }
    api = std::move(made);
}

CTextRecognizer::~CTextRecognizer()
{
    if (api)
        api->End();
}

bool CTextRecognizer::Recognize(const QImage& picture, int dpi, QByteArray* pdf, const std::atomic<bool>* cancel,
                                const Progress& progress, QString* problem)
{
    auto fail = [problem](const QString& text) {
        if (problem)
            *problem = text;
        return false;
    };
    if (!api)
        return fail(error);
    if (picture.isNull() || dpi < 70 || dpi > 2400)
        return fail(tr("no picture to read"));
    Pix* pix = ToPix(picture);
    if (!pix)
        return fail(tr("out of memory"));
    api->SetImage(pix);
    api->SetSourceResolution(dpi);
    tesseract::ETEXT_DESC monitor;
    Watch watch {cancel, &progress, &monitor};
    monitor.cancel = &Cancelled;
    monitor.cancel_this = &watch;
    const bool read = api->Recognize(&monitor) == 0;
    pixDestroy(&pix);
    if (cancel && cancel->load())
        return fail(QString());
    if (!read)
        return fail(tr("the picture could not be read"));

    // The renderer writes to a file only.
    QTemporaryDir folder;
    if (!folder.isValid())
        return fail(folder.errorString());
    const QByteArray base = QFile::encodeName(folder.filePath("page"));
    {
        tesseract::TessPDFRenderer renderer(base.constData(), QFile::encodeName(dataPath).constData(), true);
        if (!renderer.happy() || !renderer.BeginDocument("") || !renderer.AddImage(api.get())
            || !renderer.EndDocument())
            return fail(tr("the text could not be written"));
    }
    QFile written(folder.filePath("page.pdf"));
    if (!written.open(QIODevice::ReadOnly))
        return fail(written.errorString());
    *pdf = written.readAll();
    if (!pdf->startsWith("%PDF-") || !FitWords(pdf))
        return fail(tr("the text could not be written"));
    if (progress)
        progress(100);
    return true;
}

QString CTextRecognizer::LastText() const
{
    if (!api)
        return QString();
    std::unique_ptr<char[]> text(api->GetUTF8Text());
    return text ? QString::fromUtf8(text.get()) : QString();
}
