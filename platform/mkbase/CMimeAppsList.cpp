#include "CMimeAppsList.h"

#include "CFileUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace MKBase {

const char* const CMimeAppsList::kAddedGroup = "Added Associations";
const char* const CMimeAppsList::kDefaultGroup = "Default Applications";
const char* const CMimeAppsList::kRemovedGroup = "Removed Associations";

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

bool IsValidUtf8(const QByteArray& data)
{
    QTextCodec* codec = QTextCodec::codecForMib(106);
    if (!codec)
        return false;
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    codec->toUnicode(data.constData(), data.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

bool CMimeAppsList::Parse(const QByteArray& data)
{
    bom.clear();
    lines.clear();
    if (data.size() > kMaxFileSize || data.contains('\0') || !IsValidUtf8(data))
        return false;

    QList<Line> parsed;
    int pos = data.startsWith(kBom) ? kBom.size() : 0;
    bool inGroup = false;
    while (pos < data.size()) {
        const int newline = data.indexOf('\n', pos);
        Line line;
        QByteArray text;
        if (newline < 0) {
            text = data.mid(pos);
            pos = data.size();
        } else {
            text = data.mid(pos, newline - pos);
            pos = newline + 1;
            line.ending = "\n";
            if (text.endsWith('\r')) {
                text.chop(1);
                line.ending = "\r\n";
            }
        }
        if (!ParseLine(text, &line))
            return false;
        if (line.kind == Group)
            inGroup = true;
        else if (line.kind == Key && !inGroup)
            return false;
        parsed << line;
    }
    bom = data.startsWith(kBom) ? kBom : QByteArray();
    lines = parsed;
    return true;
}

bool CMimeAppsList::ParseLine(const QByteArray& text, Line* line)
{
    line->text = text;
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        line->kind = Blank;
        return true;
    }
    if (trimmed.startsWith('#')) {
        line->kind = Comment;
        return true;
    }
    if (trimmed.startsWith('[')) {
        const QByteArray name = trimmed.mid(1, trimmed.size() - 2);
        if (!trimmed.endsWith(']') || name.isEmpty() || name.contains('[') || name.contains(']'))
            return false;
        line->kind = Group;
        line->name = name;
        return true;
    }
    const int equals = text.indexOf('=');
    if (equals <= 0)
        return false;
    line->name = text.left(equals).trimmed();
    if (line->name.isEmpty())
        return false;
    line->kind = Key;
    return true;
}

CMimeAppsList::LoadResult CMimeAppsList::Load(const QString& path)
{
    bom.clear();
    lines.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return Missing;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return Unreadable;
    // Read one byte past the cap: a special file may report no size at all.
    const QByteArray data = file.read(kMaxFileSize + 1);
    if (data.size() > kMaxFileSize || file.error() != QFileDevice::NoError)
        return Invalid;
    return Parse(data) ? Loaded : Invalid;
}

QByteArray CMimeAppsList::ToBytes() const
{
    QByteArray out = bom;
    for (const Line& line : lines)
        out += line.text + line.ending;
    return out;
}

bool CMimeAppsList::Save(const QString& path) const
{
    // A link stays: it belongs to whoever manages the file it points to.
    const QFileInfo info(path);
    if (IsEmpty() && !info.isSymLink())
        return !info.exists() || QFile::remove(path);
    return CFileUtils::WriteFileBytes(path, ToBytes());
}

CMimeAppsList::ValueParts CMimeAppsList::SplitValue(const QByteArray& text)
{
    ValueParts parts;
    int start = text.indexOf('=') + 1;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    parts.head = text.left(start);
    int end = text.size();
    while (end > start && IsSpace(text[end - 1]))
        --end;
    parts.tail = text.mid(end);
    const QByteArray value = text.mid(start, end - start);
    if (value.isEmpty())
        return parts;
    QByteArray item;
    for (int i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            item += c;
            item += value[++i];
        } else if (c == ';') {
            parts.items << item;
            item.clear();
        } else {
            item += c;
        }
    }
    if (item.isEmpty())
        parts.trailingSeparator = true;
    else
        parts.items << item;
    return parts;
}

QByteArray CMimeAppsList::JoinValue(const ValueParts& parts)
{
    QByteArray value;
    for (int i = 0; i < parts.items.size(); ++i) {
        if (i > 0)
            value += ';';
        value += parts.items[i];
    }
    if (parts.trailingSeparator && !parts.items.isEmpty())
        value += ';';
    return parts.head + value + parts.tail;
}

bool CMimeAppsList::HasIds(const QList<QByteArray>& items)
{
    for (const QByteArray& item : items) {
        if (!item.trimmed().isEmpty())
            return true;
    }
    return false;
}

QList<int> CMimeAppsList::KeyLines(const QByteArray& group, const QByteArray& key) const
{
    QList<int> result;
    bool inGroup = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == Group)
            inGroup = lines[i].name == group;
        else if (inGroup && lines[i].kind == Key && lines[i].name == key)
            result << i;
    }
    return result;
}

QList<int> CMimeAppsList::GroupStarts(const QByteArray& group) const
{
    QList<int> result;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == Group && lines[i].name == group)
            result << i;
    }
    return result;
}

int CMimeAppsList::GroupEnd(int header) const
{
    int end = header + 1;
    while (end < lines.size() && lines[end].kind != Group)
        ++end;
    return end;
}

QByteArray CMimeAppsList::NewLine() const
{
    for (const Line& line : lines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
    return "\n";
}

void CMimeAppsList::InsertLine(int index, Kind kind, const QByteArray& text, const QByteArray& name)
{
    Line line;
    line.kind = kind;
    line.text = text;
    line.name = name;
    line.ending = NewLine();
    // A file without a final newline keeps lacking one: the new last line
    // goes unterminated and the old last line gets the ending.
    if (index == lines.size() && !lines.isEmpty() && lines.last().ending.isEmpty()) {
        lines.last().ending = line.ending;
        line.ending.clear();
    }
    lines.insert(index, line);
}

void CMimeAppsList::RemoveLine(int index)
{
    if (index == lines.size() - 1 && index > 0 && lines[index].ending.isEmpty())
        lines[index - 1].ending.clear();
    lines.removeAt(index);
}

int CMimeAppsList::AppendGroup(const QByteArray& group)
{
    // Always one blank line before a group we add, so removing it again
    // knows exactly what to take away.
    if (!lines.isEmpty())
        InsertLine(lines.size(), Blank, QByteArray(), QByteArray());
    InsertLine(lines.size(), Group, "[" + group + "]", group);
    return lines.size() - 1;
}

bool CMimeAppsList::DropIfEmptyGroup(int header)
{
    const int end = GroupEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (lines[i].kind != Blank)
            return false;
    }
    const bool atEnd = end == lines.size();
    for (int i = end - 1; i >= header; --i)
        RemoveLine(i);
    if (atEnd && header > 0 && lines[header - 1].kind == Blank)
        RemoveLine(header - 1);
    return true;
}

QStringList CMimeAppsList::Values(const QString& group, const QString& key) const
{
    const QList<int> keys = KeyLines(group.toUtf8(), key.toUtf8());
    if (keys.isEmpty())
        return {};
    QStringList result;
    for (const QByteArray& item : SplitValue(lines[keys.last()].text).items) {
        const QByteArray id = item.trimmed();
        if (!id.isEmpty())
            result << QString::fromUtf8(id);
    }
    return result;
}

QStringList CMimeAppsList::Keys(const QString& group) const
{
    QStringList keys;
    for (int header : GroupStarts(group.toUtf8())) {
        for (int i = header + 1; i < GroupEnd(header); ++i) {
            const QString name = QString::fromUtf8(lines[i].name);
            if (lines[i].kind == Key && !keys.contains(name))
                keys << name;
        }
    }
    return keys;
}

bool CMimeAppsList::Prepend(const QString& group, const QString& key, const QString& id)
{
    const QByteArray groupName = group.toUtf8();
    const QByteArray keyName = key.toUtf8();
    const QByteArray value = id.toUtf8();
    if (value.isEmpty() || value.trimmed() != value || value.contains(';') || value.contains('\\')
        || value.contains('\n'))
        return false;

    const QList<int> keys = KeyLines(groupName, keyName);
    if (keys.isEmpty()) {
        const QList<int> starts = GroupStarts(groupName);
        const int header = starts.isEmpty() ? AppendGroup(groupName) : starts.last();
        int at = header + 1;
        for (int i = header + 1; i < GroupEnd(header); ++i) {
            if (lines[i].kind == Key)
                at = i + 1;
        }
        InsertLine(at, Key, keyName + "=" + value + ";", keyName);
        return true;
    }

    bool changed = false;
    Line& effective = lines[keys.last()];
    ValueParts parts = SplitValue(effective.text);
    QList<QByteArray> items {value};
    for (const QByteArray& item : parts.items) {
        if (item.trimmed() != value)
            items << item;
    }
    if (!HasIds(parts.items))
        parts.trailingSeparator = true;
    parts.items = items;
    const QByteArray text = JoinValue(parts);
    if (text != effective.text) {
        effective.text = text;
        changed = true;
    }
    // Earlier occurrences are overridden anyway; a copy of ours there would
    // only come back to life if the last one were removed by hand.
    for (int j = keys.size() - 2; j >= 0; --j) {
        ValueParts other = SplitValue(lines[keys[j]].text);
        QList<QByteArray> kept;
        for (const QByteArray& item : other.items) {
            if (item.trimmed() != value)
                kept << item;
        }
        if (kept.size() == other.items.size())
            continue;
        changed = true;
        if (HasIds(kept)) {
            other.items = kept;
            lines[keys[j]].text = JoinValue(other);
        } else {
            RemoveLine(keys[j]);
        }
    }
    return changed;
}

bool CMimeAppsList::Remove(const QString& group, const QString& key, const QString& id)
{
    const QByteArray value = id.toUtf8();
    if (value.isEmpty())
        return false;
    const QList<int> keys = KeyLines(group.toUtf8(), key.toUtf8());
    bool changed = false;
    // Last to first, so that removing a line never moves one still to visit.
    for (int j = keys.size() - 1; j >= 0; --j) {
        const int index = keys[j];
        ValueParts parts = SplitValue(lines[index].text);
        QList<QByteArray> kept;
        for (const QByteArray& item : parts.items) {
            if (item.trimmed() != value)
                kept << item;
        }
        if (kept.size() == parts.items.size())
            continue;
        changed = true;
        if (HasIds(kept)) {
            parts.items = kept;
            lines[index].text = JoinValue(parts);
            continue;
        }
        int header = index - 1;
        while (header > 0 && lines[header].kind != Group)
            --header;
        RemoveLine(index);
        // Only a group that holds nothing else goes: any comment keeps it.
        DropIfEmptyGroup(header);
    }
    return changed;
}

} // namespace MKBase
