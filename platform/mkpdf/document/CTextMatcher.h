#pragma once

#include <QFlags>
#include <QString>
#include <QVector>

// One occurrence of a query in a page's text: characters [start, start + length).
struct PdfTextMatch
{
    int start = 0;
    int length = 0;
    bool operator==(const PdfTextMatch& other) const { return start == other.start && length == other.length; }
};

// Finds a query in page text the way a reader expects. Compatibility forms
// (ligatures, full-width letters, Arabic presentation forms, Kangxi radicals)
// match their plain letters; a run of white space matches one space; a hyphen
// at the end of a line joins the word; line breaks between Chinese or
// Japanese characters are not spaces; unless case is matched, case and
// accents are ignored. Safe to share between threads once made.
class CTextMatcher
{
public:
    enum Option { MatchCase = 0x1, WholeWords = 0x2 };
    Q_DECLARE_FLAGS(Options, Option)

    CTextMatcher() = default;
    CTextMatcher(const QString& query, Options options);

    // True when the query holds nothing to look for (empty or white space).
    bool IsEmpty() const { return needle.isEmpty(); }
    Options GetOptions() const { return options; }
    QVector<PdfTextMatch> FindAll(const QString& text) const;

    // source as compared: folded[i] stems from source[origin[i]].
    static void Fold(const QString& source, bool bLoose, QString* folded, QVector<int>* origin);
    // Chinese and Japanese characters, which are written without spaces.
    static bool IsCjk(uint ucs4);

private:
    bool Acceptable(const QString& folded, int nStart, int nEnd) const;

    QString needle;
    Options options;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CTextMatcher::Options)
