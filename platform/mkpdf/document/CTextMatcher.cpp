#include "CTextMatcher.h"

namespace {

bool IsMark(uint ucs4)
{
    const QChar::Category category = QChar::category(ucs4);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

bool IsWordChar(uint ucs4)
{
    return ucs4 == '_' || QChar::isLetterOrNumber(ucs4) || IsMark(ucs4);
}

bool IsLineEndHyphen(ushort unit)
{
    return unit == '-' || unit == 0x2010;
}

void AppendUnit(uint ucs4, int nOrigin, QString* folded, QVector<int>* origin)
{
    if (QChar::requiresSurrogates(ucs4)) {
        folded->append(QChar(QChar::highSurrogate(ucs4)));
        folded->append(QChar(QChar::lowSurrogate(ucs4)));
        origin->append(nOrigin);
        origin->append(nOrigin);
        return;
    }
    folded->append(QChar(ushort(ucs4)));
    origin->append(nOrigin);
}

// Full compatibility decomposition, then (loose) accents dropped and case
// folded. Hangul syllables stay whole: a syllable typed is a syllable meant.
void AppendFolded(uint ucs4, bool bLoose, int nOrigin, QString* folded, QVector<int>* origin, int depth = 0)
{
    if (ucs4 < 0x80) {
        if (bLoose && ucs4 >= 'A' && ucs4 <= 'Z')
            ucs4 += 'a' - 'A';
        folded->append(QChar(ushort(ucs4)));
        origin->append(nOrigin);
        return;
    }
    const bool hangul = ucs4 >= 0xAC00 && ucs4 <= 0xD7A3;
    if (!hangul && depth < 8 && QChar::decompositionTag(ucs4) != QChar::NoDecomposition) {
        const QString parts = QChar::decomposition(ucs4);
        for (int i = 0; i < parts.size(); ++i) {
            uint part = parts.at(i).unicode();
            if (parts.at(i).isHighSurrogate() && i + 1 < parts.size()) {
                part = QChar::surrogateToUcs4(parts.at(i), parts.at(i + 1));
                ++i;
            }
            AppendFolded(part, bLoose, nOrigin, folded, origin, depth + 1);
        }
        return;
    }
    if (bLoose) {
        // The kana voicing marks change the word, unlike accents.
        if (QChar::category(ucs4) == QChar::Mark_NonSpacing && ucs4 != 0x3099 && ucs4 != 0x309A)
            return;
        ucs4 = QChar::toCaseFolded(ucs4);
    }
    AppendUnit(ucs4, nOrigin, folded, origin);
}

uint CodeAt(const QString& text, int nIndex)
{
    const QChar unit = text.at(nIndex);
    if (unit.isHighSurrogate() && nIndex + 1 < text.size() && text.at(nIndex + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(unit, text.at(nIndex + 1));
    return unit.unicode();
}

uint CodeBefore(const QString& text, int nIndex)
{
    const QChar unit = text.at(nIndex - 1);
    if (unit.isLowSurrogate() && nIndex >= 2 && text.at(nIndex - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(nIndex - 2), unit);
    return unit.unicode();
}

} // namespace

CTextMatcher::CTextMatcher(const QString& query, Options options_)
    : options(options_)
{
    QVector<int> origin;
    Fold(query, !(options & MatchCase), &needle, &origin);
}

bool CTextMatcher::IsCjk(uint ucs4)
{
    return (ucs4 >= 0x2E80 && ucs4 <= 0x9FFF) || (ucs4 >= 0xF900 && ucs4 <= 0xFAFF)
        || (ucs4 >= 0xFF66 && ucs4 <= 0xFF9F) || (ucs4 >= 0x20000 && ucs4 <= 0x3FFFF);
}

void CTextMatcher::Fold(const QString& source, bool bLoose, QString* folded, QVector<int>* origin)
{
    folded->clear();
    origin->clear();
    folded->reserve(source.size());
    origin->reserve(source.size());
    const int size = source.size();
    const ushort* units = source.utf16();
    int pendingSpace = -1;
    uint last = 0;
    for (int i = 0; i < size; ++i) {
        const ushort unit = units[i];
        uint ucs4 = unit;
        int width = 1;
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(units[i + 1])) {
            ucs4 = QChar::surrogateToUcs4(unit, units[i + 1]);
            width = 2;
        }
        if (ucs4 == ' ' || ucs4 == '\n' || ucs4 == '\t' || (ucs4 >= 0x80 && QChar::isSpace(ucs4))) {
            if (pendingSpace < 0)
                pendingSpace = i;
            continue;
        }
        // Word-di-\nvided at a line end reads as one word.
        if (IsLineEndHyphen(unit) && i + 1 < size && units[i + 1] == '\n' && QChar::isLetter(last)) {
            ++i;
            continue;
        }
        // Soft hyphens, joiners and direction marks are not text.
        if (ucs4 >= 0x80 && QChar::category(ucs4) == QChar::Other_Format) {
            i += width - 1;
            continue;
        }
        if (pendingSpace >= 0 && !folded->isEmpty() && !(IsCjk(last) && IsCjk(ucs4)))
            AppendUnit(' ', pendingSpace, folded, origin);
        pendingSpace = -1;
        AppendFolded(ucs4, bLoose, i, folded, origin);
        last = ucs4;
        i += width - 1;
    }
}

bool CTextMatcher::Acceptable(const QString& folded, int nStart, int nEnd) const
{
    if (nStart > 0 && folded.at(nStart).isLowSurrogate())
        return false;
    // Not the bare letter of a letter with an accent kept.
    if (nEnd < folded.size() && IsMark(CodeAt(folded, nEnd)))
        return false;
    if (!(options & WholeWords))
        return true;
    if (nStart > 0) {
        const uint before = CodeBefore(folded, nStart);
        if (IsWordChar(before) && !IsCjk(before) && !IsCjk(CodeAt(folded, nStart)))
            return false;
    }
    if (nEnd < folded.size()) {
        const uint after = CodeAt(folded, nEnd);
        if (IsWordChar(after) && !IsCjk(after) && !IsCjk(CodeBefore(folded, nEnd)))
            return false;
    }
    return true;
}

QVector<PdfTextMatch> CTextMatcher::FindAll(const QString& text) const
{
    QVector<PdfTextMatch> matches;
    if (needle.isEmpty() || text.isEmpty())
        return matches;
    QString folded;
    QVector<int> origin;
    Fold(text, !(options & MatchCase), &folded, &origin);
    int from = 0;
    while (from <= folded.size() - needle.size()) {
        const int at = folded.indexOf(needle, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        const int end = at + needle.size();
        if (!Acceptable(folded, at, end)) {
            from = at + 1;
            continue;
        }
        const int first = origin.at(at);
        const int last = origin.at(end - 1);
        const int width = text.at(last).isHighSurrogate() && last + 1 < text.size() ? 2 : 1;
        matches.append({first, last + width - first});
        from = end;
    }
    return matches;
}
