// The receive handler of the transfers: what each answer of the module does
// in each state.

#include "TTransferEngine.h"

#include "TComDataPacket.h"
#include "TTransferPort.h"

#include <exception>

namespace {
const QByteArray Ok = QByteArrayLiteral("OK*1");
const QByteArray Stop = QByteArrayLiteral("*1");
} // namespace

void TTransferEngine::ComDataPacket2CustomStop(const QByteArray& Str) {
    // Called from the serial port's receive event: nothing may escape into
    // Qt's event loop.
    try {
        if (!ProgrammingBranch(Str))
            ReadingBranch(Str);
    } catch (const std::exception& e) {
        EndWithFailure(QString::fromUtf8(e.what()));
    }
}

// True when the text was taken by programming.
bool TTransferEngine::ProgrammingBranch(const QByteArray& Str) {
    if (ProgramState == 1) {
        Log(QStringLiteral("Rozpoczęcie programowania."));
        ProgressLine = Log(QStringLiteral("postęp: "));
        ProgressMarks.clear();
        if (Str.contains(Ok)) {
            ProgramState = 2;
            FrameCount = 0;
            SendDataFrame(FirstFrameSize);
            return true;
        }
    }
    // An acknowledgement needs something before its "*1": a bare "*1" is
    // not one, even when another follows.
    if (ProgramState == 2 && Str.indexOf(Stop) > 0) {
        Timer1.stop();
        SendDataFrame(FrameSize); // a new 6-second period for this frame
        ++FrameCount;
        ProgressMarks += QStringLiteral("##");
        if (m_callbacks.ReplaceLogLine)
            m_callbacks.ReplaceLogLine(ProgressLine, QStringLiteral("Postęp: %1% %2")
                                                         .arg(FrameCount * 100 / 26)
                                                         .arg(ProgressMarks));
        if (ImageOffset > LastFrameLimit)
            ProgramState = 3;
        return true;
    }
    if (ProgramState == 3 && Str.contains(Ok)) {
        ProgramState = 0;
        Log(QStringLiteral("Programowanie zakończone pomyślnie."));
        SetBusy(false);
        // A read clicked during programming still needs its time-out.
        if (ReadState == 0)
            Timer1.stop();
        return true;
    }
    if (ProgramState == 3 && Str.contains(Stop)) {
        m_port.WriteText(QByteArrayLiteral("*5*1"));
        return true;
    }
    return false;
}

void TTransferEngine::ReadingBranch(const QByteArray& Str) {
    if (ReadState != 2)
        return;
    // Each chunk comes here once (the collector is discarded after it), so
    // an end whose "*" closed the previous chunk and whose "1" opens this
    // one is found here too; a module must not fail to be read because of
    // where the line happened to split its answer.
    const bool endSeen = Str.contains(Stop)
                         || (!ReceivedBytes.isEmpty() && ReceivedBytes.back() == '*' && Str.startsWith('1'));
    for (const char b : Str)
        AddReceivedByte(static_cast<Byte>(b));
    if (!endSeen) {
        m_packet.DiscardBuffer(); // the next call brings only newer bytes
        return;
    }

    if (ReceivedBytes.size() < ReadAnswerMinimum) {
        const qsizetype received = ReceivedBytes.size();
        ReceivedBytes.clear();
        ReadState = 0;
        Log(QStringLiteral("Niepełna odpowiedź modułu (%1 z co najmniej %2 bajtów): "
                           "ustawienia nie zostały zmienione.")
                .arg(received)
                .arg(ReadAnswerMinimum + Stop.size()));
        if (ProgramState == 0)
            Timer1.stop();
        return;
    }

    ReceivedBytesToImage();
    ReadState = 0;
    if (m_callbacks.ImageRead)
        m_callbacks.ImageRead();
    Log(QStringLiteral("zaladowane ustawienia z eprom"));
    // The module's memory is loaded as it came, but the installer must know
    // when its checksum does not hold.
    if (!ImageChecksumValid(m_image))
        Log(QStringLiteral("Uwaga: suma kontrolna danych z modułu się nie zgadza, dane mogą być uszkodzone."));
    // A programming run started during the read still needs its time-out.
    if (ProgramState == 0)
        Timer1.stop();
}
