// Starting the transfers, the time-out and how a failed transfer ends.

#include "TTransferEngine.h"

#include "TComDataPacket.h"
#include "TTransferPort.h"
#include "VelotarError.h"

TTransferEngine::TTransferEngine(TTransferPort& port, TComDataPacket& packet, TDeviceImage& image,
                                 QObject* parent)
    : QObject(parent), m_port(port), m_packet(packet), m_image(image) {
    Timer1.setInterval(Timer1IntervalMs);
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TTransferEngine::Timer1Timer);
}

bool TTransferEngine::CheckUserNumbers(const QStringList& numbers) {
    bool valid = true;
    for (const QString& number : numbers)
        if (!number.isEmpty() && number.size() < 3)
            valid = false;
    return valid;
}

void TTransferEngine::StartProgramming(const QString& portName) {
    SetBusy(true);
    try {
        m_port.SetPortName(portName);
        m_port.Open();
        StartClean();
        ImageOffset = 0;
        m_port.WriteText(QByteArrayLiteral("*2*1"));
    } catch (const VelotarError&) {
        // No time-out runs yet, so nothing else would give the installer
        // the buttons back.
        SetBusy(false);
        throw;
    }
    ProgramState = 1;
    StartTimer1();
}

void TTransferEngine::StartReading(const QString& portName) {
    m_port.Close(); // every read starts on a freshly opened port with empty queues
    m_port.SetPortName(portName);
    m_port.Open();
    StartClean();
    ReadState = 2;
    try {
        m_port.WriteText(QByteArrayLiteral("*3*1"));
    } catch (const VelotarError&) {
        ReadState = 0; // the module never got the request: nothing to wait for
        if (ProgramState == 0)
            Timer1.stop();
        throw;
    }
    StartTimer1();
}

// Text left from an earlier exchange (a partial answer at a time-out, the
// tail behind a read answer) must never shift the next answer.
void TTransferEngine::StartClean() {
    m_packet.DiscardBuffer();
    ReceivedBytes.clear();
}

void TTransferEngine::StartTimer1() {
    if (!Timer1.isActive()) // a running period is not restarted
        Timer1.start();
}

void TTransferEngine::Timer1Timer() {
    Log(QStringLiteral("Brak oprowiedzi z modułu."));
    Timer1.stop();
    ProgramState = 0;
    ReadState = 0;
    SetBusy(false);
}

void TTransferEngine::SendDataFrame(int size) {
    QByteArray frame = QByteArrayLiteral("*0");
    frame.append(reinterpret_cast<const char*>(m_image.Bytes) + ImageOffset, size);
    frame.append("*1");
    ImageOffset += size;
    m_port.WriteBytes(frame);
    StartTimer1();
}

void TTransferEngine::AddReceivedByte(Byte b) {
    ReceivedBytes.append(static_cast<char>(b));
}

void TTransferEngine::ReceivedBytesToImage() {
    if (ReceivedBytes.size() < ReadAnswerMinimum)
        throw VelotarError("Za mało danych z modułu, by odtworzyć ustawienia.");
    ClearDeviceImage(m_image);
    std::copy_n(ReceivedBytes.constBegin() + 1, ReadImageBytes, m_image.Bytes);
    ReceivedBytes.clear();
}

void TTransferEngine::LineLost(const QString& message) {
    EndWithFailure(message);
}

void TTransferEngine::ReceiveFailed(const QString& message) {
    EndWithFailure(message);
}

void TTransferEngine::EndWithFailure(const QString& message) {
    QString line = message;
    if (ProgramState != 0)
        line = QStringLiteral("Programowanie przerwane: ") + message;
    else if (ReadState != 0)
        line = QStringLiteral("Odczyt przerwany: ") + message;
    const bool wasRunning = ProgramState != 0 || ReadState != 0;
    ProgramState = 0;
    ReadState = 0;
    Timer1.stop();
    // The port may still be open after a failed write; closing it lets the
    // next click start on a fresh line.
    m_port.Close();
    Log(line);
    if (wasRunning)
        SetBusy(false);
}

int TTransferEngine::Log(const QString& line) {
    return m_callbacks.AddLogLine ? m_callbacks.AddLogLine(line) : -1;
}

void TTransferEngine::SetBusy(bool busy) {
    if (m_callbacks.SetBusy)
        m_callbacks.SetBusy(busy);
}
