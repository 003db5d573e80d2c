#include "CCommentToolBar.h"

#include "CAnnotationStore.h"
#include "CIconButton.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace {

// Button object names, as the skin draws them, in tool order.
const char* const kButtonNames[CCommentOptions::ToolCount]
    = {"button_cm_highlight", "button_cm_underline", "button_cm_strikeout", "button_cm_squiggly",
       "button_cm_note",      "button_cm_freetext",  "button_cm_ink",       "button_cm_rectangle",
       "button_cm_ellipse",   "button_cm_line",      "button_cm_arrow",     "button_cm_eraser"};

// Button id of a tool: the select button is 0.
int IdOf(CCommentOptions::Tool tool)
{
    return tool + 1;
}

QWidget* Separator(QWidget* parent)
{
    auto* line = new QWidget(parent);
    line->setObjectName("widget_cm_separator");
    line->setAttribute(Qt::WA_StyledBackground);
    line->setFixedSize(1, 20);
    return line;
}

QComboBox* NewBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setFixedHeight(26);
    box->setFocusPolicy(Qt::TabFocus);
    return box;
}

} // namespace

CCommentToolBar::CCommentToolBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_comment_bar");
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(40);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(4);

    buttons = new QButtonGroup(this);
    buttons->setExclusive(true);
    auto* select = new CIconButton("button_cm_select", tr("Select Comments"), 28, this);
    select->setCheckable(true);
    buttons->addButton(select, 0);
    row->addWidget(select);
    row->addWidget(Separator(this));
    for (int i = 0; i < CCommentOptions::ToolCount; ++i) {
        const auto kind = CCommentOptions::Tool(i);
        auto* button = new CIconButton(kButtonNames[i], CCommentOptions::ToolTitle(kind), 28, this);
        button->setCheckable(true);
        buttons->addButton(button, IdOf(kind));
        row->addWidget(button);
        if (kind == CCommentOptions::Squiggly || kind == CCommentOptions::FreeText || kind == CCommentOptions::Arrow)
            row->addWidget(Separator(this));
    }
    row->addWidget(Separator(this));

    colorButton = new QPushButton(this);
    colorButton->setObjectName("button_cm_color");
    colorButton->setAccessibleName(tr("Color"));
    colorButton->setToolTip(tr("Color"));
    colorButton->setFixedSize(40, 28);
    colorButton->setFocusPolicy(Qt::TabFocus);
    colorButton->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    auto* colorMenu = new QMenu(colorButton);
    colorMenu->setObjectName("menu_normal");
    for (const QColor& color : Swatches()) {
        QPixmap chip(16, 16);
        chip.fill(color);
        colorMenu->addAction(QIcon(chip), color.name(), this, [this, color]() { emit SignalColorChosen(color); });
    }
    colorMenu->addSeparator();
    colorMenu->addAction(tr("More Colors..."), this, &CCommentToolBar::ChooseOtherColor);
    colorButton->setMenu(colorMenu);
    row->addWidget(colorButton);

    opacityBox = NewBox("combo_cm_opacity", this);
    opacityBox->setToolTip(tr("Opacity"));
    for (int percent : {100, 75, 50, 25})
        opacityBox->addItem(QStringLiteral("%1%").arg(percent), percent);
    row->addWidget(opacityBox);
    widthLabel = new QLabel(tr("Width"), this);
    widthLabel->setObjectName("label_cm_option");
    row->addWidget(widthLabel);
    widthBox = NewBox("combo_cm_width", this);
    widthBox->setToolTip(tr("Line Width"));
    for (double width : {0.5, 1.0, 2.0, 3.0, 4.0, 6.0, 8.0, 12.0})
        widthBox->addItem(QStringLiteral("%1 pt").arg(width), width);
    row->addWidget(widthBox);
    fontLabel = new QLabel(tr("Size"), this);
    fontLabel->setObjectName("label_cm_option");
    row->addWidget(fontLabel);
    fontBox = NewBox("combo_cm_font", this);
    fontBox->setToolTip(tr("Font Size"));
    for (int size : {8, 10, 12, 14, 16, 18, 24, 32, 48, 72})
        fontBox->addItem(QString::number(size), size);
    row->addWidget(fontBox);
    row->addStretch(1);

    auto* close = new CIconButton("button_cm_close", tr("Close Comment Tools"), 28, this);
    connect(close, &QPushButton::clicked, this, &CCommentToolBar::SignalCloseClicked);
    row->addWidget(close);

    connect(buttons, &QButtonGroup::idClicked, this, [this](int nId) {
        tool = CCommentOptions::Tool(nId - 1);
        emit SignalToolChanged(tool);
    });
    connect(opacityBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int nIndex) { emit SignalOpacityChosen(opacityBox->itemData(nIndex).toInt()); });
    connect(widthBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int nIndex) { emit SignalWidthChosen(widthBox->itemData(nIndex).toDouble()); });
    connect(fontBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int nIndex) { emit SignalFontSizeChosen(fontBox->itemData(nIndex).toInt()); });
    SetTool(CCommentOptions::NoTool);
    ShowValues(CCommentOptions::NoTool, QColor(), 100, 1, 12, false);
}

QVector<QColor> CCommentToolBar::Swatches()
{
    return {QColor(0xE5, 0x48, 0x4D), QColor(0xFF, 0x8A, 0x00), QColor(0xFF, 0xE1, 0x4D), QColor(0x2F, 0xA8, 0x4F),
            QColor(0x2F, 0x80, 0xED), QColor(0x8E, 0x4E, 0xC6), QColor(0x1F, 0x23, 0x29), QColor(0xFF, 0xFF, 0xFF)};
}

QAbstractButton* CCommentToolBar::ToolButton(CCommentOptions::Tool kind) const
{
    return buttons->button(IdOf(kind));
}

void CCommentToolBar::SetTool(CCommentOptions::Tool kind)
{
    tool = kind;
    if (QAbstractButton* button = buttons->button(IdOf(kind)))
        button->setChecked(true);
}

void CCommentToolBar::ShowOptions(const CCommentOptions& options)
{
    ShowValues(tool, options.ToolColor(tool), qRound(options.ToolOpacity(tool) * 100), options.ToolWidth(tool),
               options.ToolFontSize(tool), tool != CCommentOptions::NoTool && tool != CCommentOptions::Eraser);
}

void CCommentToolBar::ShowAnnotation(const PdfAnnotation* annotation, const CCommentOptions& options)
{
    if (!annotation || !annotation->IsValid()) {
        ShowOptions(options);
        return;
    }
    const auto kind = annotation->kind == PdfAnnotation::Other ? CCommentOptions::Rectangle
                                                               : CCommentOptions::Tool(annotation->kind);
    ShowValues(kind, annotation->color, qRound(annotation->opacity * 100), annotation->width, annotation->fontSize,
               true);
}

void CCommentToolBar::ShowValues(CCommentOptions::Tool kind, const QColor& color, int nOpacity, double dWidth,
                                 int nFontSize, bool bEnabled)
{
    const bool width = CCommentOptions::HasOption(kind, CCommentOptions::Width);
    const bool font = CCommentOptions::HasOption(kind, CCommentOptions::FontSize);
    colorButton->setEnabled(bEnabled);
    opacityBox->setEnabled(bEnabled);
    widthLabel->setVisible(width);
    widthBox->setVisible(width);
    fontLabel->setVisible(font);
    fontBox->setVisible(font);
    SetColorChip(bEnabled ? color : QColor());
    auto pick = [](QComboBox* box, const QVariant& value, const QString& text) {
        int index = box->findData(value);
        if (index < 0) {
            // A value set elsewhere joins the list.
            box->addItem(text, value);
            index = box->count() - 1;
        }
        box->setCurrentIndex(index);
    };
    pick(opacityBox, nOpacity, QStringLiteral("%1%").arg(nOpacity));
    pick(widthBox, dWidth, QStringLiteral("%1 pt").arg(dWidth));
    pick(fontBox, nFontSize, QString::number(nFontSize));
}

void CCommentToolBar::SetColorChip(const QColor& color)
{
    shownColor = color;
    QPixmap chip(18, 18);
    chip.fill(Qt::transparent);
    QPainter painter(&chip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QColor(0, 0, 0, 60));
    painter.setBrush(color.isValid() ? color : QColor(0, 0, 0, 20));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
    painter.end();
    colorButton->setIcon(QIcon(chip));
}

void CCommentToolBar::ChooseOtherColor()
{
    const QColor chosen = QColorDialog::getColor(shownColor.isValid() ? shownColor : Qt::red, window(), tr("Color"));
    if (chosen.isValid())
        emit SignalColorChosen(chosen);
}
