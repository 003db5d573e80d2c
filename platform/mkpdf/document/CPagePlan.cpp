#include "CPagePlan.h"

#include <QJsonArray>
#include <QSet>

#include <algorithm>

namespace {

const char kFormat[] = "rvpdf-page-plan";

int NormalRotation(int degrees)
{
    return ((degrees % 360) + 360) % 360;
}

} // namespace

CPagePlan CPagePlan::Identity(const QString& path, int nPages)
{
    CPagePlan plan;
    plan.sources << path;
    plan.pages.resize(qMax(0, nPages));
    for (int i = 0; i < plan.pages.size(); ++i)
        plan.pages[i].page = i;
    return plan;
}

int CPagePlan::AddSource(const QString& path)
{
    const int index = sources.indexOf(path);
    if (index >= 0)
        return index;
    sources << path;
    return sources.size() - 1;
}

bool CPagePlan::IsIdentity(int nDocumentPages) const
{
    if (pages.size() != nDocumentPages)
        return false;
    for (int i = 0; i < pages.size(); ++i) {
        const PlanPage& page = pages.at(i);
        if (page.source != 0 || page.page != i || page.rotation != 0)
            return false;
    }
    return true;
}

bool CPagePlan::FitsSources(const QVector<int>& sourcePageCounts) const
{
    for (const PlanPage& page : pages) {
        if (page.IsBlank())
            continue;
        if (page.source >= sourcePageCounts.size() || page.page >= sourcePageCounts.at(page.source))
            return false;
    }
    return true;
}

QList<int> CPagePlan::Valid(const QList<int>& positions) const
{
    QList<int> valid;
    for (int position : positions) {
        if (position >= 0 && position < pages.size())
            valid << position;
    }
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

QList<int> CPagePlan::Move(const QList<int>& positions, int nBefore)
{
    const QList<int> moving = Valid(positions);
    if (moving.isEmpty())
        return {};
    nBefore = qBound(0, nBefore, pages.size());
    QVector<PlanPage> taken;
    QVector<PlanPage> rest;
    QSet<int> chosen(moving.begin(), moving.end());
    int at = nBefore;
    for (int i = 0; i < pages.size(); ++i) {
        if (chosen.contains(i)) {
            taken << pages.at(i);
            if (i < nBefore)
                --at;
        } else {
            rest << pages.at(i);
        }
    }
    QList<int> result;
    for (int i = 0; i < taken.size(); ++i) {
        rest.insert(at + i, taken.at(i));
        result << at + i;
    }
    pages = rest;
    return result;
}

QList<int> CPagePlan::Rotate(const QList<int>& positions, int nDegrees)
{
    const QList<int> valid = Valid(positions);
    for (int position : valid)
        pages[position].rotation = NormalRotation(pages.at(position).rotation + nDegrees);
    return valid;
}

void CPagePlan::Remove(const QList<int>& positions)
{
    const QList<int> valid = Valid(positions);
    // From the back, so the earlier positions stay where they are.
    for (auto it = valid.crbegin(); it != valid.crend(); ++it)
        pages.remove(*it);
}

QList<int> CPagePlan::Duplicate(const QList<int>& positions)
{
    const QList<int> valid = Valid(positions);
    if (valid.isEmpty())
        return {};
    QVector<PlanPage> copies;
    for (int position : valid)
        copies << pages.at(position);
    return Insert(valid.last() + 1, copies);
}

QList<int> CPagePlan::Insert(int nAt, const QVector<PlanPage>& newPages)
{
    nAt = qBound(0, nAt, pages.size());
    QList<int> result;
    for (int i = 0; i < newPages.size(); ++i) {
        pages.insert(nAt + i, newPages.at(i));
        result << nAt + i;
    }
    return result;
}

CPagePlan CPagePlan::Subset(const QList<int>& positions) const
{
    CPagePlan plan;
    plan.sources = sources;
    for (int position : Valid(positions))
        plan.pages << pages.at(position);
    return plan;
}

QJsonObject CPagePlan::ToJson() const
{
    QJsonArray list;
    for (const PlanPage& page : pages) {
        QJsonObject entry;
        if (page.IsBlank()) {
            entry["blank"] = QJsonArray {page.size.width(), page.size.height()};
        } else {
            entry["source"] = page.source;
            entry["page"] = page.page;
        }
        entry["rotate"] = page.rotation;
        list.append(entry);
    }
    return QJsonObject {
        {"format", kFormat}, {"version", 1}, {"sources", QJsonArray::fromStringList(sources)}, {"pages", list}};
}

bool CPagePlan::FromJson(const QJsonObject& json, CPagePlan* plan, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (json.value("format").toString() != kFormat || json.value("version").toInt() != 1)
        return fail(QStringLiteral("not a page plan of a known version"));
    CPagePlan result;
    for (const QJsonValue& source : json.value("sources").toArray()) {
        if (!source.isString() || source.toString().isEmpty())
            return fail(QStringLiteral("a source is not a file name"));
        result.sources << source.toString();
    }
    if (result.sources.isEmpty())
        return fail(QStringLiteral("no sources"));
    const QJsonArray list = json.value("pages").toArray();
    if (list.isEmpty() || list.size() > kMaxPages)
        return fail(QStringLiteral("page count out of range"));
    result.pages.reserve(list.size());
    for (const QJsonValue& value : list) {
        const QJsonObject entry = value.toObject();
        PlanPage page;
        const QJsonValue rotate = entry.value("rotate");
        if (!rotate.isDouble() || rotate.toInt() % 90 != 0 || rotate.toDouble() != rotate.toInt())
            return fail(QStringLiteral("a page turn is not a multiple of 90 degrees"));
        page.rotation = NormalRotation(rotate.toInt());
        if (entry.contains("blank")) {
            const QJsonArray size = entry.value("blank").toArray();
            const double width = size.at(0).toDouble(), height = size.at(1).toDouble();
            if (size.size() != 2 || !(width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide))
                return fail(QStringLiteral("a blank page size is out of range"));
            page.source = -1;
            page.size = QSizeF(width, height);
        } else {
            const QJsonValue source = entry.value("source"), number = entry.value("page");
            if (!source.isDouble() || !number.isDouble() || source.toInt() < 0
                || source.toInt() >= result.sources.size() || number.toInt() < 0 || number.toInt() >= kMaxPages
                || source.toDouble() != source.toInt() || number.toDouble() != number.toInt())
                return fail(QStringLiteral("a page names no page of a source"));
            page.source = source.toInt();
            page.page = number.toInt();
        }
        result.pages << page;
    }
    *plan = result;
    return true;
}
