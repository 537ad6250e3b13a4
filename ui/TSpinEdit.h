#pragma once
// Spin field of the window. Whatever the program sets or the installer leaves
// in it is brought into its limits, and text that is not a number counts as
// the lower limit, so a 0 from a file shows (and is stored back) as the lower
// limit and an emptied field never stores a stale value.

#include <QSpinBox>

class TSpinEdit final : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    void SetLimits(int minimum, int maximum);

    // The value as the field shows it now, also while the installer is still
    // typing in it: not a number gives the lower limit, a number outside the
    // limits its nearest limit.
    int Value() const;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};
