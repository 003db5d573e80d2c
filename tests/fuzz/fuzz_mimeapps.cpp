#include "FuzzTarget.h"

#include "CMimeAppsList.h"
#include "TestEnv.h"

#include <QRegularExpression>

using MKBase::CMimeAppsList;

namespace {

const char* const kMime = "application/pdf";
const char* const kDesktopId = "rvpdf.desktop";

// The file's lines with their endings, without the lines of the key we
// edit: what the editor must keep byte for byte. Read independently of the
// editor's own parser.
QByteArray OtherLines(const QByteArray& bytes)
{
    static const QByteArray bom("\xEF\xBB\xBF");
    QByteArray kept;
    bool inDefaults = false;
    int pos = bytes.startsWith(bom) ? bom.size() : 0;
    while (pos < bytes.size()) {
        const int newline = bytes.indexOf('\n', pos);
        const int end = newline < 0 ? bytes.size() : newline + 1;
        const QByteArray line = bytes.mid(pos, end - pos);
        pos = end;
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('['))
            inDefaults = trimmed == QByteArray("[") + CMimeAppsList::kDefaultGroup + "]";
        else if (inDefaults && !trimmed.startsWith('#') && line.left(line.indexOf('=')).trimmed() == kMime)
            continue;
        kept += line;
    }
    return kept;
}

} // namespace

// mimeapps.list: shared with every other program of the desktop.
RV_FUZZ_TARGET(mimeapps)
{
    CMimeAppsList list;
    if (!list.Parse(data)) {
        FUZZ_CHECK(list.IsEmpty() && list.ToBytes().isEmpty());
        return;
    }
    FUZZ_CHECK(list.ToBytes() == data);
    const bool bom = data.startsWith("\xEF\xBB\xBF");

    list.Prepend(CMimeAppsList::kDefaultGroup, kMime, kDesktopId);
    FUZZ_CHECK(list.Values(CMimeAppsList::kDefaultGroup, kMime).value(0) == kDesktopId);
    static const QString path = TestEnv::MakeDir("mimeapps") + "/mimeapps.list";
    FUZZ_CHECK(list.Save(path));

    CMimeAppsList written;
    FUZZ_CHECK(written.Load(path) == CMimeAppsList::Loaded);
    const QByteArray out = written.ToBytes();
    FUZZ_CHECK(out == list.ToBytes() && out.startsWith("\xEF\xBB\xBF") == bom);
    FUZZ_CHECK(written.Values(CMimeAppsList::kDefaultGroup, kMime).value(0) == kDesktopId);

    // Every other line is there, unchanged and in order; at most a line
    // ending, a blank line and our group's header follow them.
    const QByteArray before = OtherLines(data);
    const QByteArray after = OtherLines(out);
    FUZZ_CHECK(after.startsWith(before));
    static const QRegularExpression added("^(\\r?\\n)?(\\r?\\n)?(\\[Default Applications\\](\\r?\\n)?)?$");
    FUZZ_CHECK(added.match(QString::fromUtf8(after.mid(before.size()))).hasMatch());
}
