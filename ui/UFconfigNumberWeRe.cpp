// The output-reaction dialog: its controls, the byte coding and the click
// rules of "Opcje nieaktywne" and of the on/off boxes of the two outputs.

#include "UFconfigNumberWeRe.h"

#include "ReactionDialogFrame.h"

#include <QCheckBox>
#include <QPushButton>

#include <array>

namespace {

constexpr int DialogWidth = 375;
constexpr int DialogHeight = 243;
constexpr int BoxHeight = 17;

struct BoxPlace {
    QCheckBox* TFconfigNumberWeRe::*Member;
    const char* Name;
    const char16_t* Caption; // empty: set by each opening
    int Left, Top, Width;
};

// In tab order. The captions of the three time boxes depend on what is
// being configured and are set by the openings.
constexpr std::array<BoxPlace, 8> Boxes{{
    {&TFconfigNumberWeRe::ChBNoActiv, "ChBNoActiv", u"Opcje nieaktywne", 32, 16, 177},
    {&TFconfigNumberWeRe::ChBTimeRaport, "ChBTimeRaport", u"", 184, 40, 169},
    {&TFconfigNumberWeRe::ChBTimeOFFWy1, "ChBTimeOFFWy1", u"", 184, 64, 177},
    {&TFconfigNumberWeRe::ChBTimeOFFWy2, "ChBTimeOFFWy2", u"", 184, 88, 177},
    {&TFconfigNumberWeRe::ChBONwy1IN, "ChBONwy1IN", u"Załącz wyjście 1", 40, 48, 121},
    {&TFconfigNumberWeRe::ChBOFFwy1In, "ChBOFFwy1In", u"Wyłącz wyjście 1", 40, 72, 129},
    {&TFconfigNumberWeRe::ChBonWy2In, "ChBonWy2In", u"Załącz wyjście 2", 40, 96, 129},
    {&TFconfigNumberWeRe::ChBOFFWY2iN, "ChBOFFWY2iN", u"Wyłącz wyjście 2", 40, 120, 137},
}};

using BoxMember = QCheckBox* TFconfigNumberWeRe::*;

// The box of each bit of the reaction byte, bit 0 first.
constexpr std::array<BoxMember, 8> BoxOfBit{
    &TFconfigNumberWeRe::ChBTimeRaport, &TFconfigNumberWeRe::ChBTimeOFFWy1,
    &TFconfigNumberWeRe::ChBTimeOFFWy2, &TFconfigNumberWeRe::ChBONwy1IN,
    &TFconfigNumberWeRe::ChBOFFwy1In,   &TFconfigNumberWeRe::ChBonWy2In,
    &TFconfigNumberWeRe::ChBOFFWY2iN,   &TFconfigNumberWeRe::ChBNoActiv,
};
constexpr int InactiveBitIndex = 7;

} // namespace

TFconfigNumberWeRe::TFconfigNumberWeRe(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FconfigNumberWeRe"));
    SetReactionDialogFrame(*this, {DialogWidth, DialogHeight});

    for (const BoxPlace& place : Boxes) {
        auto* box = new QCheckBox(QString::fromUtf16(place.Caption), this);
        box->setObjectName(QLatin1StringView(place.Name));
        box->setGeometry(place.Left, place.Top, place.Width, BoxHeight);
        this->*place.Member = box;
    }

    const DialogButtons buttons = AddOkCancelButtons(*this, {264, 168}, {24, 168});
    BitBtn1 = buttons.Ok;
    BitBtn2 = buttons.Cancel;

    // toggled fires for changes made by code as well, disabled boxes
    // included, and not when the state stays: that is when the rules must run.
    connect(ChBNoActiv, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBNoActivClick);
    connect(ChBONwy1IN, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBONwy1INClick);
    connect(ChBOFFwy1In, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBOFFwy1InClick);
    connect(ChBonWy2In, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBonWy2InClick);
    connect(ChBOFFWY2iN, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBOFFWY2iNClick);
}

void TFconfigNumberWeRe::ShowByte(Byte b) {
    // From bit 7 down: "Opcje nieaktywne" settles the enabled states before
    // the other boxes take their bits.
    for (int bit = InactiveBitIndex; bit >= 0; --bit)
        (this->*BoxOfBit[bit])->setChecked((b >> bit) & 1);
}

Byte TFconfigNumberWeRe::EncodedByte() const {
    if (ChBNoActiv->isChecked())
        return InactiveBit;
    Byte result = 0;
    for (int bit = 0; bit < InactiveBitIndex; ++bit)
        if ((this->*BoxOfBit[bit])->isChecked())
            result |= static_cast<Byte>(1u << bit);
    // A reaction that does nothing is stored as inactive, never as 0.
    return result != 0 ? result : InactiveBit;
}

void TFconfigNumberWeRe::ChBNoActivClick() {
    FUpdating = true;
    const bool inactive = ChBNoActiv->isChecked();
    for (QCheckBox* box : {ChBTimeRaport, ChBTimeOFFWy1, ChBTimeOFFWy2, ChBONwy1IN, ChBOFFwy1In,
                           ChBonWy2In, ChBOFFWY2iN})
        box->setEnabled(!inactive);
    // The delayed reaction keeps its tick (greyed) so that it comes back as
    // it was when the reaction is made active again.
    if (inactive)
        for (QCheckBox* box :
             {ChBONwy1IN, ChBOFFwy1In, ChBonWy2In, ChBOFFWY2iN, ChBTimeOFFWy1, ChBTimeOFFWy2})
            box->setChecked(false);
    FUpdating = false;
}

void TFconfigNumberWeRe::ExcludePartner(const QCheckBox* own, QCheckBox* partner) const {
    if (FUpdating)
        return;
    partner->setEnabled(!own->isChecked());
    if (!partner->isEnabled())
        partner->setChecked(false);
}

void TFconfigNumberWeRe::ChBONwy1INClick() {
    ExcludePartner(ChBONwy1IN, ChBOFFwy1In);
}
void TFconfigNumberWeRe::ChBOFFwy1InClick() {
    ExcludePartner(ChBOFFwy1In, ChBONwy1IN);
}
void TFconfigNumberWeRe::ChBonWy2InClick() {
    ExcludePartner(ChBonWy2In, ChBOFFWY2iN);
}
void TFconfigNumberWeRe::ChBOFFWY2iNClick() {
    ExcludePartner(ChBOFFWY2iN, ChBonWy2In);
}
