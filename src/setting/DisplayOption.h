#pragma once

#include <QVariantMap>
#include <QWidget>

class QComboBox;

// "Display" page of the preferences: default zoom, page layout and cursor of
// documents opened from now on.
class DisplayOption : public QWidget
{
    Q_OBJECT
public:
    explicit DisplayOption(QWidget* parent = nullptr);

    void SetOptions(const QVariantMap& options);
    QVariantMap GetOptions() const;

    QComboBox* ViewBox() const { return viewBox; }
    QComboBox* LayoutBox() const { return layoutBox; }
    QComboBox* CursorBox() const { return cursorBox; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* AddPanel(const QString& label);

    QComboBox* viewBox = nullptr;
    QComboBox* layoutBox = nullptr;
    QComboBox* cursorBox = nullptr;
};
