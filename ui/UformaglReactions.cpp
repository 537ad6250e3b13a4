// The buttons of the tabs "Wejścia", "Wejścia specjalne" and "Wyjścia" that
// open the output-reaction and notification dialogs.

#include "Uformagl.h"

#include "GuardedAction.h"
#include "ReactionOpeners.h"
#include "UFconfigNumberWeRe.h"
#include "UfconfigWorkWeRe.h"

#include <QPushButton>

void TGlownaF::WireReactionButtons() {
    using Opener = void (TGlownaF::*)(QObject*);
    // The longer stems first: "BB_ConfigNumerSpecWe" also begins "BB_ConfigNumer".
    const std::pair<QString, Opener> stems[] = {
        {QStringLiteral("BB_ConfigNumerSpecWe"), &TGlownaF::BB_ConfigNumerSpecWe1Re1Click},
        {QStringLiteral("BB_ConfigNumerWe"), &TGlownaF::BB_ConfigNumerWe1Re1Click},
        {QStringLiteral("BBConfigWorkSpecWe"), &TGlownaF::BBConfigWorkSpecWe1Re1Click},
        {QStringLiteral("BBConfigWorkWe"), &TGlownaF::BBConfigWorkWe1Re1Click},
    };
    for (QPushButton* button : findChildren<QPushButton*>()) {
        for (const auto& [stem, opener] : stems) {
            if (!button->objectName().startsWith(stem))
                continue;
            connect(button, &QPushButton::clicked, this,
                    [this, button, opener = opener] { (this->*opener)(button); });
            break;
        }
    }
}

void TGlownaF::BB_ConfigNumerWe1Re1Click(QObject* Sender) {
    auto* button = qobject_cast<QWidget*>(Sender);
    if (button && FconfigNumberWeRe)
        RunGuarded(this, [&] { EditInputReaction(*FconfigNumberWeRe, *button, Settings); });
}

void TGlownaF::BB_ConfigNumerSpecWe1Re1Click(QObject* Sender) {
    auto* button = qobject_cast<QWidget*>(Sender);
    if (button && FconfigNumberWeRe)
        RunGuarded(this, [&] { EditSpecialReaction(*FconfigNumberWeRe, *button, Settings); });
}

void TGlownaF::BBConfigWorkWe1Re1Click(QObject* Sender) {
    auto* button = qobject_cast<QWidget*>(Sender);
    if (button && FConfigWorkWeRe)
        RunGuarded(this, [&] {
            EditInputNotify(*FConfigWorkWeRe, *button, CurrentNotifyUsers(*this), Settings);
        });
}

void TGlownaF::BBConfigWorkSpecWe1Re1Click(QObject* Sender) {
    auto* button = qobject_cast<QWidget*>(Sender);
    if (button && FConfigWorkWeRe)
        RunGuarded(this, [&] {
            EditSpecialNotify(*FConfigWorkWeRe, *button, CurrentNotifyUsers(*this), Settings);
        });
}
