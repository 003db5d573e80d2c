#pragma once

#include <QWidget>

class CTabBar;
class CTabListView;

// Popup listing every tab of a bar, opened from the window's tab-count
// button. Closing it only hides it.
class CTabListWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 32;
    static constexpr int kMaxVisibleRows = 8;

    explicit CTabListWidget(CTabBar* parent);

    void AddRow(const QString& text);
    void RemoveRow(int row);
    void SetRowText(int row, const QString& text);
    void MoveRow(int from, int to);
    void SetCurrentRow(int row);
    // Shows the popup at pos (global), kept inside the screens' rectangle.
    void ShowAt(const QPoint& pos);
    CTabListView* View() const { return view; }
    QStringList Rows() const;

signals:
    void SignalCurrentChanged(int row);
    void SignalCloseCurrent(int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CTabListView* view = nullptr;
};
