// Entry rules: the key filter of the phone and PIN boxes, the length checks
// on leaving the code boxes, the option boxes that enable and empty the
// controls they govern, and the exclusion of CLIP actions on one output.

#include "Uformagl.h"

#include "GuardedAction.h"
#include "TEdit.h"
#include "TSpinEdit.h"

#include <QCheckBox>
#include <QLabel>

#include <array>

namespace {

constexpr QChar Nul(u'\0');
constexpr QChar Backspace(u'\b');
constexpr QChar Tab(u'\t');
constexpr QChar Enter(u'\r');
constexpr QChar Blank(u' ');
constexpr QChar Forbidden(u'$');

// The caret, or the start of the selection when there is one.
int CaretOf(const TEdit* e) { return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition(); }

// Partners of each CLIP action digit: the other two actions on its output.
struct ClipPartners {
    int otherA;
    int otherB;
};
constexpr ClipPartners ClipExclusion[6] = {{2, 4}, {3, 5}, {0, 4}, {1, 5}, {0, 2}, {1, 3}};

// What each option box (bit of OptionFlags) governs. The "[h]" beside the
// report period stays enabled; disabled spin fields keep their values.
struct OptionRule {
    const char* box;
    std::array<const char*, 4> governed;
    std::array<const char*, 2> emptied;
};
constexpr OptionRule OptionRules[6] = {
    {"ChBFlags_0", {"Label43", "Label45", "EZalWy1", "EwylWy1"}, {"EZalWy1", "EwylWy1"}},
    {"ChBFlags_1", {"Label44", "Label46", "EZalWy2", "EwylWy2"}, {"EZalWy2", "EwylWy2"}},
    {"ChBFlags_2", {"Label24", "SEWy_offTimer1", "Label47"}, {}},
    {"ChBFlags_3", {"Label25", "SEWy_offTimer2", "Label48"}, {}},
    {"ChBFlags_4", {"SEtestokr"}, {}},
    {"ChBFlags_5", {"EPINMOD", "Label28"}, {"EPINMOD"}},
};

} // namespace

QChar TGlownaF::FilterNumberKey(const QString& Text, int CaretPos, QChar Key, QChar PlusSign, QChar MinusSign) {
    if (Key == Backspace || Key == Tab)
        return Key;
    if (Key >= u'0' && Key <= u'9')
        return Key;
    if (Key == u'+' || Key == u'-') {
        // A sign only at the start (the caret after one digit is let through
        // too) and only one sign in the whole number.
        const bool noSignYet = !Text.contains(PlusSign) && !Text.contains(MinusSign);
        const bool nearStart = CaretPos == 0 || CaretPos == 1;
        const bool allowed = Key == u'+' ? PlusSign != Forbidden : MinusSign != Forbidden;
        if (noSignYet && nearStart && allowed)
            return Key;
    }
    return Nul;
}

void TGlownaF::Enruser1KeyPress(TEdit* Sender, QChar& Key) {
    if (Key == Enter) {
        Key = Nul;
        Sender->FocusNext();
        return;
    }
    // A number pasted or loaded with blanks is started afresh.
    if (!Sender->text().isEmpty() && Sender->text().contains(Blank))
        Sender->clear();
    Key = FilterNumberKey(Sender->text(), CaretOf(Sender), Key, u'+', u'-');
}

void TGlownaF::EPinKeyPress(TEdit* Sender, QChar& Key) {
    if (Key == Enter) {
        Key = Nul;
        Sender->FocusNext();
        return;
    }
    auto* pin = Control<TEdit>(QStringLiteral("EPin"));
    Key = FilterNumberKey(pin->text(), CaretOf(pin), Key, Forbidden, Forbidden);
}

void TGlownaF::EZalWy1Exit(TEdit* Sender) {
    if (Sender->text().size() != 1)
        return;
    ShowWarningBox(this, QStringLiteral("Sms sterujący musi mieć formę dwóch znaków"));
    Sender->ReturnFocus();
}

void TGlownaF::EPinExit(TEdit* Sender) {
    const auto n = Sender->text().size();
    if (n < 1 || n > 3)
        return;
    ShowWarningBox(this, QStringLiteral("Kod pin musi mieć 4 znaki."));
    Sender->ReturnFocus();
}

// Each option box enables the controls it governs exactly while it is checked
// and, while unchecked, empties the code boxes that would otherwise go to the
// module with an option that is off.
void TGlownaF::ApplyOptionRule(int bit) {
    const OptionRule& rule = OptionRules[bit];
    const bool on = Control<QCheckBox>(QString::fromLatin1(rule.box))->isChecked();
    for (const char* name : rule.emptied)
        if (name && !on)
            Control<TEdit>(QString::fromLatin1(name))->clear();
    for (const char* name : rule.governed)
        if (name)
            Control<QWidget>(QString::fromLatin1(name))->setEnabled(on);
}

void TGlownaF::ChBFlags_0Click() { ApplyOptionRule(0); }
void TGlownaF::ChBFlags_1Click() { ApplyOptionRule(1); }
void TGlownaF::ChBFlags_2Click() { ApplyOptionRule(2); }
void TGlownaF::ChBFlags_3Click() { ApplyOptionRule(3); }
void TGlownaF::ChBFlags_4Click() { ApplyOptionRule(4); }
void TGlownaF::ChBFlags_5Click() { ApplyOptionRule(5); }

void TGlownaF::RunOutputOptionRules() {
    ChBFlags_0Click();
    ChBFlags_2Click();
    ChBFlags_1Click();
    ChBFlags_3Click();
}

void TGlownaF::UpdateClipExclusion(const QString& Prefix, const QString& Own, const QString& OtherA,
                                   const QString& OtherB) {
    for (const QString& other : {OtherA, OtherB}) {
        // The own box is read afresh: unchecking a partner runs its rule.
        const bool ownOn = Control<QCheckBox>(Prefix + Own)->isChecked();
        auto* partner = Control<QCheckBox>(Prefix + other);
        partner->setEnabled(!ownOn);
        if (!partner->isEnabled())
            partner->setChecked(false);
    }
}

void TGlownaF::ClipActionClick(const QString& prefix, int digit) {
    const ClipPartners& p = ClipExclusion[digit];
    UpdateClipExclusion(prefix, QString::number(digit), QString::number(p.otherA), QString::number(p.otherB));
}

void TGlownaF::WireEntryRules() {
    // Every rule runs behind the error boundary: nothing it raises may reach
    // Qt's event loop.
    auto guarded = [this](auto rule) {
        return [this, rule](auto&&... args) { RunGuarded(this, [&] { (this->*rule)(args...); }); };
    };

    // The phone key rule serves all four users' boxes: installers type
    // numbers into every one of them.
    for (int k = 1; k <= 4; ++k)
        Control<TEdit>(QStringLiteral("Enruser%1").arg(k))->SetKeyRule(guarded(&TGlownaF::Enruser1KeyPress));
    Control<TEdit>(QStringLiteral("EPin"))->SetKeyRule(guarded(&TGlownaF::EPinKeyPress));
    for (const char* name : {"EPin", "EPINMOD"})
        Control<TEdit>(QString::fromLatin1(name))->SetExitRule(guarded(&TGlownaF::EPinExit));
    for (const char* name : {"EZalWy1", "EwylWy1", "EZalWy2", "EwylWy2"})
        Control<TEdit>(QString::fromLatin1(name))->SetExitRule(guarded(&TGlownaF::EZalWy1Exit));

    void (TGlownaF::*const options[6])() = {&TGlownaF::ChBFlags_0Click, &TGlownaF::ChBFlags_1Click,
                                            &TGlownaF::ChBFlags_2Click, &TGlownaF::ChBFlags_3Click,
                                            &TGlownaF::ChBFlags_4Click, &TGlownaF::ChBFlags_5Click};
    // toggled: a click by the installer and a change made by the program
    // alike, also on a disabled box; setting the same state runs nothing.
    for (int bit = 0; bit < 6; ++bit)
        connect(Control<QCheckBox>(QStringLiteral("ChBFlags_%1").arg(bit)), &QCheckBox::toggled, this,
                [this, rule = options[bit]] { RunGuarded(this, [&] { (this->*rule)(); }); });
    for (const QString& prefix : {QStringLiteral("ChbClipVerif"), QStringLiteral("ChBClipNotVerif")})
        for (int digit = 0; digit < 6; ++digit)
            connect(Control<QCheckBox>(prefix + QString::number(digit)), &QCheckBox::toggled, this,
                    [this, prefix, digit] { RunGuarded(this, [&] { ClipActionClick(prefix, digit); }); });
}
