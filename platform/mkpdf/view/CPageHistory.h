#pragma once

#include <QPair>
#include <QVector>

// The places a reader jumped away from (by a link, the outline, Go to
// Page), for Back and Forward: each a page and how far down it the view
// stood. A new jump forgets the places ahead.
class CPageHistory
{
public:
    using Place = QPair<int, double>;

    // Before a jump from here.
    void Leave(const Place& here);
    bool CanGoBack() const { return !back.isEmpty(); }
    bool CanGoForward() const { return !ahead.isEmpty(); }
    // The place to go to, given where the view stands now (kept for the
    // way back); here itself when there is nowhere to go.
    Place Back(const Place& here);
    Place Forward(const Place& here);

private:
    static constexpr int kMostPlaces = 100;
    QVector<Place> back;
    QVector<Place> ahead;
};
