#pragma once

#include <QFrame>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPropertyAnimation;
class QVBoxLayout;

// Vertical list of page buttons with a highlight that glides to the chosen
// entry.
class CVTabWidget : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kAnimationMs = 300;

    explicit CVTabWidget(QWidget* parent = nullptr);

    void AddTab(const QString& text);
    QAbstractButton* Button(int nIndex) const;
    QLabel* Highlight() const { return highlight; }

signals:
    void SignalSelectChanged(int nIndex);

public slots:
    void SlotGroupButtonClicked(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QVBoxLayout* layout = nullptr;
    QButtonGroup* group = nullptr;
    QLabel* highlight = nullptr;
    QPropertyAnimation* animation = nullptr;
};
