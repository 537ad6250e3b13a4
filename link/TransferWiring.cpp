// Wiring of engine, port and collector.

#include "TransferWiring.h"

#include "TComDataPacket.h"
#include "TComPort.h"
#include "TTransferEngine.h"

void WireCollector(TTransferEngine& engine, TComDataPacket& packet) {
    packet.SetOnCustomStop([&engine](const QByteArray& Str) { engine.ComDataPacket2CustomStop(Str); });
    packet.SetOnError([&engine](const QString& message) { engine.ReceiveFailed(message); });
}

void WireTransfer(TTransferEngine& engine, TComPort& port, TComDataPacket& packet) {
    port.SetDataPacket(&packet);
    WireCollector(engine, packet);
    QObject::connect(&port, &TComPort::LineError, &engine, &TTransferEngine::LineLost);
}
