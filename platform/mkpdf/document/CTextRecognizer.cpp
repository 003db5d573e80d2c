#include "CTextRecognizer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QTemporaryDir>

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/renderer.h>

#include <algorithm>

namespace {

// The languages whose names we know, by the recognizer's codes.
const QHash<QString, QLocale::Language>& KnownLanguages()
{
    static const QHash<QString, QLocale::Language> languages = {
        {"eng", QLocale::English},   {"deu", QLocale::German},     {"fra", QLocale::French},
        {"spa", QLocale::Spanish},   {"ita", QLocale::Italian},    {"por", QLocale::Portuguese},
        {"nld", QLocale::Dutch},     {"pol", QLocale::Polish},     {"ces", QLocale::Czech},
        {"dan", QLocale::Danish},    {"swe", QLocale::Swedish},    {"nor", QLocale::NorwegianBokmal},
        {"fin", QLocale::Finnish},   {"hun", QLocale::Hungarian},  {"ron", QLocale::Romanian},
        {"tur", QLocale::Turkish},   {"ell", QLocale::Greek},      {"rus", QLocale::Russian},
        {"ukr", QLocale::Ukrainian}, {"ara", QLocale::Arabic},     {"heb", QLocale::Hebrew},
        {"jpn", QLocale::Japanese},  {"kor", QLocale::Korean},     {"chi_sim", QLocale::Chinese},
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

} // namespace

QString CTextRecognizer::DataPath()
{
    // The recognizer's own variable names the data folder or its parent.
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    QStringList candidates;
    if (!prefix.isEmpty())
        candidates << prefix << prefix + "/tessdata";
    candidates << "/usr/share/tesseract-ocr/5/tessdata" << "/usr/share/tesseract-ocr/4.00/tessdata"
               << "/usr/share/tessdata" << "/usr/local/share/tessdata";
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
        error = QStringLiteral("no language data is installed");
        return;
    }
    for (const QString& code : languages) {
        if (code.isEmpty() || code.contains('/') || code.contains('+')
            || !QFileInfo::exists(dataPath + "/" + code + ".traineddata")) {
            error = QStringLiteral("no language data for \"%1\"").arg(code);
            return;
        }
    }
    if (languages.isEmpty()) {
        error = QStringLiteral("no language chosen");
        return;
    }
    auto made = std::make_unique<tesseract::TessBaseAPI>();
    // Its diagnostics are for its own developers.
    made->SetVariable("debug_file", "/dev/null");
    if (made->Init(QFile::encodeName(dataPath).constData(), languages.join('+').toUtf8().constData(),
                   tesseract::OEM_DEFAULT)
        != 0) {
        error = QStringLiteral("the language data could not be read");
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
        return fail(QStringLiteral("no picture to read"));
    Pix* pix = ToPix(picture);
    if (!pix)
        return fail(QStringLiteral("out of memory"));
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
        return fail(QStringLiteral("the picture could not be read"));

    // The renderer writes to a file only.
    QTemporaryDir folder;
    if (!folder.isValid())
        return fail(folder.errorString());
    const QByteArray base = QFile::encodeName(folder.filePath("page"));
    {
        tesseract::TessPDFRenderer renderer(base.constData(), QFile::encodeName(dataPath).constData(), true);
        if (!renderer.happy() || !renderer.BeginDocument("") || !renderer.AddImage(api.get())
            || !renderer.EndDocument())
            return fail(QStringLiteral("the text could not be written"));
    }
    QFile written(folder.filePath("page.pdf"));
    if (!written.open(QIODevice::ReadOnly))
        return fail(written.errorString());
    *pdf = written.readAll();
    if (!pdf->startsWith("%PDF-"))
        return fail(QStringLiteral("the text could not be written"));
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
