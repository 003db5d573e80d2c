#include "CPageEdits.h"

#include <QJsonArray>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMaxCoordinate = 14400.0;

bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

bool NeedsArea(PageEdit::Kind kind)
{
    return kind == PageEdit::AddText || kind == PageEdit::AddImage || kind == PageEdit::MoveObject
        || kind == PageEdit::AddLink;
}

} // namespace

bool PageEdit::operator==(const PageEdit& other) const
{
    return kind == other.kind && page == other.page && area == other.area && index == other.index && data == other.data
        && text == other.text && target == other.target;
}

QList<int> CPageEdits::Pages() const
{
    QSet<int> pages;
    for (const PageEdit& edit : edits)
        pages.insert(edit.page);
    QList<int> sorted = pages.values();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

bool CPageEdits::ChangesDrawing(int nPage) const
{
    for (const PageEdit& edit : edits) {
        if (edit.page == nPage && !edit.IsLinkEdit())
            return true;
    }
    return false;
}

bool CPageEdits::IsLinkAddress(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || address.size() > 4096)
        return false;
    if (scheme == QLatin1String("mailto"))
        return !url.path().isEmpty();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

bool CPageEdits::IsValid(const PageEdit& edit, int nPages)
{
    if (edit.kind < PageEdit::AddText || edit.kind > PageEdit::RemoveLink || edit.page < 0 || edit.page >= nPages)
        return false;
    if (NeedsArea(edit.kind)) {
        const QRectF& a = edit.area;
        for (double v : {a.x(), a.y(), a.width(), a.height()}) {
            if (!std::isfinite(v) || std::abs(v) > kMaxCoordinate)
                return false;
        }
        if (a.width() <= 0 || a.height() <= 0)
            return false;
    }
    if ((edit.kind == PageEdit::AddText || edit.kind == PageEdit::AddImage)
        && (edit.data.isEmpty() || edit.data.size() > kMaxDataBytes))
        return false;
    if ((edit.kind == PageEdit::MoveObject || edit.kind == PageEdit::DeleteObject || edit.kind == PageEdit::SetLink
         || edit.kind == PageEdit::RemoveLink)
        && edit.index < 0)
        return false;
    if (edit.kind == PageEdit::AddLink || edit.kind == PageEdit::SetLink)
        return edit.text.isEmpty() ? edit.target >= 0 && edit.target < nPages : IsLinkAddress(edit.text);
    return true;
}

QJsonObject CPageEdits::ToJson() const
{
    QJsonArray list;
    for (const PageEdit& edit : edits) {
        QJsonObject json {{"kind", int(edit.kind)}, {"page", edit.page}};
        if (NeedsArea(edit.kind))
            json.insert("area", QJsonArray {edit.area.x(), edit.area.y(), edit.area.width(), edit.area.height()});
        if (edit.index >= 0)
            json.insert("index", edit.index);
        if (!edit.data.isEmpty())
            json.insert("data", QString::fromLatin1(edit.data.toBase64()));
        if (!edit.text.isEmpty())
            json.insert("text", edit.text);
        if (edit.target >= 0)
            json.insert("target", edit.target);
        list.append(json);
    }
    return {{"format", "rvpdf-page-edits"}, {"version", 1}, {"edits", list}};
}

bool CPageEdits::FromJson(const QJsonObject& json, int nPages, CPageEdits* result, QString* error)
{
    if (json.value("format").toString() != QLatin1String("rvpdf-page-edits") || json.value("version").toInt() != 1)
        return Fail(error, QStringLiteral("not a list of page edits"));
    const QJsonArray list = json.value("edits").toArray();
    if (list.size() > kMaxEdits)
        return Fail(error, QStringLiteral("too many page edits"));
    CPageEdits read;
    qint64 bytes = 0;
    for (const QJsonValue& value : list) {
        const QJsonObject item = value.toObject();
        PageEdit edit;
        edit.kind = PageEdit::Kind(item.value("kind").toInt(-1));
        edit.page = item.value("page").toInt(-1);
        const QJsonArray area = item.value("area").toArray();
        if (area.size() == 4)
            edit.area
                = QRectF(area[0].toDouble(NAN), area[1].toDouble(NAN), area[2].toDouble(NAN), area[3].toDouble(NAN));
        edit.index = item.value("index").toInt(-1);
        const QString data = item.value("data").toString();
        bytes += data.size();
        if (bytes > qint64(kMaxDataBytes) * 4 / 3 + 4)
            return Fail(error, QStringLiteral("the page edits hold too much data"));
        edit.data = QByteArray::fromBase64(data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        edit.text = item.value("text").toString();
        edit.target = item.value("target").toInt(-1);
        if (!IsValid(edit, nPages) || (!data.isEmpty() && edit.data.isEmpty()))
            return Fail(error, QStringLiteral("page edit %1 is damaged").arg(read.edits.size() + 1));
        read.Append(edit);
    }
    *result = read;
    return true;
}
