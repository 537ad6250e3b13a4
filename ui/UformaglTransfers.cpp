// The window's side of programming and reading the module: the click
// handlers, the receive handler and the time-out keep their names here and
// hand the work to the transfer engine, which holds the states.

#include "Uformagl.h"

#include "GuardedAction.h"
#include "TEdit.h"
#include "TTransferEngine.h"
#include "Udecl.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>

void TGlownaF::WireTransfersAndFiles() {
    connect(Bprogramuj, &QPushButton::clicked, this, [this] { BprogramujClick(); });
    connect(BBload, &QPushButton::clicked, this, [this] { BBloadClick(); });
    connect(Zapiszjako1, &QAction::triggered, this, [this] { Button1Click(); });
    connect(Odczytaj1, &QAction::triggered, this, [this] { Button2Click(); });
}

bool TGlownaF::CheckUserNumbers() {
    QStringList numbers;
    for (int k = 1; k <= UserCount; ++k)
        numbers << Control<TEdit>(QStringLiteral("Enruser%1").arg(k))->text();
    return TTransferEngine::CheckUserNumbers(numbers);
}

void TGlownaF::BprogramujClick() {
    if (!CheckUserNumbers()) {
        AddLogLine(QStringLiteral("numery użytkowników muszą mieć przynajmniej 3 znaki"));
        return;
    }
    RunGuarded(this, [this] {
        StoreSettings();
        SettingsToImage();
        // Busy cursor and buttons come first inside; a port that cannot be
        // opened gives them back before the error box shows.
        Transfer->StartProgramming(CBcom->currentText());
    });
}

void TGlownaF::BBloadClick() {
    RunGuarded(this, [this] { Transfer->StartReading(CBcom->currentText()); });
}

void TGlownaF::SendDataFrame(int size) {
    RunGuarded(this, [this, size] { Transfer->SendDataFrame(size); });
}

void TGlownaF::ComDataPacket2CustomStop(const QByteArray& Str) {
    Transfer->ComDataPacket2CustomStop(Str);
}

void TGlownaF::Timer1Timer() { Transfer->Timer1Timer(); }

void TGlownaF::AddReceivedByte(quint8 b) { Transfer->AddReceivedByte(b); }

void TGlownaF::ReceivedBytesToImage() {
    RunGuarded(this, [this] { Transfer->ReceivedBytesToImage(); });
}

void TGlownaF::SetTransferBusy(bool busy) {
    SetTransferButtonsEnabled(!busy);
    // One override cursor at most, however often the state is told.
    if (busy && !m_transferBusy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!busy && m_transferBusy)
        QApplication::restoreOverrideCursor();
    m_transferBusy = busy;
}
