#include "CCommentOptions.h"

#include <QCoreApplication>
#include <QtMath>

namespace {

const char* const kToolKeys[CCommentOptions::ToolCount]
    = {"Highlight", "Underline", "Strike_Out", "Squiggly", "Note",  "Free_Text",
       "Ink",       "Rectangle", "Ellipse",    "Line",     "Arrow", "Eraser"};

const char* const kToolTitles[CCommentOptions::ToolCount]
    = {QT_TRANSLATE_NOOP("CCommentOptions", "Highlight"),     QT_TRANSLATE_NOOP("CCommentOptions", "Underline"),
       QT_TRANSLATE_NOOP("CCommentOptions", "Strikethrough"), QT_TRANSLATE_NOOP("CCommentOptions", "Squiggly"),
       QT_TRANSLATE_NOOP("CCommentOptions", "Sticky Note"),   QT_TRANSLATE_NOOP("CCommentOptions", "Text Box"),
       QT_TRANSLATE_NOOP("CCommentOptions", "Pen"),           QT_TRANSLATE_NOOP("CCommentOptions", "Rectangle"),
       QT_TRANSLATE_NOOP("CCommentOptions", "Ellipse"),       QT_TRANSLATE_NOOP("CCommentOptions", "Line"),
       QT_TRANSLATE_NOOP("CCommentOptions", "Arrow"),         QT_TRANSLATE_NOOP("CCommentOptions", "Eraser")};

// The bar's own group, beside the tools' groups.
const char kBarGroup[] = "Comment_Bar";
const char kLastToolKey[] = "Last_Tool";

// A number stored as text or as a number; false for anything else.
bool ReadNumber(const QVariant& value, double* number)
{
    if (!value.isValid())
        return false;
    bool ok = false;
    const double read = value.toString().trimmed().toDouble(&ok);
    if (!ok || !qIsFinite(read))
        return false;
    *number = read;
    return true;
}

} // namespace

CCommentOptions::CCommentOptions()
{
    for (int i = 0; i < ToolCount; ++i)
        values.append(Defaults(Tool(i)));
}

CCommentOptions::Values CCommentOptions::Defaults(Tool tool)
{
    Values v;
    switch (tool) {
    case Highlight:
        v.color = QColor(0xFF, 0xE1, 0x4D);
        break;
    case Underline:
        v.color = QColor(0x2F, 0x80, 0xED);
        break;
    case StrikeOut:
        v.color = QColor(0xE5, 0x48, 0x4D);
        break;
    case Squiggly:
        v.color = QColor(0x2F, 0xA8, 0x4F);
        break;
    case Note:
        v.color = QColor(0xFF, 0xC4, 0x00);
        break;
    case FreeText:
        v.color = QColor(0xE5, 0x48, 0x4D);
        break;
    case Ink:
        v.color = QColor(0xE5, 0x48, 0x4D);
        break;
    case Rectangle:
        v.color = QColor(0xE5, 0x48, 0x4D);
        break;
    case Ellipse:
        v.color = QColor(0x2F, 0x80, 0xED);
        break;
    case Line:
        v.color = QColor(0x1F, 0x23, 0x29);
        break;
    case Arrow:
        v.color = QColor(0xE5, 0x48, 0x4D);
        break;
    default:
        v.color = QColor(0xE5, 0x48, 0x4D);
        break;
    }
    return v;
}

QString CCommentOptions::ToolKey(Tool tool)
{
    return Valid(tool) ? QString::fromLatin1(kToolKeys[tool]) : QString();
}

QString CCommentOptions::ToolTitle(Tool tool)
{
    return Valid(tool) ? QCoreApplication::translate("CCommentOptions", kToolTitles[tool]) : QString();
}

CCommentOptions::Tool CCommentOptions::ToolFromKey(const QString& key)
{
    for (int i = 0; i < ToolCount; ++i) {
        if (key == QLatin1String(kToolKeys[i]))
            return Tool(i);
    }
    return NoTool;
}

bool CCommentOptions::HasOption(Tool tool, Option option)
{
    if (!Valid(tool) || tool == Eraser)
        return false;
    switch (option) {
    case Color:
    case Opacity:
        return true;
    case Width:
        return tool == Ink || tool == Rectangle || tool == Ellipse || tool == Line || tool == Arrow;
    case FontSize:
        return tool == FreeText;
    }
    return false;
}

CCommentOptions CCommentOptions::FromMap(const QVariantMap& map)
{
    CCommentOptions options;
    for (int i = 0; i < ToolCount; ++i) {
        const Tool tool = Tool(i);
        const QVariant groupValue = map.value(ToolKey(tool));
        if (groupValue.userType() != QMetaType::QVariantMap)
            continue;
        const QVariantMap group = groupValue.toMap();
        Values& v = options.values[i];
        const QString color = group.value("Color").toString();
        if (HasOption(tool, Color) && QColor::isValidColor(color))
            v.color = QColor(color);
        double number = 0;
        if (HasOption(tool, Opacity) && ReadNumber(group.value("Opacity"), &number) && number >= kMinOpacity
            && number <= kMaxOpacity)
            v.opacity = qRound(number);
        if (HasOption(tool, Width) && ReadNumber(group.value("Width"), &number) && number >= kMinWidth
            && number <= kMaxWidth)
            v.width = number;
        if (HasOption(tool, FontSize) && ReadNumber(group.value("Font_Size"), &number) && number >= kMinFontSize
            && number <= kMaxFontSize)
            v.fontSize = qRound(number);
    }
    const Tool last = ToolFromKey(map.value(kBarGroup).toMap().value(kLastToolKey).toString());
    if (last != NoTool)
        options.lastTool = last;
    return options;
}

QVariantMap CCommentOptions::ToMap() const
{
    QVariantMap map;
    for (int i = 0; i < ToolCount; ++i) {
        const Tool tool = Tool(i);
        const Values& v = values.at(i);
        QVariantMap group;
        if (HasOption(tool, Color))
            group.insert("Color", v.color.name(QColor::HexRgb));
        if (HasOption(tool, Opacity))
            group.insert("Opacity", v.opacity);
        if (HasOption(tool, Width))
            group.insert("Width", v.width);
        if (HasOption(tool, FontSize))
            group.insert("Font_Size", v.fontSize);
        if (!group.isEmpty())
            map.insert(ToolKey(tool), group);
    }
    map.insert(kBarGroup, QVariantMap {{kLastToolKey, ToolKey(lastTool)}});
    return map;
}

QColor CCommentOptions::ToolColor(Tool tool) const
{
    return Valid(tool) ? values.at(tool).color : QColor(Qt::black);
}

double CCommentOptions::ToolOpacity(Tool tool) const
{
    return Valid(tool) ? values.at(tool).opacity / 100.0 : 1.0;
}

double CCommentOptions::ToolWidth(Tool tool) const
{
    return Valid(tool) ? values.at(tool).width : 1.0;
}

int CCommentOptions::ToolFontSize(Tool tool) const
{
    return Valid(tool) ? values.at(tool).fontSize : 12;
}

bool CCommentOptions::SetToolColor(Tool tool, const QColor& color)
{
    if (!HasOption(tool, Color) || !color.isValid())
        return false;
    const QColor opaque(color.red(), color.green(), color.blue());
    if (values[tool].color == opaque)
        return false;
    values[tool].color = opaque;
    return true;
}

bool CCommentOptions::SetToolOpacity(Tool tool, int nPercent)
{
    if (!HasOption(tool, Opacity))
        return false;
    nPercent = qBound(kMinOpacity, nPercent, kMaxOpacity);
    if (values[tool].opacity == nPercent)
        return false;
    values[tool].opacity = nPercent;
    return true;
}

bool CCommentOptions::SetToolWidth(Tool tool, double dWidth)
{
    if (!HasOption(tool, Width) || !qIsFinite(dWidth))
        return false;
    dWidth = qBound(kMinWidth, dWidth, kMaxWidth);
    if (qFuzzyCompare(values[tool].width, dWidth))
        return false;
    values[tool].width = dWidth;
    return true;
}

bool CCommentOptions::SetToolFontSize(Tool tool, int nSize)
{
    if (!HasOption(tool, FontSize))
        return false;
    nSize = qBound(kMinFontSize, nSize, kMaxFontSize);
    if (values[tool].fontSize == nSize)
        return false;
    values[tool].fontSize = nSize;
    return true;
}

bool CCommentOptions::SetLastTool(Tool tool)
{
    if (!Valid(tool) || tool == lastTool)
        return false;
    lastTool = tool;
    return true;
}

bool CCommentOptions::operator==(const CCommentOptions& other) const
{
    if (lastTool != other.lastTool)
        return false;
    for (int i = 0; i < ToolCount; ++i) {
        const Values& a = values.at(i);
        const Values& b = other.values.at(i);
        if (a.color != b.color || a.opacity != b.opacity || !qFuzzyCompare(a.width, b.width)
            || a.fontSize != b.fontSize)
            return false;
    }
    return true;
}
