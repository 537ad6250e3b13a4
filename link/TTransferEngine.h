#pragma once
// The programming and reading transfers: the state machines that write the
// configuration into the module frame by frame and read it back, with the
// 6-second time-out. The engine talks to a port interface and to the packet
// collector, and tells its owner (the main window, or a command-line tool)
// what to show through callbacks, so the same code runs behind the window,
// in tests against a scripted port, and against the module emulator.
//
// Nothing thrown inside the receive path leaves the engine: a failed write,
// a lost line or a short answer ends the transfer with a log line, idle
// buttons, a stopped timer and a port that the next click opens afresh.

#include "Udecl.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class TComDataPacket;
class TTransferPort;

// What the engine asks of its owner.
struct TTransferCallbacks {
    // TrimMessageLog, then add the line to the log; returns the new line's index.
    std::function<int(const QString& line)> AddLogLine;
    // Replace the log line at this index (the progress line).
    std::function<void(int index, const QString& line)> ReplaceLogLine;
    // true: busy cursor, "programuj" and "Odczyt ustawień." disabled;
    // false: default cursor, both buttons enabled.
    std::function<void(bool busy)> SetBusy;
    // The image now holds what the module sent: ImageToSettings, ShowSettings
    // and the rules of ChBFlags_0, _2, _1 and _3, in that order.
    std::function<void()> ImageRead;
};

class TTransferEngine final : public QObject {
    Q_OBJECT
public:
    static constexpr int Timer1IntervalMs = 6000;
    static constexpr int FirstFrameSize = 25;
    static constexpr int FrameSize = 45;
    static constexpr int LastFrameLimit = 1153;   // past it, the last frame has gone out
    static constexpr int ReadAnswerMinimum = 1701; // lead byte + 1700 image bytes
    static constexpr int ReadImageBytes = 1700;

    explicit TTransferEngine(TTransferPort& port, TComDataPacket& packet,
                             TDeviceImage& image = DeviceImage, QObject* parent = nullptr);

    void SetCallbacks(TTransferCallbacks callbacks) { m_callbacks = std::move(callbacks); }

    // True when each user number is empty or at least 3 characters long.
    static bool CheckUserNumbers(const QStringList& numbers);

    // The click on "programuj" after the window has checked the user numbers
    // and run StoreSettings and SettingsToImage: busy, open the port, send
    // "*2*1", state 1, start the timer. If opening or writing fails the
    // buttons and the cursor come back, nothing else changes, and the
    // VelotarError is rethrown for the window's error box.
    void StartProgramming(const QString& portName);
    // The click on "Odczyt ustawień.": close, name and open the port, send
    // "*3*1", state 2, start the timer. A port that cannot be opened leaves
    // the read state and the timer as they were; the error is rethrown.
    void StartReading(const QString& portName);

    // The receive handler: the programming branch, then the reading branch.
    void ComDataPacket2CustomStop(const QByteArray& Str);
    // The time-out: ends both transfers.
    void Timer1Timer();
    // "*0", size image bytes from ImageOffset, "*1"; advances ImageOffset,
    // writes the frame and starts the timer.
    void SendDataFrame(int size);
    void AddReceivedByte(Byte b);
    // Image bytes 0..1699 := received bytes 1..1700, the rest 0; empties the
    // store. Needs at least 1701 received bytes (throws otherwise).
    void ReceivedBytesToImage();

    // The port lost its line (connect TComPort::LineError here).
    void LineLost(const QString& message);
    // The collector caught a failure in the receive path.
    void ReceiveFailed(const QString& message);

    // Tests only: a shorter time-out than the module's 6 seconds.
    void SetTimer1IntervalForTests(int ms) { Timer1.setInterval(ms); }

    // The transfer states, as the window and the tests read them.
    int ProgramState = 0;   // 0 idle, 1 "*2*1" sent, 2 frames going out, 3 last frame sent
    int ImageOffset = 0;    // next image byte to send
    int FrameCount = 0;     // 45-byte frames sent
    QString ProgressMarks;  // "##" per 45-byte frame
    int ProgressLine = -1;  // log index of the progress line
    int ReadState = 0;      // 0 idle, 2 collecting the module's answer
    QByteArray ReceivedBytes;
    QTimer Timer1;

private:
    bool ProgrammingBranch(const QByteArray& Str);
    void ReadingBranch(const QByteArray& Str);
    void StartTimer1();
    void StartClean();
    void EndWithFailure(const QString& message);
    int Log(const QString& line);
    void SetBusy(bool busy);

    TTransferPort& m_port;
    TComDataPacket& m_packet;
    TDeviceImage& m_image;
    TTransferCallbacks m_callbacks;
};
