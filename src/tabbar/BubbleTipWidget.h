#pragma once

#include "BubbleWidget.h"

// The hover tip of a tab: a bubble with one wrapping line of text.
class BubbleTipWidget : public BubbleWidget
{
    Q_OBJECT
public:
    explicit BubbleTipWidget(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;
};
