#pragma once

#include <QValidator>

// Whole numbers within a range, refused as they are typed: digits only, no
// leading zero, never above the top. A number still below the bottom is
// allowed while typing and raised to the bottom by fixup().
class CustomIntValidator : public QValidator
{
    Q_OBJECT
public:
    explicit CustomIntValidator(QObject* parent = nullptr);
    CustomIntValidator(int bottom, int top, QObject* parent = nullptr);

    void setRange(int bottom, int top);
    int bottom() const { return low; }
    int top() const { return high; }

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    int low = 0;
    int high = 0;
};
