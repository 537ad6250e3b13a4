// Copying between the records (Settings, UserNotes) and the window's
// controls, and the SMS-centre presets.
//
// Showing a text shows all of it, whatever the box's typing limit; storing
// writes at most the field's own width and leaves the field's remaining
// character bytes as they were, since those bytes belong to the record.

#include "Uformagl.h"

#include "Cp1250.h"
#include "TEdit.h"
#include "TMemo.h"
#include "TSpinEdit.h"
#include "Udecl.h"

#include <QCheckBox>
#include <QComboBox>

#include <string>

namespace {

struct Preset {
    const char* name;
    const char* number; // empty: no number
};

const Preset SmsCentrePresets[] = {
    {"PLUS", "+48601000310"},
    {"ERA", "+48602951111"},
    {"IDEA", "+48501200777"},
    {"inne", ""},
};
constexpr int OtherCentre = 3;

QString Name(const char* stem, int n) { return QString::fromLatin1(stem) + QString::number(n); }

QString Name(const char* stem, int n, const char* middle, int r) {
    return Name(stem, n) + QString::fromLatin1(middle) + QString::number(r);
}

template <std::size_t N>
QString ToText(const ShortString<N>& s) {
    return Cp1250::Decode(s.view());
}

// min(length, N) characters; the rest of the field is untouched.
template <std::size_t N>
void FromText(ShortString<N>& s, const QString& text) {
    s.assign(Cp1250::Encode(text));
}

// A two-character SMS code: both bytes non-zero, or no code at all.
QString CodeToText(const Byte (&code)[2]) {
    if (code[0] == 0 || code[1] == 0)
        return {};
    const char raw[2] = {static_cast<char>(code[0]), static_cast<char>(code[1])};
    return Cp1250::Decode(std::string_view(raw, 2));
}

void CodeFromText(Byte (&code)[2], const QString& text) {
    const std::string raw = Cp1250::Encode(text);
    if (text.size() == 2 && raw.size() == 2) {
        code[0] = static_cast<Byte>(raw[0]);
        code[1] = static_cast<Byte>(raw[1]);
    } else {
        code[0] = code[1] = 0;
    }
}

} // namespace

void TGlownaF::ShowSettings() {
    TSettings& s = Settings;
    auto edit = [this](const QString& name) { return Control<TEdit>(name); };
    auto spin = [this](const QString& name) { return Control<TSpinEdit>(name); };
    auto check = [this](const QString& name) { return Control<QCheckBox>(name); };

    for (int n = 1; n <= InputCount; ++n)
        for (int r = 1; r <= ReactionCount; ++r)
            edit(Name("ETSMS_We", n, "_Re", r))->setText(ToText(s.InputSmsText[n - 1][r - 1]));
    for (int n = 1; n <= SpecialSlotCount; ++n)
        for (int r = 1; r <= ReactionCount; ++r)
            edit(Name("ETSpecSMS_We", n, "_Re", r))->setText(ToText(s.SpecialSmsText[n - 1][r - 1]));
    for (int n = 1; n <= InputCount; ++n)
        spin(Name("SEtimerPod", n))->setValue(s.InputReactionTime[n - 1]);
    for (int n = 1; n <= InputCount; ++n)
        spin(Name("SEtimerTorBuf", n))->setValue(s.InputLockTime[n - 1]);
    for (int k = 1; k <= UserCount; ++k)
        edit(Name("Enruser", k))->setText(ToText(s.UserPhone[k - 1]));
    for (int n = 1; n <= OutputCount; ++n) {
        edit(Name("EZalWy", n))->setText(CodeToText(s.OutputOnCode[n - 1]));
        edit(Name("EwylWy", n))->setText(CodeToText(s.OutputOffCode[n - 1]));
        spin(Name("SEWy_offTimer", n))->setValue(s.OutputOffTime[n - 1]);
    }

    edit(QStringLiteral("EPin"))->setText(ToText(s.Pin));
    auto* centre = Control<QComboBox>(QStringLiteral("CBcentrum"));
    centre->setCurrentIndex(OtherCentre);
    edit(QStringLiteral("Ecsms"))->setText(ToText(s.SmsCentre));
    spin(QStringLiteral("SEtestokr"))->setValue(s.ReportPeriod);
    // The operator whose number is stored exactly; selecting from code does
    // not run CBcentrumChange, so the stored number stays in Ecsms.
    for (int i = 0; i < OtherCentre; ++i)
        if (centre->itemData(i).toByteArray() == QByteArray(s.SmsCentre.view().data(),
                                                             static_cast<qsizetype>(s.SmsCentre.length())))
            centre->setCurrentIndex(i);
    spin(QStringLiteral("SECALL_TIMER"))->setValue(s.RejectTime);
    spin(QStringLiteral("SEcallingTimer"))->setValue(s.CallingTime);
    edit(QStringLiteral("EPINMOD"))->setText(ToText(s.SmsAccessCode));
    for (int bit = 0; bit < 8; ++bit)
        check(Name("ChbClipVerif", bit))->setChecked((s.ClipUserActions >> bit) & 1);
    for (int bit = 0; bit < 8; ++bit)
        check(Name("ChBClipNotVerif", bit))->setChecked((s.ClipUnknownActions >> bit) & 1);
    for (int bit = 0; bit < 6; ++bit)
        check(Name("ChBFlags_", bit))->setChecked((s.OptionFlags >> bit) & 1);
    spin(QStringLiteral("SEInNONCSTAT18"))->setValue(s.SmsConfirmTime);
    spin(QStringLiteral("SEInONstat916"))->setValue(s.SmsSendAttempts);
    ChBFlags_5Click();
    ChBFlags_4Click();
    spin(QStringLiteral("SE1190"))->setValue(s.ArmingTime);
    spin(QStringLiteral("SE1191"))->setValue(s.InputDelayTime);
    spin(QStringLiteral("SE1192"))->setValue(s.SirenTime);
    check(QStringLiteral("CHB_funkcjaczaswy"))->setChecked(s.SpecialReaction[4][1] & 1);
}

void TGlownaF::StoreSettings() {
    TSettings& s = Settings;
    auto text = [this](const QString& name) { return Control<TEdit>(name)->text(); };
    auto value = [this](const QString& name) { return static_cast<Byte>(Control<TSpinEdit>(name)->Value()); };
    auto bits = [this](const char* stem, int count) {
        Byte b = 0;
        for (int bit = 0; bit < count; ++bit)
            if (Control<QCheckBox>(Name(stem, bit))->isChecked())
                b |= static_cast<Byte>(1u << bit);
        return b;
    };

    for (int n = 1; n <= InputCount; ++n)
        for (int r = 1; r <= ReactionCount; ++r)
            FromText(s.InputSmsText[n - 1][r - 1], text(Name("ETSMS_We", n, "_Re", r)));
    for (int n = 1; n <= SpecialSlotCount; ++n)
        for (int r = 1; r <= ReactionCount; ++r)
            FromText(s.SpecialSmsText[n - 1][r - 1], text(Name("ETSpecSMS_We", n, "_Re", r)));
    for (int n = 1; n <= InputCount; ++n)
        s.InputReactionTime[n - 1] = value(Name("SEtimerPod", n));
    for (int n = 1; n <= InputCount; ++n)
        s.InputLockTime[n - 1] = value(Name("SEtimerTorBuf", n));
    for (int k = 1; k <= UserCount; ++k)
        FromText(s.UserPhone[k - 1], text(Name("Enruser", k)));
    for (int n = 1; n <= OutputCount; ++n) {
        CodeFromText(s.OutputOnCode[n - 1], text(Name("EZalWy", n)));
        CodeFromText(s.OutputOffCode[n - 1], text(Name("EwylWy", n)));
        s.OutputOffTime[n - 1] = value(Name("SEWy_offTimer", n));
    }

    FromText(s.Pin, text(QStringLiteral("EPin")));
    FromText(s.SmsCentre, text(QStringLiteral("Ecsms")));
    s.RejectTime = value(QStringLiteral("SECALL_TIMER"));
    s.CallingTime = value(QStringLiteral("SEcallingTimer"));
    FromText(s.SmsAccessCode, text(QStringLiteral("EPINMOD")));
    s.ReportPeriod = value(QStringLiteral("SEtestokr"));
    s.ClipUserActions = bits("ChbClipVerif", 8);
    s.ClipUnknownActions = bits("ChBClipNotVerif", 8);
    s.OptionFlags = bits("ChBFlags_", 6); // bits 6 and 7 always clear
    s.SmsConfirmTime = value(QStringLiteral("SEInNONCSTAT18"));
    s.SmsSendAttempts = value(QStringLiteral("SEInONstat916"));
    s.ArmingTime = value(QStringLiteral("SE1190"));
    s.InputDelayTime = value(QStringLiteral("SE1191"));
    s.SirenTime = value(QStringLiteral("SE1192"));
    // Bit 0 of the arming input's second reaction alone; the reaction dialog
    // owns its other bits.
    Byte& arming = s.SpecialReaction[4][1];
    if (Control<QCheckBox>(QStringLiteral("CHB_funkcjaczaswy"))->isChecked())
        arming = static_cast<Byte>(arming | 0x01);
    else
        arming = static_cast<Byte>(arming & ~0x01);
}

void TGlownaF::ShowUserNotes() {
    for (int k = 1; k <= UserCount; ++k) {
        Control<TEdit>(Name("Eosoba", k))->setText(ToText(UserNotes.User[k - 1].Name));
        Control<TMemo>(Name("Muser", k))->SetRecordText(ToText(UserNotes.User[k - 1].Notes));
    }
}

void TGlownaF::StoreUserNotes() {
    for (int k = 1; k <= UserCount; ++k) {
        FromText(UserNotes.User[k - 1].Name, Control<TEdit>(Name("Eosoba", k))->text());
        FromText(UserNotes.User[k - 1].Notes, Control<TMemo>(Name("Muser", k))->RecordText());
    }
}

void TGlownaF::LoadSmsCentrePresets() {
    auto* centre = Control<QComboBox>(QStringLiteral("CBcentrum"));
    centre->clear();
    for (const Preset& p : SmsCentrePresets)
        centre->addItem(QString::fromLatin1(p.name), QByteArray(p.number));
    centre->setCurrentIndex(0);
}

void TGlownaF::CBcentrumChange() {
    auto* centre = Control<QComboBox>(QStringLiteral("CBcentrum"));
    const int i = centre->currentIndex();
    // A pick-only list always has an entry selected; guard all the same.
    if (i < 0 || i >= centre->count())
        return;
    auto* number = Control<TEdit>(QStringLiteral("Ecsms"));
    if (i == OtherCentre)
        number->clear();
    else
        number->setText(Cp1250::Decode(centre->itemData(i).toByteArray().toStdString()));
}
