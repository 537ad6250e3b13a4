// The window's creation step and the message log.

#include "Uformagl.h"

#include "GuardedAction.h"
#include "PortTools.h"
#include "TComDataPacket.h"
#include "TComPort.h"
#include "TTransferEngine.h"
#include "Udecl.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int LogLines = 7;
}

void TGlownaF::FormCreate() {
    CBcom->clear();
    QStringList ports;
    ListComPorts(ports);
    CBcom->addItems(ports);
    CBcom->setCurrentIndex(ports.isEmpty() ? -1 : 0);
    if (ports.isEmpty())
        CBcom->setEditText({});

    LoadSmsCentrePresets();
    CBcentrumChange();
    connect(Control<QComboBox>(QStringLiteral("CBcentrum")), &QComboBox::activated, this,
            [this] { RunGuarded(this, [this] { CBcentrumChange(); }); });

    // The port object exists from here on; nothing opens it before a transfer.
    ComPort = new TComPort(this);
    ComPort->setObjectName(QStringLiteral("ComPort"));

    SetDefaultSettings();
    ShowSettings();
    ShowUserNotes();
    RunOutputOptionRules();

    // The collector, the transfer states, the time-out and the empty
    // received-byte store.
    CreateSerialObjects();
}

void TGlownaF::CreateSerialObjects() {
    // The line settings are fixed inside TComPort; the collector cuts the
    // module's answers after each "*1".
    m_dataPacket = std::make_unique<TComDataPacket>();
    DataPacket = m_dataPacket.get();
    DataPacket->SetStopString(QByteArrayLiteral("*1"));
    DataPacket->SetMaxBufferLength(1024);
    ComPort->SetDataPacket(DataPacket);

    Transfer = new TTransferEngine(*ComPort, *DataPacket, DeviceImage, this);
    Transfer->setObjectName(QStringLiteral("Transfer"));
    Timer1 = &Transfer->Timer1;
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Transfer->SetCallbacks({
        [this](const QString& line) { return AddLogLine(line); },
        [this](int index, const QString& line) { ReplaceLogLine(index, line); },
        [this](bool busy) { SetTransferBusy(busy); },
        [this] {
            ImageToSettings();
            ShowSettings();
            RunOutputOptionRules();
        },
    });
    DataPacket->SetOnCustomStop([this](const QByteArray& Str) { ComDataPacket2CustomStop(Str); });
    DataPacket->SetOnError([this](const QString& message) { Transfer->ReceiveFailed(message); });
    connect(ComPort, &TComPort::LineError, Transfer, &TTransferEngine::LineLost);
}

void TGlownaF::TrimMessageLog() {
    if (ListBox1->count() >= LogLines)
        delete ListBox1->takeItem(0);
}

int TGlownaF::AddLogLine(const QString& line) {
    TrimMessageLog();
    ListBox1->addItem(line);
    ListBox1->scrollToBottom();
    return ListBox1->count() - 1;
}

void TGlownaF::ReplaceLogLine(int index, const QString& line) {
    if (QListWidgetItem* item = ListBox1->item(index))
        item->setText(line);
}

void TGlownaF::SetTransferButtonsEnabled(bool enabled) {
    Bprogramuj->setEnabled(enabled);
    BBload->setEnabled(enabled);
}
