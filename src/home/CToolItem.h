#pragma once

#include <QPushButton>

class QLabel;

// A tool tile of the home page: icon, title and a short description.
class CToolItem : public QPushButton
{
    Q_OBJECT
public:
    CToolItem(const QString& iconName, QWidget* parent = nullptr);

    void SetTexts(const QString& title, const QString& description);
    void SetToolId(int id) { toolId = id; }
    int GetToolId() const { return toolId; }
    QString Title() const;

private:
    QLabel* iconLabel = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* textLabel = nullptr;
    int toolId = -1;
};
