#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace MKBase {

// A mimeapps.list held as its lines. Only the value lists that are edited
// change; every other byte (comments, other groups and keys, their order,
// blank lines, CRLF endings, a missing final newline) is written back as it
// was read. A group may appear more than once and a key more than once; as
// the desktop's own readers do, the last occurrence of a key wins.
class CMimeAppsList
{
public:
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    static const char* const kAddedGroup;
    static const char* const kDefaultGroup;
    static const char* const kRemovedGroup;

    enum LoadResult { Loaded, Missing, Unreadable, Invalid };

    // Takes text of a key file. False, leaving the list empty, for anything
    // that is not one: NUL bytes, invalid UTF-8, more than kMaxFileSize bytes,
    // a line that is neither blank, comment, group header nor key=value, or a
    // key outside any group.
    bool Parse(const QByteArray& data);
    // A missing file gives an empty list. The list is empty after any result
    // but Loaded.
    LoadResult Load(const QString& path);
    QByteArray ToBytes() const;
    // Writes atomically; an empty list removes the file instead (unless it
    // is a link), so that taking out what we added leaves no file behind.
    bool Save(const QString& path) const;

    bool IsEmpty() const { return lines.isEmpty() && bom.isEmpty(); }

    // The ids of the effective occurrence of key in group, without blanks.
    QStringList Values(const QString& group, const QString& key) const;
    // Every key of group, once each, in the order they first appear.
    QStringList Keys(const QString& group) const;
    // Puts id first in the effective list (creating key and group when
    // missing) and drops its other copies. True when anything changed.
    bool Prepend(const QString& group, const QString& key, const QString& id);
    // Takes id out of every occurrence of key in group. A key left without
    // ids goes, and so does a group left with nothing but blank lines.
    // True when anything changed.
    bool Remove(const QString& group, const QString& key, const QString& id);

private:
    enum Kind { Blank, Comment, Group, Key };
    struct Line
    {
        Kind kind = Blank;
        QByteArray text;   // without the line ending
        QByteArray ending; // "\n", "\r\n" or empty for an unterminated last line
        QByteArray name;   // group name or trimmed key
    };
    // A key=value line split so that it can be rebuilt around new items.
    struct ValueParts
    {
        QByteArray head; // up to the value, '=' and spaces after it included
        QList<QByteArray> items;
        bool trailingSeparator = false;
        QByteArray tail; // trailing spaces
    };

    static bool ParseLine(const QByteArray& text, Line* line);
    static ValueParts SplitValue(const QByteArray& text);
    static QByteArray JoinValue(const ValueParts& parts);
    static bool HasIds(const QList<QByteArray>& items);

    QList<int> KeyLines(const QByteArray& group, const QByteArray& key) const;
    QList<int> GroupStarts(const QByteArray& group) const;
    int GroupEnd(int header) const;
    QByteArray NewLine() const;
    void InsertLine(int index, Kind kind, const QByteArray& text, const QByteArray& name);
    void RemoveLine(int index);
    int AppendGroup(const QByteArray& group);
    bool DropIfEmptyGroup(int header);

    QByteArray bom;
    QList<Line> lines;
};

} // namespace MKBase
