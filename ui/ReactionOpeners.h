#pragma once
// What the main window's reaction and notification buttons do when clicked:
// find the input or special slot and the reaction in the button's name, set
// the dialog up for it, show it modally and, on OK, write the edited byte
// into the settings. The window's handlers BB_ConfigNumerWe1Re1Click,
// BB_ConfigNumerSpecWe1Re1Click, BBConfigWorkWe1Re1Click and
// BBConfigWorkSpecWe1Re1Click pass the clicked button on to these.
//
// Buttons are named BB_ConfigNumerWe{n}Re{r}, BB_ConfigNumerSpecWe{n}Re{r},
// BBConfigWorkWe{n}Re{r} and BBConfigWorkSpecWe{n}Re{r} (n 1..8 for inputs,
// 1..6 for special slots, r 1..2); their groups are told apart by the exact
// object name of the button's direct parent: "ScrollBox1" (tab "Wejścia"),
// "TabSheet4" (tab "Wejścia specjalne"), "GroupBox11" (output confirmations).
// A name off its pattern is a fault of the window: it asserts in debug builds
// and otherwise changes nothing (no dialog, no write).

#include "Udecl.h"
#include "UFconfigNumberWeRe.h"
#include "UfconfigWorkWeRe.h"

class QWidget;

// The users as the main window shows them now: the texts of its line edits
// Eosoba{k} and Enruser{k} (found among its descendants, letter case
// ignored), so names and numbers typed but not yet saved already count. A
// missing edit counts as empty.
NotifyUsers CurrentNotifyUsers(const QWidget& mainWindow);

// Set-up only, no showing: return the byte that OK is to replace, or null
// when the button's name is off its pattern (the dialog is then untouched).
Byte* PrepareInputReaction(TFconfigNumberWeRe& dialog, const QWidget& button, TSettings& settings);
Byte* PrepareSpecialReaction(TFconfigNumberWeRe& dialog, const QWidget& button,
                             TSettings& settings);
Byte* PrepareInputNotify(TFConfigWorkWeRe& dialog, const QWidget& button, const NotifyUsers& users,
                         TSettings& settings);
Byte* PrepareSpecialNotify(TFConfigWorkWeRe& dialog, const QWidget& button,
                           const NotifyUsers& users, TSettings& settings);

// The whole opening: set-up, modal showing centred over the dialog's parent,
// and on OK the write. True when a byte was written (OK); false after Cancel,
// "Anuluj", the close box or a name off its pattern.
bool EditInputReaction(TFconfigNumberWeRe& dialog, const QWidget& button, TSettings& settings);
bool EditSpecialReaction(TFconfigNumberWeRe& dialog, const QWidget& button, TSettings& settings);
bool EditInputNotify(TFConfigWorkWeRe& dialog, const QWidget& button, const NotifyUsers& users,
                     TSettings& settings);
bool EditSpecialNotify(TFConfigWorkWeRe& dialog, const QWidget& button, const NotifyUsers& users,
                       TSettings& settings);
