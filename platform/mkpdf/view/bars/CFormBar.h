#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The strip above a document's pages that says it has a form: fields to
// fill in (with a switch that highlights them), fields its permissions keep
// closed, or an XFA form this program cannot fill.
class CFormBar : public QWidget
{
    Q_OBJECT
public:
    enum State { NoForm, Fillable, Locked, XfaOnly };

    explicit CFormBar(QWidget* parent = nullptr);

    void SetState(State state);
    State GetState() const { return state; }
    QString Text() const;
    QPushButton* HighlightButton() const { return highlight; }

signals:
    void SignalHighlightToggled(bool bOn);

private:
    State state = NoForm;
    QLabel* label = nullptr;
    QPushButton* highlight = nullptr;
};
