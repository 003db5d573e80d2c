#pragma once

#include <QObject>

class CPageView;
class QTimer;

// A document out of sight (its tab behind another) gives back the memory of
// its page pictures a moment after it was hidden: the pages it showed keep a
// small picture, drawn scaled until the sharp ones are rendered again when
// it shows. With many tabs open, the pictures of the hidden ones were most
// of the memory the tabs took.
class CHiddenPageTrim : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;
    // The small pictures' width and height against the sharp ones'.
    static constexpr int kShrink = 3;

    explicit CHiddenPageTrim(CPageView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Trim();

    CPageView* view;
    QTimer* timer = nullptr;
};
