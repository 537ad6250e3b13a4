// The serial port to the module over QSerialPort.

#include "TComPort.h"

#include "PortMessages.h"
#include "TComDataPacket.h"
#include "VelotarError.h"

#include <QDeadlineTimer>

#include <cerrno>

namespace {

// QSerialPort takes a bare name ("ttyUSB0") as a device under /dev; the
// lock must look at the same device.
QString DevicePath(const QString& name) {
    if (name.startsWith(u'/') || name.startsWith(u"./") || name.startsWith(u"../"))
        return name;
    return QStringLiteral("/dev/") + name;
}

// The system error behind a failed QSerialPort::open when errno was lost.
int ErrorCodeOf(QSerialPort::SerialPortError error, int savedErrno) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    case QSerialPort::PermissionError:
        // QSerialPort says "permission" also when its lock file is taken.
        return savedErrno == EACCES || savedErrno == EPERM ? savedErrno : EBUSY;
    default:
        return savedErrno != 0 ? savedErrno : EIO;
    }
}

[[noreturn]] void Raise(const QString& message) {
    throw VelotarError(message.toStdString());
}

} // namespace

TComPort::TComPort(QObject* parent) : QObject(parent) {
    connect(&m_serial, &QSerialPort::readyRead, this, &TComPort::ReceiveWaiting);
    connect(&m_serial, &QSerialPort::errorOccurred, this, &TComPort::OnErrorOccurred);
}

TComPort::~TComPort() {
    Close();
}

void TComPort::SetPortName(const QString& name) {
    if (name == m_portName)
        return;
    const bool wasOpen = IsOpen();
    Close();
    m_portName = name;
    if (wasOpen)
        Open();
}

bool TComPort::IsOpen() const {
    return m_serial.isOpen();
}

void TComPort::Configure() {
    m_serial.setBaudRate(QSerialPort::Baud115200);
    m_serial.setDataBits(QSerialPort::Data8);
    m_serial.setParity(QSerialPort::NoParity);
    m_serial.setStopBits(QSerialPort::OneStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
}

void TComPort::Open() {
    if (IsOpen())
        return;
    const QString path = DevicePath(m_portName);
    if (const int error = m_lock.Acquire(path); error != 0)
        Raise(OpenFailureMessage(m_portName, error, DeviceGroup(path)));

    m_opening = true;
    m_serial.clearError();
    m_serial.setPortName(path);
    Configure();
    errno = 0;
    const bool opened = m_serial.open(QIODevice::ReadWrite);
    const int savedErrno = errno;
    if (!opened) {
        m_opening = false;
        m_lock.Release();
        Raise(OpenFailureMessage(m_portName, ErrorCodeOf(m_serial.error(), savedErrno), DeviceGroup(path)));
    }
    // The module takes no handshake: both lines stay inactive. A
    // pseudo-terminal has no modem lines and refuses; that is no fault.
    m_serial.setDataTerminalReady(false);
    m_serial.setRequestToSend(false);
    m_serial.clearError();
    m_opening = false;
}

void TComPort::Close() {
    m_receivePending = false;
    if (IsOpen()) {
        m_opening = true; // a failing flush on a dead line is no news
        m_serial.clear(QSerialPort::AllDirections);
        m_serial.close();
        m_opening = false;
    }
    m_lock.Release();
}

void TComPort::WriteText(const QByteArray& text) {
    WriteBytes(text);
}

void TComPort::WriteBytes(const QByteArray& bytes) {
    if (!IsOpen())
        Raise(QStringLiteral("Port %1 nie jest otwarty, nie można wysłać danych do modułu.").arg(m_portName));

    m_writing = true;
    m_writeFailure.clear();
    QDeadlineTimer deadline(WriteTimeoutPerByteMs * bytes.size() + WriteTimeoutConstantMs);
    bool written = m_serial.write(bytes) == bytes.size();
    while (written && m_writeFailure.isEmpty() && m_serial.bytesToWrite() > 0) {
        if (deadline.hasExpired() || !m_serial.waitForBytesWritten(int(deadline.remainingTime())))
            written = false;
    }
    m_writing = false;

    if (!written || !m_writeFailure.isEmpty()) {
        const QString reason = !m_writeFailure.isEmpty() ? m_writeFailure
                               : deadline.hasExpired()   ? QStringLiteral("przekroczony czas zapisu")
                                                         : m_serial.errorString();
        Close(); // the next transfer opens the port afresh
        Raise(QStringLiteral("Nie udało się wysłać danych do modułu przez port %1 (%2).")
                  .arg(m_portName, reason));
    }
    // Bytes that arrived while we waited are handed on from the event loop,
    // after the caller has finished what the write was part of.
    if (m_receivePending) {
        m_receivePending = false;
        QMetaObject::invokeMethod(this, &TComPort::ReceiveWaiting, Qt::QueuedConnection);
    }
}

void TComPort::ReceiveWaiting() {
    if (m_writing) {
        m_receivePending = true;
        return;
    }
    if (!IsOpen())
        return;
    const QByteArray chunk = m_serial.readAll();
    if (!chunk.isEmpty() && m_dataPacket)
        m_dataPacket->AddChunk(chunk);
}

void TComPort::OnErrorOccurred(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || m_opening)
        return;
    if (m_writing) {
        if (m_writeFailure.isEmpty())
            m_writeFailure = m_serial.errorString();
        return;
    }
    if (IsOpen())
        FailLine(m_serial.errorString());
}

void TComPort::FailLine(const QString& reason) {
    m_opening = true;
    m_serial.close();
    m_opening = false;
    m_lock.Release();
    m_receivePending = false;
    emit LineError(QStringLiteral("Połączenie z modułem przez port %1 zostało przerwane (%2). "
                                  "Sprawdź przewód i zasilanie modułu.")
                       .arg(m_portName, reason));
}
