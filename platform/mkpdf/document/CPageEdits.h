#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QRectF>
#include <QString>
#include <QVector>

// One change of what a page draws, or of its links. Areas are in page
// points with the origin at the top left of the crop box and the page's
// turn applied: the space pages are shown in.
struct PageEdit
{
    enum Kind {
        AddText,      // data: the text as a page of its own (CTextOverlay); area: where it sits
        AddImage,     // data: a PNG or JPEG file; area: where it goes
        MoveObject,   // index: which picture or added text; area: where it goes now
        DeleteObject, // index: which picture or added text
        AddLink,      // area, and target or text
        SetLink,      // index: which link; target or text
        RemoveLink,   // index: which link
    };
    Kind kind = AddText;
    int page = 0;
    QRectF area;
    // The page's pictures and added texts in drawing order, or its links in
    // the order the page lists them, as they are after the edits before.
    int index = -1;
    QByteArray data;
    // AddText: the words, for the undo step's name; a link: its web address,
    // empty when it goes to the page target (from 0).
    QString text;
    int target = -1;

    bool IsLinkEdit() const { return kind == AddLink || kind == SetLink || kind == RemoveLink; }
    bool operator==(const PageEdit& other) const;
};

// The content edits of a document not saved yet, in the order they were
// made; each one applies to the pages as the ones before left them. A plain
// value, kept before and after by an undo step, and as JSON by a recovery
// copy.
class CPageEdits
{
public:
    static constexpr int kMaxEdits = 10000;
    static constexpr int kMaxDataBytes = 64 * 1024 * 1024;

    bool IsEmpty() const { return edits.isEmpty(); }
    const QVector<PageEdit>& All() const { return edits; }
    void Append(const PageEdit& edit) { edits.append(edit); }
    // The pages that have edits, in order.
    QList<int> Pages() const;
    // Whether the page has edits of what it draws (not only of its links).
    bool ChangesDrawing(int nPage) const;

    // A web address a link may lead to: http, https or mailto.
    static bool IsLinkAddress(const QString& address);
    // Whether an edit is well formed for a document of nPages pages.
    static bool IsValid(const PageEdit& edit, int nPages);

    // {"format":"rvpdf-page-edits","version":1,"edits":[{"kind":..,"page":..,
    //  "area":[x,y,w,h],"index":..,"data":base64,"text":..,"target":..},...]}
    QJsonObject ToJson() const;
    // Reads what ToJson wrote; anything malformed is refused with a reason.
    static bool FromJson(const QJsonObject& json, int nPages, CPageEdits* edits, QString* error = nullptr);

    bool operator==(const CPageEdits& other) const { return edits == other.edits; }
    bool operator!=(const CPageEdits& other) const { return !(*this == other); }

private:
    QVector<PageEdit> edits;
};
