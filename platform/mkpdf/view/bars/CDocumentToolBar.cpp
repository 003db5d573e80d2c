#include "CDocumentToolBar.h"

#include "CIconButton.h"
#include "CPageView.h"
#include "CustomIntValidator.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <iterator>

CDocumentToolBar::CDocumentToolBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("widget_doc_toolbar");
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(40);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 8, 0);
    row->setSpacing(4);

    row->addWidget(NewFileButton(this, [this](const QPoint& pos) { emit SignalClickedFile(pos); }));

    QPushButton* panelButton = new CIconButton("button_doc_panel", tr("Thumbnails"), 28, this);
    connect(panelButton, &QPushButton::clicked, this, &CDocumentToolBar::SignalClickedPanel);
    row->addWidget(panelButton);
    QPushButton* findButton = new CIconButton("button_doc_find", tr("Find (Ctrl+F)"), 28, this);
    connect(findButton, &QPushButton::clicked, this, &CDocumentToolBar::SignalClickedFind);
    row->addWidget(findButton);
    QPushButton* organizeButton = new CIconButton("button_doc_organize", tr("Organize Pages"), 28, this);
    connect(organizeButton, &QPushButton::clicked, this, &CDocumentToolBar::SignalClickedOrganize);
    row->addWidget(organizeButton);
    commentButton = new CIconButton("button_doc_comment", tr("Comment"), 28, this);
    connect(commentButton, &QPushButton::clicked, this, &CDocumentToolBar::SignalClickedComment);
    row->addWidget(commentButton);
    row->addStretch(1);

    QPushButton* previous = new CIconButton("button_doc_prev", tr("Previous Page"), 28, this);
    connect(previous, &QPushButton::clicked, this, [this]() { emit SignalStepPage(-1); });
    row->addWidget(previous);
    pageEdit = new QLineEdit(this);
    pageEdit->setObjectName("line_doc_page");
    pageEdit->setAccessibleName(tr("Page Number"));
    pageEdit->setFixedSize(48, 26);
    pageEdit->setAlignment(Qt::AlignCenter);
    connect(pageEdit, &QLineEdit::returnPressed, this, [this]() {
        const int page = pageEdit->text().toInt();
        if (page >= 1 && page <= view->PageCount())
            view->GoToPage(page - 1);
        UpdatePageNumber(view->CurrentPage());
        view->setFocus();
    });
    row->addWidget(pageEdit);
    pageTotal = new QLabel(this);
    pageTotal->setObjectName("label_doc_total");
    row->addWidget(pageTotal);
    QPushButton* next = new CIconButton("button_doc_next", tr("Next Page"), 28, this);
    connect(next, &QPushButton::clicked, this, [this]() { emit SignalStepPage(1); });
    row->addWidget(next);
    row->addSpacing(16);

    QPushButton* zoomOut = new CIconButton("button_doc_zoom_out", tr("Zoom Out"), 28, this);
    connect(zoomOut, &QPushButton::clicked, this, [this]() { view->ZoomOut(); });
    row->addWidget(zoomOut);
    zoomBox = new QComboBox(this);
    zoomBox->setObjectName("combo_doc_zoom");
    zoomBox->setAccessibleName(tr("Zoom"));
    zoomBox->setEditable(true);
    zoomBox->setInsertPolicy(QComboBox::NoInsert);
    zoomBox->lineEdit()->setAccessibleName(tr("Zoom"));
    zoomBox->setFixedSize(110, 26);
    zoomBox->addItem(tr("Actual Size"), CPageView::kActualSize);
    zoomBox->addItem(tr("Fit Page"), CPageView::kFitPage);
    zoomBox->addItem(tr("Fit Width"), CPageView::kFitWidth);
    zoomBox->addItem(tr("Fit Height"), CPageView::kFitHeight);
    // Largest first, as the settings' list.
    for (auto it = std::rbegin(CPageView::kZoomSteps); it != std::rend(CPageView::kZoomSteps); ++it)
        zoomBox->addItem(QString::number(*it) + "%", *it);
    zoomBox->lineEdit()->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{0,4}%?"), zoomBox));
    connect(zoomBox, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        view->SetZoom(zoomBox->itemData(index).toDouble());
        UpdateZoomText(view->ZoomPercent());
        view->setFocus();
    });
    connect(zoomBox->lineEdit(), &QLineEdit::returnPressed, this, [this]() {
        QString text = zoomBox->lineEdit()->text();
        text.remove('%');
        const double zoom = text.toDouble();
        if (zoom > 0)
            view->SetZoom(qBound(CPageView::kMinZoom, zoom, CPageView::kMaxZoom));
        UpdateZoomText(view->ZoomPercent());
        view->setFocus();
    });
    row->addWidget(zoomBox);
    QPushButton* zoomIn = new CIconButton("button_doc_zoom_in", tr("Zoom In"), 28, this);
    connect(zoomIn, &QPushButton::clicked, this, [this]() { view->ZoomIn(); });
    row->addWidget(zoomIn);
    row->addStretch(1);

    QPushButton* read = new CIconButton("button_doc_read", tr("Enter Read Mode"), 28, this);
    connect(read, &QPushButton::clicked, this, &CDocumentToolBar::SignalClickedReadMode);
    row->addWidget(read);
}

QPushButton* CDocumentToolBar::NewFileButton(QWidget* bar, const std::function<void(const QPoint&)>& open)
{
    // The file menu belongs to the window; the engine only says where to
    // put it.
    auto* button = new QPushButton(tr("File"), bar);
    button->setObjectName("button_doc_file");
    button->setFixedHeight(28);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAttribute(Qt::WA_LayoutUsesWidgetRect);
    QObject::connect(button, &QPushButton::clicked, bar,
                     [button, open]() { open(button->mapToGlobal(QPoint(0, button->height()))); });
    return button;
}

void CDocumentToolBar::SetView(CPageView* pView, int nPageCount)
{
    view = pView;
    delete pageEdit->validator();
    pageEdit->setValidator(new CustomIntValidator(1, qMax(1, nPageCount), pageEdit));
    pageTotal->setText(QStringLiteral("/ %1").arg(nPageCount));
    connect(view, &CPageView::SignalZoomChanged, this, &CDocumentToolBar::UpdateZoomText);
    UpdatePageNumber(view->CurrentPage());
}

void CDocumentToolBar::SetCommentEnabled(bool bEnabled)
{
    commentButton->setEnabled(bEnabled);
    commentButton->setToolTip(bEnabled ? tr("Comment") : tr("This document does not allow comments"));
}

void CDocumentToolBar::UpdatePageNumber(int nPage)
{
    pageEdit->setText(QString::number(nPage + 1));
}

void CDocumentToolBar::UpdateZoomText(double dPercent)
{
    zoomBox->setEditText(QString::number(qRound(dPercent)) + "%");
}
