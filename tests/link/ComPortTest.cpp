// The serial port against the module emulator on a pseudo-terminal: line
// settings, writing and receiving through the collector, port names,
// exclusive open, a port that cannot be opened, and a line that dies.

#include "EmulatorProcess.h"
#include "PortLock.h"
#include "TComDataPacket.h"
#include "TComPort.h"
#include "VelotarError.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utime.h>

namespace {

using namespace std::chrono_literals;

// A port wired to a collector that records every text the handler sees.
struct Line {
    TComPort port;
    TComDataPacket packet;
    std::vector<QByteArray> seen;

    Line() {
        port.SetDataPacket(&packet);
        packet.SetOnCustomStop([this](const QByteArray& text) { seen.push_back(text); });
    }
    // Names the port and opens it, as a transfer does.
    void OpenOn(const QString& path) {
        port.SetPortName(path);
        port.Open();
    }
    bool WaitFor(const QByteArray& text, int ms = 2000) {
        return QTest::qWaitFor([&] { return std::count(seen.begin(), seen.end(), text) > 0; }, ms);
    }
};

std::string Message(const std::function<void()>& action) {
    try {
        action();
    } catch (const VelotarError& e) {
        return e.what();
    }
    return {};
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

TEST(ComPort, OpensWithTheModuleLineSettings) {
    EmulatorProcess emulator;
    ASSERT_FALSE(emulator.Path().isEmpty());
    Line line;
    line.OpenOn(emulator.Path());
    ASSERT_TRUE(line.port.IsOpen());

    // Another look at the same terminal shows what the port applied.
    const int fd = ::open(emulator.Path().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios t{};
    ASSERT_EQ(tcgetattr(fd, &t), 0);
    ::close(fd);
    EXPECT_EQ(cfgetospeed(&t), speed_t(B115200));
    EXPECT_EQ(cfgetispeed(&t), speed_t(B115200));
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u); // binary: every byte as it is
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

TEST(ComPort, CommandIsAnsweredThroughTheCollector) {
    EmulatorProcess emulator;
    Line line;
    line.OpenOn(emulator.Path());
    line.port.WriteText("*2*1");
    ASSERT_TRUE(line.WaitFor("OK*1"));
    EXPECT_TRUE(emulator.WaitForLine("rx *2*1"));
}

TEST(ComPort, AnswerInChunksReachesTheHandlerChunkByChunk) {
    EmulatorProcess emulator({"--chunk", "2", "--chunk-gap", "150"});
    Line line;
    line.OpenOn(emulator.Path());
    line.port.WriteText("*2*1");
    ASSERT_TRUE(line.WaitFor(""));
    EXPECT_EQ(line.seen, (std::vector<QByteArray>{"OK", "OK*1", ""}));
}

TEST(ComPort, SameNameKeepsThePortOtherNameReopens) {
    EmulatorProcess first;
    EmulatorProcess second;
    Line line;
    line.OpenOn(first.Path());

    // The answer waits in the driver's queue; reopening would discard it.
    line.port.WriteText("*2*1");
    ASSERT_TRUE(first.WaitForLine("rx *2*1"));
    std::this_thread::sleep_for(200ms);
    line.port.SetPortName(first.Path());
    EXPECT_TRUE(line.port.IsOpen());
    EXPECT_TRUE(line.WaitFor("OK*1")) << "an equal name must not reopen the port";

    line.port.SetPortName(second.Path());
    EXPECT_TRUE(line.port.IsOpen());
    EXPECT_EQ(line.port.PortName(), second.Path());
    line.seen.clear();
    line.port.WriteText("*3*1");
    EXPECT_TRUE(second.WaitForLine("rx *3*1"));
    EXPECT_FALSE(first.Lines().contains("rx *3*1"));

    // The first terminal is free again.
    TComPort other;
    other.SetPortName(first.Path());
    EXPECT_NO_THROW(other.Open());
}

TEST(ComPort, ClosedPortTakesANewNameWithoutOpening) {
    EmulatorProcess emulator;
    TComPort port;
    port.SetPortName(emulator.Path());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(Message([&] { port.WriteText("*2*1"); }).find(emulator.Path().toStdString()) != std::string::npos);
}

TEST(ComPort, MissingDeviceCannotBeOpened) {
    TComPort port;
    port.SetPortName("/dev/velotar-no-such-port");
    const std::string message = Message([&] { port.Open(); });
    EXPECT_EQ(message.rfind("Unable to open com port (error 2: ", 0), 0u) << message;
    EXPECT_FALSE(port.IsOpen());
}

TEST(ComPort, SecondOpenerIsRefusedEvenWhenQtLockLooksStale) {
    EmulatorProcess emulator;
    TComPort owner;
    owner.SetPortName(emulator.Path());
    owner.Open();

    // Qt counts its lock file as stale after 30 s even while we hold the
    // port; age it to prove the port stays ours all the same.
    const QString lockFile = "/run/lock/LCK.." + emulator.Path().mid(5).replace(u'/', u'_');
    if (QFileInfo::exists(lockFile)) {
        utimbuf old{::time(nullptr) - 3600, ::time(nullptr) - 3600};
        ::utime(lockFile.toLocal8Bit().constData(), &old);
    }
    TComPort intruder;
    intruder.SetPortName(emulator.Path());
    const std::string message = Message([&] { intruder.Open(); });
    EXPECT_EQ(message.rfind("Unable to open com port", 0), 0u) << message;
    EXPECT_FALSE(intruder.IsOpen());
    EXPECT_TRUE(owner.IsOpen());

    owner.Close();
    EXPECT_NO_THROW(intruder.Open());
}

// Without the terminal's exclusive mode (which root with full rights
// ignores), the device lock alone keeps a second taker out.
TEST(ComPort, DeviceLockRefusesASecondTaker) {
    EmulatorProcess emulator;
    PortLock first;
    PortLock second;
    ASSERT_EQ(first.Acquire(emulator.Path()), 0);
    EXPECT_EQ(second.Acquire(emulator.Path()), EBUSY);
    EXPECT_FALSE(second.Held());
    first.Release();
    EXPECT_EQ(second.Acquire(emulator.Path()), 0);
}

TEST(ComPort, LostLineIsReportedOnceLeavesNoBusyLoopAndOpensAgain) {
    auto emulator = std::make_unique<EmulatorProcess>(QStringList{"--silent"});
    Line line;
    QSignalSpy lost(&line.port, &TComPort::LineError);
    line.OpenOn(emulator->Path());
    line.port.WriteText("*2*1");
    ASSERT_TRUE(emulator->WaitForLine("rx *2*1"));

    emulator->Kill(); // the adapter is pulled out mid-exchange
    ASSERT_TRUE(lost.wait(2000));
    EXPECT_FALSE(line.port.IsOpen());
    EXPECT_FALSE(lost.first().first().toString().isEmpty());

    // Qt 6.4 would spin on the dead descriptor; we must sit idle.
    const double before = CpuSeconds();
    QTest::qWait(500);
    EXPECT_LT(CpuSeconds() - before, 0.25);
    EXPECT_EQ(lost.count(), 1);

    EmulatorProcess replacement;
    line.port.SetPortName(replacement.Path());
    ASSERT_NO_THROW(line.port.Open());
    line.port.WriteText("*2*1");
    EXPECT_TRUE(line.WaitFor("OK*1"));
}

} // namespace
