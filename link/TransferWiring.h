#pragma once
// Joins a transfer engine to its collector and to the real serial port.

class TComDataPacket;
class TComPort;
class TTransferEngine;

// The collector's texts go to the engine's receive handler and its caught
// failures to ReceiveFailed; whatever feeds the collector (the port, or a
// test's scripted chunks) is joined separately.
void WireCollector(TTransferEngine& engine, TComDataPacket& packet);

// WireCollector, and also every chunk of the port to the collector and a
// lost line to LineLost.
void WireTransfer(TTransferEngine& engine, TComPort& port, TComDataPacket& packet);
