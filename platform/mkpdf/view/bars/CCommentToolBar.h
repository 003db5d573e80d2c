#pragma once

#include "CCommentOptions.h"

#include <QHash>
#include <QWidget>

struct PdfAnnotation;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;

// The bar of comment tools under a document's tool bar: select, the text
// markups, note and text box, the drawing tools and the eraser, then the
// current tool's options (colour, opacity, line width, font size). While a
// comment is selected the options show and change that comment instead.
class CCommentToolBar : public QWidget
{
    Q_OBJECT
public:
    explicit CCommentToolBar(QWidget* parent = nullptr);

    // Checks the tool's button without reporting it.
    void SetTool(CCommentOptions::Tool tool);
    CCommentOptions::Tool Tool() const { return tool; }
    // The values the option controls show for the current tool.
    void ShowOptions(const CCommentOptions& options);
    // The values of a selected comment; null to go back to the tool's.
    void ShowAnnotation(const PdfAnnotation* annotation, const CCommentOptions& options);

    QAbstractButton* ToolButton(CCommentOptions::Tool tool) const;
    QPushButton* ColorButton() const { return colorButton; }
    QComboBox* OpacityBox() const { return opacityBox; }
    QComboBox* WidthBox() const { return widthBox; }
    QComboBox* FontSizeBox() const { return fontBox; }
    // The colours offered in the colour menu.
    static QVector<QColor> Swatches();

signals:
    void SignalToolChanged(int nTool);
    void SignalColorChosen(const QColor& color);
    void SignalOpacityChosen(int nPercent);
    void SignalWidthChosen(double dWidth);
    void SignalFontSizeChosen(int nSize);
    void SignalCloseClicked();

private:
    void ShowValues(CCommentOptions::Tool kind, const QColor& color, int nOpacity, double dWidth, int nFontSize,
                    bool bEnabled);
    void SetColorChip(const QColor& color);
    void ChooseOtherColor();

    CCommentOptions::Tool tool = CCommentOptions::NoTool;
    QButtonGroup* buttons = nullptr;
    QPushButton* colorButton = nullptr;
    QComboBox* opacityBox = nullptr;
    QComboBox* widthBox = nullptr;
    QComboBox* fontBox = nullptr;
    QLabel* widthLabel = nullptr;
    QLabel* fontLabel = nullptr;
    QColor shownColor;
};
