// The openings of the two reaction dialogs from the main window's buttons.

#include "ReactionOpeners.h"

#include <QCheckBox>
#include <QLatin1StringView>
#include <QLineEdit>
#include <QWidget>

#include <optional>

namespace {

// The groups of buttons on the main window, told apart by the parent's name.
const QLatin1StringView InputsBox("ScrollBox1");
const QLatin1StringView SpecialTab("TabSheet4");
const QLatin1StringView OutputConfirmations("GroupBox11");

const QLatin1StringView InputReactionStem("BB_ConfigNumerWe");
const QLatin1StringView SpecialReactionStem("BB_ConfigNumerSpecWe");
const QLatin1StringView InputNotifyStem("BBConfigWorkWe");
const QLatin1StringView SpecialNotifyStem("BBConfigWorkSpecWe");

// The special slots that the window shows: the tamper ("napadowe") input and
// the blocking ("uzbrajające") input; slots 1 and 2 are the two outputs.
constexpr int TamperSlot = 3;
constexpr int BlockingSlot = 5;

// The time boxes' captions, trailing blanks as they always were.
const QString DelayedReactionCaption = QStringLiteral(u"opóźniona reakcja wejścia      ");
const QString SirenCaption = QStringLiteral(u"załącz wyj. syreny     ");
const QString BlockingCaption = QStringLiteral(u"załącz wyj. blokady  ");

struct SlotReaction {
    int Slot = 0;     // n, from 1
    int Reaction = 0; // r, 1 or 2
};

int AsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}

// stem, one digit n, "Re", one digit r: nothing more, letter case as given.
std::optional<SlotReaction> ParseButtonName(const QString& name, QLatin1StringView stem,
                                            int slotCount) {
    if (name.size() != stem.size() + 4 || !name.startsWith(stem) ||
        name.mid(stem.size() + 1, 2) != u"Re")
        return std::nullopt;
    const int n = AsciiDigit(name.at(stem.size()));
    const int r = AsciiDigit(name.back());
    if (n < 1 || n > slotCount || r < 1 || r > ReactionCount)
        return std::nullopt;
    return SlotReaction{n, r};
}

// Every button wired to an opening is named by its pattern; one that is not
// would make the dialog edit some other input's byte, so it edits none.
std::optional<SlotReaction> SlotOf(const QWidget& button, QLatin1StringView stem, int slotCount) {
    const std::optional<SlotReaction> found = ParseButtonName(button.objectName(), stem, slotCount);
    Q_ASSERT_X(found.has_value(), "reaction button",
               "the button's name does not follow its pattern");
    return found;
}

QString ParentName(const QWidget& button) {
    const QWidget* parent = button.parentWidget();
    return parent ? parent->objectName() : QString();
}

Byte& At(Byte (&bytes)[][ReactionCount], SlotReaction at) {
    return bytes[at.Slot - 1][at.Reaction - 1];
}

// The caption of an opening from the tab "Wejścia specjalne": the arming
// (blocking) input and the tamper input each have their own; other slots
// keep the caption they had.
void SetSpecialInputTitle(QDialog& dialog, SlotReaction at, const QString& blocking,
                          const QString& tamper) {
    if (at.Slot == BlockingSlot)
        dialog.setWindowTitle(blocking.arg(at.Reaction));
    else if (at.Slot == TamperSlot)
        dialog.setWindowTitle(tamper.arg(at.Reaction));
}

template <class Dialog> bool ShowAndStore(Dialog& dialog, Byte* target) {
    if (!target)
        return false;
    // The dialog is reused: centre every opening over the main window again,
    // wherever the installer dragged the previous one.
    dialog.setAttribute(Qt::WA_Moved, false);
    // Each opening starts at the first control, as a fresh dialog does, so
    // Enter means OK even when "Anuluj" closed the previous opening.
    if (QWidget* focused = dialog.focusWidget())
        focused->clearFocus();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *target = dialog.EncodedByte();
    return true;
}

QString EditText(const QWidget& window, const QString& name) {
    const QList<QLineEdit*> edits = window.findChildren<QLineEdit*>();
    for (const QLineEdit* edit : edits)
        if (edit->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return edit->text();
    return {};
}

} // namespace

NotifyUsers CurrentNotifyUsers(const QWidget& mainWindow) {
    NotifyUsers users;
    for (int user = 0; user < UserCount; ++user) {
        const QString k = QString::number(user + 1);
        users[user] = {EditText(mainWindow, QStringLiteral("Eosoba") + k),
                       EditText(mainWindow, QStringLiteral("Enruser") + k)};
    }
    return users;
}

Byte* PrepareInputReaction(TFconfigNumberWeRe& dialog, const QWidget& button, TSettings& settings) {
    const std::optional<SlotReaction> at = SlotOf(button, InputReactionStem, InputCount);
    if (!at)
        return nullptr;
    Byte& b = At(settings.InputReaction, *at);
    dialog.setWindowTitle(
        QStringLiteral("konfig wejscia %1 reakcji %2").arg(at->Slot).arg(at->Reaction));
    dialog.ShowByte(b);
    dialog.ChBTimeOFFWy1->setVisible(true);
    dialog.ChBTimeOFFWy2->setVisible(true);
    if (ParentName(button) == InputsBox) {
        dialog.ChBTimeRaport->setVisible(true);
        dialog.ChBTimeRaport->setText(DelayedReactionCaption);
        dialog.ChBTimeOFFWy1->setText(SirenCaption);
        dialog.ChBTimeOFFWy2->setText(BlockingCaption);
    }
    return &b;
}

Byte* PrepareSpecialReaction(TFconfigNumberWeRe& dialog, const QWidget& button,
                             TSettings& settings) {
    const std::optional<SlotReaction> at = SlotOf(button, SpecialReactionStem, SpecialSlotCount);
    if (!at)
        return nullptr;
    Byte& b = At(settings.SpecialReaction, *at);
    dialog.ChBTimeOFFWy1->setVisible(true);
    dialog.ChBTimeOFFWy2->setVisible(true);
    if (ParentName(button) == SpecialTab)
        SetSpecialInputTitle(dialog, *at, QStringLiteral(u"wejście blokujące reakcja %1"),
                             QStringLiteral(u"wejście sabotażowe reakcja %1"));
    // The tamper input may sound the siren and switch the blocking output;
    // the arming input switches the outputs only. Neither has a delayed
    // reaction, yet the hidden boxes keep their bits: bit 0 of the arming
    // input's reaction 2 is the arming-time option of the main window.
    if (at->Slot == TamperSlot) {
        dialog.ChBTimeRaport->setVisible(false);
        dialog.ChBTimeOFFWy1->setText(SirenCaption);
        dialog.ChBTimeOFFWy2->setText(BlockingCaption);
    } else if (at->Slot == BlockingSlot) {
        for (QCheckBox* box : {dialog.ChBTimeRaport, dialog.ChBTimeOFFWy1, dialog.ChBTimeOFFWy2})
            box->setVisible(false);
    }
    dialog.ShowByte(b);
    return &b;
}

Byte* PrepareInputNotify(TFConfigWorkWeRe& dialog, const QWidget& button, const NotifyUsers& users,
                         TSettings& settings) {
    const std::optional<SlotReaction> at = SlotOf(button, InputNotifyStem, InputCount);
    if (!at)
        return nullptr;
    Byte& b = At(settings.InputNotify, *at);
    dialog.SetClipColumnVisible(true);
    dialog.ShowByte(b);
    dialog.PrepareUsers(users);
    dialog.setWindowTitle(
        QStringLiteral("Reakcje Wejscie:%1 Reakcja:%2").arg(at->Slot).arg(at->Reaction));
    return &b;
}

Byte* PrepareSpecialNotify(TFConfigWorkWeRe& dialog, const QWidget& button,
                           const NotifyUsers& users, TSettings& settings) {
    const std::optional<SlotReaction> at = SlotOf(button, SpecialNotifyStem, SpecialSlotCount);
    if (!at)
        return nullptr;
    Byte& b = At(settings.SpecialNotify, *at);
    const QString parent = ParentName(button);
    if (parent == SpecialTab)
        SetSpecialInputTitle(dialog, *at, QStringLiteral(u"Reakcja %1 Wejścia blokującego"),
                             QStringLiteral(u"Reakcja %1 Wejścia sabotażowego"));
    // An output's switching is confirmed by SMS only; the hidden CLIP boxes
    // still carry their bits through.
    const bool outputConfirmation = parent == OutputConfirmations;
    dialog.SetClipColumnVisible(!outputConfirmation);
    if (outputConfirmation && at->Slot <= OutputCount)
        dialog.setWindowTitle(
            QStringLiteral(u"Reakcja %1 wyjścia %2").arg(at->Reaction).arg(at->Slot));
    dialog.ShowByte(b);
    dialog.PrepareUsers(users);
    return &b;
}

bool EditInputReaction(TFconfigNumberWeRe& dialog, const QWidget& button, TSettings& settings) {
    return ShowAndStore(dialog, PrepareInputReaction(dialog, button, settings));
}

bool EditSpecialReaction(TFconfigNumberWeRe& dialog, const QWidget& button, TSettings& settings) {
    return ShowAndStore(dialog, PrepareSpecialReaction(dialog, button, settings));
}

bool EditInputNotify(TFConfigWorkWeRe& dialog, const QWidget& button, const NotifyUsers& users,
                     TSettings& settings) {
    return ShowAndStore(dialog, PrepareInputNotify(dialog, button, users, settings));
}

bool EditSpecialNotify(TFConfigWorkWeRe& dialog, const QWidget& button, const NotifyUsers& users,
                       TSettings& settings) {
    return ShowAndStore(dialog, PrepareSpecialNotify(dialog, button, users, settings));
}
