#pragma once
// Joins a transfer engine to the real serial port and its collector.

class TComDataPacket;
class TComPort;
class TTransferEngine;

// Every chunk of the port goes to the collector, the collector's texts to
// the engine's receive handler and its caught failures to ReceiveFailed, and
// a lost line to LineLost.
void WireTransfer(TTransferEngine& engine, TComPort& port, TComDataPacket& packet);
