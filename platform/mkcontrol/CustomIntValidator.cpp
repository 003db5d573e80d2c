#include "CustomIntValidator.h"

CustomIntValidator::CustomIntValidator(QObject* parent)
    : QValidator(parent)
{
}

CustomIntValidator::CustomIntValidator(int bottom, int top, QObject* parent)
    : QValidator(parent)
{
    setRange(bottom, top);
}

void CustomIntValidator::setRange(int bottom, int top)
{
    low = qMin(bottom, top);
    high = qMax(bottom, top);
    emit changed();
}

QValidator::State CustomIntValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    if (input.isEmpty())
        return Intermediate;
    for (const QChar c : input) {
        if (!c.isDigit() || c.unicode() > '9')
            return Invalid;
    }
    if (input.size() > 1 && input.startsWith('0'))
        return Invalid;
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    if (!ok || value > high)
        return Invalid;
    if (value >= low)
        return Acceptable;
    // Zero can never grow into a number of a range above it.
    return (value == 0 && low > 0) ? Invalid : Intermediate;
}

void CustomIntValidator::fixup(QString& input) const
{
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    if (!ok || value < low)
        input = QString::number(low);
    else if (value > high)
        input = QString::number(high);
}
