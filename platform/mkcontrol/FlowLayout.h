#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right and wraps to a new row when the width
// runs out; its height follows from the width.
class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget* parent = nullptr, int margin = 0, int hSpacing = 0, int vSpacing = 0);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int horizontalSpacing() const { return hSpace; }
    int verticalSpacing() const { return vSpace; }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    int count() const override { return items.size(); }
    QLayoutItem* itemAt(int index) const override { return items.value(index); }
    QLayoutItem* takeAt(int index) override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override { return minimumSize(); }

private:
    int DoLayout(const QRect& rect, bool testOnly) const;

    QList<QLayoutItem*> items;
    int hSpace;
    int vSpace;
};
