#include "CPageEditBar.h"

#include "CCommentToolBar.h"
#include "CIconButton.h"
#include "CPageEditLayer.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace {

QPushButton* NewButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setFixedHeight(26);
    // Reached with Tab; a click leaves the keys with the pages.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    return button;
}

} // namespace

CPageEditBar::CPageEditBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_page_edit_bar");
    setAttribute(Qt::WA_StyledBackground);
    setAccessibleName(tr("Page Editing"));
    setFixedHeight(40);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(6);

    tools = new QButtonGroup(this);
    tools->setExclusive(true);
    const QString titles[] = {tr("Select"), tr("Add Text"), tr("Add Picture"), tr("Add Link")};
    const char* names[] = {"button_pe_select", "button_pe_text", "button_pe_image", "button_pe_link"};
    for (int i = CPageEditLayer::SelectTool; i <= CPageEditLayer::LinkTool; ++i) {
        QPushButton* button = NewButton(titles[i], names[i], this);
        button->setCheckable(true);
        tools->addButton(button, i);
        row->addWidget(button);
    }

    fontBox = new QFontComboBox(this);
    fontBox->setObjectName("combo_pe_font");
    // Only installed fonts can be embedded: a list, not a field to type in.
    fontBox->setEditable(false);
    fontBox->setFontFilters(QFontComboBox::ScalableFonts);
    fontBox->setAccessibleName(tr("Font"));
    fontBox->setToolTip(tr("Font"));
    fontBox->setFixedHeight(26);
    fontBox->setMaximumWidth(180);
    fontBox->setFocusPolicy(Qt::TabFocus);
    fontBox->setCurrentFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    row->addWidget(fontBox);
    sizeBox = new QComboBox(this);
    sizeBox->setObjectName("combo_pe_size");
    sizeBox->setAccessibleName(tr("Font Size"));
    sizeBox->setToolTip(tr("Font Size"));
    sizeBox->setFixedHeight(26);
    sizeBox->setFocusPolicy(Qt::TabFocus);
    for (int size : {8, 10, 12, 14, 18, 24, 32, 48, 72})
        sizeBox->addItem(QString::number(size), size);
    sizeBox->setCurrentIndex(sizeBox->findData(14));
    row->addWidget(sizeBox);
    colorButton = NewButton(QString(), "button_pe_color", this);
    colorButton->setAccessibleName(tr("Text Color"));
    colorButton->setToolTip(tr("Text Color"));
    colorButton->setFixedWidth(40);
    auto* colorMenu = new QMenu(colorButton);
    colorMenu->setObjectName("menu_normal");
    for (const QColor& swatch : CCommentToolBar::Swatches()) {
        QPixmap chip(16, 16);
        chip.fill(swatch);
        colorMenu->addAction(QIcon(chip), swatch.name(), this, [this, swatch]() { SetColor(swatch); });
    }
    colorMenu->addSeparator();
    colorMenu->addAction(tr("More Colors..."), this, [this]() {
        const QColor chosen = QColorDialog::getColor(color, window(), tr("Text Color"));
        if (chosen.isValid())
            SetColor(chosen);
    });
    colorButton->setMenu(colorMenu);
    row->addWidget(colorButton);

    deleteButton = NewButton(tr("Delete"), "button_pe_delete", this);
    linkButton = NewButton(tr("Link Target..."), "button_pe_target", this);
    row->addWidget(deleteButton);
    row->addWidget(linkButton);
    hint = new QLabel(this);
    hint->setObjectName("label_pe_hint");
    row->addWidget(hint, 1);
    closeButton = NewButton(tr("Done"), "button_pe_done", this);
    closeButton->setToolTip(tr("Leave page editing"));
    row->addWidget(closeButton);

    connect(tools, &QButtonGroup::idClicked, this, [this](int nId) {
        ShowHint();
        emit SignalToolChanged(nId);
    });
    connect(fontBox, &QFontComboBox::currentFontChanged, this, &CPageEditBar::SignalStyleChanged);
    connect(sizeBox, QOverload<int>::of(&QComboBox::activated), this, &CPageEditBar::SignalStyleChanged);
    connect(deleteButton, &QPushButton::clicked, this, &CPageEditBar::SignalDeleteClicked);
    connect(linkButton, &QPushButton::clicked, this, &CPageEditBar::SignalLinkClicked);
    connect(closeButton, &QPushButton::clicked, this, &CPageEditBar::SignalCloseClicked);
    SetColor(Qt::black);
    SetTool(CPageEditLayer::SelectTool);
    ShowSelection(false, false);
    hide();
}

void CPageEditBar::SetTool(int nTool)
{
    if (QAbstractButton* button = tools->button(nTool))
        button->setChecked(true);
    ShowHint();
}

int CPageEditBar::Tool() const
{
    return qMax(0, tools->checkedId());
}

QAbstractButton* CPageEditBar::ToolButton(int nTool) const
{
    return tools->button(nTool);
}

PdfTextStyle CPageEditBar::TextStyle() const
{
    PdfTextStyle style;
    style.family = fontBox->currentFont().family();
    style.size = sizeBox->currentData().toDouble();
    style.color = color;
    return style;
}

void CPageEditBar::ShowSelection(bool bSelected, bool bLink)
{
    deleteButton->setEnabled(bSelected);
    linkButton->setEnabled(bSelected && bLink);
}

void CPageEditBar::ShowHint()
{
    switch (Tool()) {
    case CPageEditLayer::TextTool:
        hint->setText(tr("Click where the text should start; Ctrl+Enter keeps it."));
        break;
    case CPageEditLayer::ImageTool:
        hint->setText(tr("Click where the picture should go."));
        break;
    case CPageEditLayer::LinkTool:
        hint->setText(tr("Drag over the area that should become a link."));
        break;
    default:
        hint->setText(tr("Drag pictures to move them, their corners to resize them."));
        break;
    }
}

void CPageEditBar::SetColor(const QColor& newColor)
{
    color = newColor;
    QPixmap chip(18, 18);
    chip.fill(Qt::transparent);
    QPainter painter(&chip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QColor(0, 0, 0, 60));
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
    painter.end();
    colorButton->setIcon(QIcon(chip));
    emit SignalStyleChanged();
}
