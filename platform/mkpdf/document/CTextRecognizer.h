#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

namespace tesseract {
class TessBaseAPI;
} // namespace tesseract

// Text recognition of a page picture, in the languages installed for the
// recognizer. The result is a one-page PDF of invisible text the size of the
// picture (in points at its resolution), which the writer lays over the page
// it came from. One recognizer per thread; several may run side by side.
class CTextRecognizer
{
    Q_DECLARE_TR_FUNCTIONS(CTextRecognizer)

public:
    // Told how much of the picture is read, in percent.
    using Progress = std::function<void(int nPercent)>;

    // The folder of the installed language data; empty when there is none.
    static QString DataPath();
    // The installed languages by the recognizer's codes ("eng", "deu"):
    // first, then English, then the others by code.
    static QStringList InstalledLanguages(const QString& first = QStringLiteral("eng"));
    // The name of a language code in that language ("Deutsch"), or the
    // code itself when it is not one we know.
    static QString LanguageName(const QString& code);

    // languages: installed codes; several are read together.
    explicit CTextRecognizer(const QStringList& languages);
    ~CTextRecognizer();

    bool IsReady() const { return api != nullptr; }
    QString Error() const { return error; }

    // Recognizes picture, scanned or rendered at dpi dots per inch. False
    // when it failed (the reason in *problem) or *cancel turned true.
    bool Recognize(const QImage& picture, int dpi, QByteArray* pdf, const std::atomic<bool>* cancel = nullptr,
                   const Progress& progress = Progress(), QString* problem = nullptr);
    // The plain text of the last picture recognized.
    QString LastText() const;

private:
    std::unique_ptr<tesseract::TessBaseAPI> api;
    QString dataPath;
    QString error;
};
