#pragma once

#include <QLineEdit>

class QAction;

// A line edit with a clear button at its end, shown while it holds text.
// The button's picture comes from the skin (clearIcon property).
class CClearEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString clearIcon READ ClearIcon WRITE SetClearIcon)
public:
    explicit CClearEdit(QWidget* parent = nullptr);

    QString ClearIcon() const { return clearIconPath; }
    void SetClearIcon(const QString& path);
    QAction* ClearAction() const { return clearAction; }

private:
    void UpdateClearAction();

    QAction* clearAction = nullptr;
    QString clearIconPath;
};
