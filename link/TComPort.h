#pragma once
// The one serial port to the module: a thin class over QSerialPort with the
// module's fixed line settings (115200 baud, 8N1, no flow control, DTR and
// RTS inactive), exclusive open, bounded synchronous writes, and every
// received chunk handed to the packet collector.
//
// Any error QSerialPort reports while the port is open counts as the loss of
// the line: the port is closed at once and LineError is emitted once. Qt 6.4
// as Debian ships it never reports a vanished adapter or a closed
// pseudo-terminal as ResourceError; it repeats ReadError at full CPU and
// still calls the port open, so waiting for a "real" error would hang the
// window.

#include "PortLock.h"
#include "TTransferPort.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

class TComDataPacket;

class TComPort final : public QObject, public TTransferPort {
    Q_OBJECT
public:
    static constexpr int WriteTimeoutPerByteMs = 100;
    static constexpr int WriteTimeoutConstantMs = 1000;

    explicit TComPort(QObject* parent = nullptr);
    ~TComPort() override;

    void SetPortName(const QString& name) override;
    QString PortName() const { return m_portName; }
    void Open() override;
    void Close() override;
    bool IsOpen() const override;
    void WriteText(const QByteArray& text) override;
    void WriteBytes(const QByteArray& bytes) override;

    // Every received chunk goes to this collector (none: chunks are dropped).
    void SetDataPacket(TComDataPacket* packet) { m_dataPacket = packet; }

signals:
    // The line failed while open (adapter unplugged, pseudo-terminal closed);
    // the port is already closed when this arrives. Once per failure.
    void LineError(const QString& message);

private:
    void Configure();
    void ReceiveWaiting();
    void OnErrorOccurred(QSerialPort::SerialPortError error);
    void FailLine(const QString& reason);

    QSerialPort m_serial;
    PortLock m_lock;
    QString m_portName;
    TComDataPacket* m_dataPacket = nullptr;
    bool m_opening = false;       // errors of the set-up steps are handled there
    bool m_writing = false;       // inside a synchronous write
    bool m_receivePending = false; // bytes arrived during a write
    QString m_writeFailure;       // an error reported during the write
};
