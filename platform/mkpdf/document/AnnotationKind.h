#pragma once

// The kinds of comment, listed once for the whole engine: the comment tools
// draw Highlight to Arrow and rub out with Eraser, which no comment is;
// Other stands for any kind a file holds that no tool draws.
struct AnnotationKind
{
    enum Kind {
        None = -1,
        Highlight,
        Underline,
        StrikeOut,
        Squiggly,
        Note,
        FreeText,
        Ink,
        Rectangle,
        Ellipse,
        Line,
        Arrow,
        Eraser,
        Other
    };
};
