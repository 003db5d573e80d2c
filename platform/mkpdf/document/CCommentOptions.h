#pragma once

#include "AnnotationKind.h"

#include <QColor>
#include <QString>
#include <QVariantMap>
#include <QVector>

// The comment tools and the options each one draws with: colour, opacity,
// line width and font size. Kept as the document's comment map (one group
// per tool, as the window writes it to comments.ini); anything missing or
// out of range in a map read back falls back to the tool's default.
class CCommentOptions : public AnnotationKind
{
public:
    // The tools are the kinds of comment they draw, and the eraser.
    using Tool = Kind;
    static constexpr Tool NoTool = None;
    static constexpr int ToolCount = Eraser + 1;
    enum Option { Color, Opacity, Width, FontSize };

    static constexpr int kMinOpacity = 10;
    static constexpr int kMaxOpacity = 100;
    static constexpr double kMinWidth = 0.5;
    static constexpr double kMaxWidth = 24.0;
    static constexpr int kMinFontSize = 6;
    static constexpr int kMaxFontSize = 72;

    CCommentOptions();
    static CCommentOptions FromMap(const QVariantMap& map);
    QVariantMap ToMap() const;

    // The group of a tool in the map ("Highlight", "Free_Text", ...), and back.
    static QString ToolKey(Tool tool);
    static Tool ToolFromKey(const QString& key);
    static bool HasOption(Tool tool, Option option);
    // The tool's name as the user reads it, translated.
    static QString ToolTitle(Tool tool);
    static bool IsTextMarkup(Tool tool) { return tool >= Highlight && tool <= Squiggly; }

    QColor ToolColor(Tool tool) const;
    // 0.1 to 1.
    double ToolOpacity(Tool tool) const;
    double ToolWidth(Tool tool) const;
    int ToolFontSize(Tool tool) const;
    // Each setter keeps the value within its range; false when the tool
    // has no such option or the value was already set.
    bool SetToolColor(Tool tool, const QColor& color);
    bool SetToolOpacity(Tool tool, int nPercent);
    bool SetToolWidth(Tool tool, double dWidth);
    bool SetToolFontSize(Tool tool, int nSize);

    // The tool used last, for the Edit PDF tool to start with.
    Tool LastTool() const { return lastTool; }
    bool SetLastTool(Tool tool);

    bool operator==(const CCommentOptions& other) const;

private:
    struct Values
    {
        QColor color;
        int opacity = 100;
        double width = 2.0;
        int fontSize = 14;
    };
    static Values Defaults(Tool tool);
    static bool Valid(Tool tool) { return tool >= Highlight && tool < ToolCount; }

    QVector<Values> values;
    Tool lastTool = Highlight;
};
