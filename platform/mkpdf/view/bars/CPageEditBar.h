#pragma once

#include "CTextOverlay.h"

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;

// The bar of page editing under a document's tool bar: select, add text,
// add a picture, add a link; the font, size and colour of new text; delete
// the selection, lead the selected link elsewhere; a line saying what the
// tool does; done.
class CPageEditBar : public QWidget
{
    Q_OBJECT
public:
    explicit CPageEditBar(QWidget* parent = nullptr);

    // Checks a tool's button (CPageEditLayer::Tool) without reporting it.
    void SetTool(int nTool);
    int Tool() const;
    PdfTextStyle TextStyle() const;
    // What the selection allows.
    void ShowSelection(bool bSelected, bool bLink);

    QAbstractButton* ToolButton(int nTool) const;
    QFontComboBox* FontBox() const { return fontBox; }
    QComboBox* SizeBox() const { return sizeBox; }
    QPushButton* ColorButton() const { return colorButton; }
    QPushButton* DeleteButton() const { return deleteButton; }
    QPushButton* LinkButton() const { return linkButton; }

signals:
    void SignalToolChanged(int nTool);
    void SignalStyleChanged();
    void SignalDeleteClicked();
    void SignalLinkClicked();
    void SignalCloseClicked();

private:
    void ShowHint();
    void SetColor(const QColor& color);

    QButtonGroup* tools = nullptr;
    QFontComboBox* fontBox = nullptr;
    QComboBox* sizeBox = nullptr;
    QPushButton* colorButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* linkButton = nullptr;
    QPushButton* closeButton = nullptr;
    QLabel* hint = nullptr;
    QColor color = Qt::black;
};
