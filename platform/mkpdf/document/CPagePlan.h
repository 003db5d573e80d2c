#pragma once

#include <QJsonObject>
#include <QList>
#include <QSizeF>
#include <QStringList>
#include <QVector>

// One page of a plan: a page of one of the plan's source files, or a blank
// page of its own size.
struct PlanPage
{
    int source = 0;   // index into the plan's sources; -1 for a blank page
    int page = 0;     // page of that source, from 0
    int rotation = 0; // clockwise degrees added to the page's own turn: 0, 90, 180 or 270
    QSizeF size;      // blank pages only, in points

    bool IsBlank() const { return source < 0; }
    bool operator==(const PlanPage& other) const
    {
        return source == other.source && page == other.page && rotation == other.rotation && size == other.size;
    }
};

// The pages a document will have when it is next written: which page of
// which file goes where, turned how far. Source 0 is the open document
// itself; inserted files are added as further sources. A plain value, so
// an undo step keeps the plan before and after it, and a recovery copy is
// the plan as JSON. Operations take positions (indexes into Pages()) and
// ignore positions out of range.
class CPagePlan
{
public:
    static constexpr int kMaxPages = 100000;
    static constexpr double kMaxSide = 14400.0;

    CPagePlan() = default;
    // The pages of one document as they are.
    static CPagePlan Identity(const QString& path, int nPages);

    const QStringList& Sources() const { return sources; }
    // Index of a source file, added when it is new.
    int AddSource(const QString& path);
    const QVector<PlanPage>& Pages() const { return pages; }
    int Count() const { return pages.size(); }
    // True when writing the plan would give the document back unchanged.
    bool IsIdentity(int nDocumentPages) const;
    // True when every page of the plan exists in its source.
    bool FitsSources(const QVector<int>& sourcePageCounts) const;

    // Each returns the positions of the pages it moved or made.
    QList<int> Move(const QList<int>& positions, int nBefore);
    QList<int> Rotate(const QList<int>& positions, int nDegrees);
    void Remove(const QList<int>& positions);
    QList<int> Duplicate(const QList<int>& positions);
    QList<int> Insert(int nAt, const QVector<PlanPage>& newPages);
    // The given pages only, in the plan's order, with the same sources.
    CPagePlan Subset(const QList<int>& positions) const;

    // {"format":"rvpdf-page-plan","version":1,"sources":[paths],
    //  "pages":[{"source":0,"page":3,"rotate":90},{"blank":[595,842],"rotate":0},...]}
    QJsonObject ToJson() const;
    // Reads what ToJson wrote; anything malformed is refused with a reason.
    static bool FromJson(const QJsonObject& json, CPagePlan* plan, QString* error = nullptr);

    bool operator==(const CPagePlan& other) const { return sources == other.sources && pages == other.pages; }
    bool operator!=(const CPagePlan& other) const { return !(*this == other); }

private:
    QList<int> Valid(const QList<int>& positions) const;

    QStringList sources;
    QVector<PlanPage> pages;
};
