// The window's spin field: digits only, clamped, blank counts as the lower limit.

#include "TSpinEdit.h"

#include <algorithm>

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAlignment(Qt::AlignRight);
}

void TSpinEdit::SetLimits(int minimum, int maximum) { setRange(minimum, maximum); }

int TSpinEdit::Value() const {
    bool ok = false;
    const int v = cleanText().toInt(&ok);
    if (!ok)
        return minimum();
    return std::clamp(v, minimum(), maximum());
}

QValidator::State TSpinEdit::validate(QString& input, int& pos) const {
    // Digits only, no more of them than the upper limit has.
    const int digits = static_cast<int>(QString::number(maximum()).size());
    if (input.size() > digits)
        return QValidator::Invalid;
    for (QChar c : input)
        if (!c.isDigit() || c.unicode() > 127)
            return QValidator::Invalid;
    if (input.isEmpty())
        return QValidator::Intermediate;
    // Above the upper limit cannot be typed; below the lower limit may be on
    // the way to a valid number and is brought up when the field is left.
    if (input.toInt() > maximum())
        return QValidator::Invalid;
    const QValidator::State s = QSpinBox::validate(input, pos);
    return s == QValidator::Invalid ? QValidator::Intermediate : s;
}

void TSpinEdit::fixup(QString& input) const { input = QString::number(Value()); }
