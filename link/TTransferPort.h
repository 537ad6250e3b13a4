#pragma once
// What the programming and reading transfers need of a serial port. The
// real one is TComPort; tests drive the transfers with a scripted fake.
// Every operation that fails throws VelotarError with the installer's text.

class QByteArray;
class QString;

class TTransferPort {
public:
    virtual ~TTransferPort() = default;

    // An equal name changes nothing; an open port given another name is
    // closed and opened again under it.
    virtual void SetPortName(const QString& name) = 0;
    // Does nothing when open; otherwise opens exclusively with the module's
    // line settings.
    virtual void Open() = 0;
    // Does nothing when closed; otherwise discards the driver's queues and closes.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Synchronous writes, bounded by 100 ms per byte plus 1000 ms.
    virtual void WriteText(const QByteArray& text) = 0;
    virtual void WriteBytes(const QByteArray& bytes) = 0;
};
