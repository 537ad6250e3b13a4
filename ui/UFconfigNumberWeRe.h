#pragma once
// The output-reaction dialog: edits one reaction byte of an input or of a
// special input (which outputs the module switches on that edge, whether it
// starts the siren or the blocking output, or delays the reaction). Created
// once at start-up and reused; an opening (ReactionOpeners) shows the byte,
// sets the caption and the captions of the three time boxes, and reads the
// edited byte back after OK.

#include "Udecl.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

class TFconfigNumberWeRe final : public QDialog {
    Q_OBJECT

public:
    // The bits of a reaction byte. Inactive alone means the module does
    // nothing; the dialog never stores 0, which the module would not expect.
    static constexpr Byte InactiveBit = 0x80;

    explicit TFconfigNumberWeRe(QWidget* parent = nullptr);

    // Shows a byte in the boxes, "Opcje nieaktywne" first, then bits 6 to 0;
    // every change of state runs the box's click rule, so the enabled states
    // follow the shown bits. Any byte is shown as it is.
    void ShowByte(Byte b);

    // The byte the boxes stand for: 0x80 when "Opcje nieaktywne" is checked or
    // nothing else is, otherwise the checked bits 6..0, hidden boxes included.
    Byte EncodedByte() const;

    // The controls, under the names the openings and the installer's tab order use.
    QCheckBox* ChBNoActiv = nullptr;
    QCheckBox* ChBTimeRaport = nullptr;
    QCheckBox* ChBTimeOFFWy1 = nullptr;
    QCheckBox* ChBTimeOFFWy2 = nullptr;
    QCheckBox* ChBONwy1IN = nullptr;
    QCheckBox* ChBOFFwy1In = nullptr;
    QCheckBox* ChBonWy2In = nullptr;
    QCheckBox* ChBOFFWY2iN = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn2 = nullptr; // "Anuluj"

public slots:
    void ChBNoActivClick();
    void ChBONwy1INClick();
    void ChBOFFwy1InClick();
    void ChBonWy2InClick();
    void ChBOFFWY2iNClick();

private:
    // Switching an output on and off on the same edge makes no sense to the
    // module: a checked box disables (and clears) its partner.
    void ExcludePartner(const QCheckBox* own, QCheckBox* partner) const;

    // Set only while ChBNoActivClick clears the output boxes one by one, so
    // that their exclusion rules don't re-enable what it is disabling.
    bool FUpdating = false;
};
