// The transfers through the real serial layer against the module emulator
// on a pseudo-terminal: whole runs, and the faults a real line shows.

#include "EmulatorProcess.h"
#include "TComPort.h"
#include "TransferFixture.h"
#include "TransferWiring.h"
#include "VelotarError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TransferLine : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TComPort port;
    TComDataPacket packet;
    TDeviceImage image = SampleImage();
    TTransferEngine engine{port, packet, image};
    TransferRecorder shown;

    void SetUp() override {
        engine.SetCallbacks(shown.Callbacks());
        WireTransfer(engine, port, packet);
    }
    QString MemoryFile() const { return dir.filePath("memory.bin"); }
    bool WaitForLog(const QString& line, int ms = 5000) {
        return QTest::qWaitFor([&] { return shown.log.contains(line); }, ms);
    }
    bool WaitUntilIdle(int ms = 5000) {
        return QTest::qWaitFor([&] { return engine.ProgramState == 0 && engine.ReadState == 0; }, ms);
    }
    QByteArray Saved() const {
        QFile file(MemoryFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray Sent(int from, int count) const {
        return QByteArray(reinterpret_cast<const char*>(image.Bytes) + from, count);
    }
};

TEST_F(TransferLine, ProgrammingWritesTheImageIntoTheModule) {
    const QStringList chunkings[] = {{}, {"--chunk", "2", "--chunk-gap", "30"}, {"--chunk", "1", "--chunk-gap", "1"}};
    for (const QStringList& chunking : chunkings) {
        EmulatorProcess module(QStringList{"--save", MemoryFile()} + chunking);
        shown = {};
        engine.SetCallbacks(shown.Callbacks());
        engine.StartProgramming(module.Path());
        ASSERT_TRUE(WaitForLog("Programowanie zakończone pomyślnie.")) << chunking.join(' ').toStdString();
        EXPECT_EQ(shown.log[engine.ProgressLine], "Postęp: 100% " + QString(52, u'#'));
        EXPECT_EQ(Saved().left(1195), Sent(0, 1195));
        EXPECT_FALSE(engine.Timer1.isActive());
        EXPECT_EQ(shown.busy, (std::vector<bool>{true, false}));
    }
}

TEST_F(TransferLine, ReadShowsWhatTheModuleHolds) {
    TDeviceImage module = SampleImage();
    module.Bytes[1500] = 0x7E; // beyond what programming sends: only a read brings it
    QFile seed(MemoryFile());
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
    seed.write(reinterpret_cast<const char*>(module.Bytes), sizeof module.Bytes);
    seed.close();
    std::fill(std::begin(module.Bytes) + 1700, std::end(module.Bytes), 0);

    const QStringList chunkings[] = {{}, {"--chunk", "1", "--chunk-gap", "1"}};
    for (const QStringList& chunking : chunkings) {
        EmulatorProcess emulator(QStringList{"--load", MemoryFile()} + chunking);
        shown = {};
        engine.SetCallbacks(shown.Callbacks());
        std::memset(image.Bytes, 0xAA, sizeof image.Bytes);
        engine.StartReading(emulator.Path());
        ASSERT_TRUE(WaitForLog("zaladowane ustawienia z eprom")) << chunking.join(' ').toStdString();
        EXPECT_TRUE(SameBytes(image, module));
        EXPECT_EQ(shown.imageReads, 1);
    }
}

TEST_F(TransferLine, BareFinalAnswerIsAskedAgainWithStarFive) {
    EmulatorProcess module({"--bare", "frame27"});
    engine.StartProgramming(module.Path());
    ASSERT_TRUE(WaitForLog("Programowanie zakończone pomyślnie."));
    EXPECT_TRUE(module.WaitForLine("rx *5*1"));
}

TEST_F(TransferLine, SilentModuleEndsInTheTimeOut) {
    engine.SetTimer1IntervalForTests(300);
    const QString requests[] = {"program", "read"};
    for (const QString& request : requests) {
        EmulatorProcess module({"--silent"});
        shown = {};
        engine.SetCallbacks(shown.Callbacks());
        if (request == "program")
            engine.StartProgramming(module.Path());
        else
            engine.StartReading(module.Path());
        ASSERT_TRUE(WaitForLog("Brak oprowiedzi z modułu.")) << request.toStdString();
        EXPECT_EQ(engine.ProgramState, 0);
        EXPECT_EQ(engine.ReadState, 0);
        EXPECT_EQ(shown.imageReads, 0);
        EXPECT_TRUE(shown.busy.empty() || !shown.busy.back());
    }
}

TEST_F(TransferLine, LineLostMidTransferEndsItAndTheNextRunWorks) {
    const struct {
        const char* step;
        bool reading;
        const char* prefix;
    } cases[] = {{"frame5", false, "Programowanie przerwane: "}, {"read", true, "Odczyt przerwany: "}};
    for (const auto& c : cases) {
        EmulatorProcess dying({"--hangup", c.step});
        shown = {};
        engine.SetCallbacks(shown.Callbacks());
        if (c.reading)
            engine.StartReading(dying.Path());
        else
            engine.StartProgramming(dying.Path());
        ASSERT_TRUE(WaitUntilIdle()) << c.step;
        ASSERT_FALSE(shown.log.isEmpty());
        EXPECT_TRUE(shown.log.last().startsWith(QString::fromUtf8(c.prefix))) << shown.log.last().toStdString();
        EXPECT_FALSE(engine.Timer1.isActive());
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(shown.imageReads, 0);
    }
    EmulatorProcess healthy;
    engine.StartProgramming(healthy.Path());
    EXPECT_TRUE(WaitForLog("Programowanie zakończone pomyślnie."));
}

TEST_F(TransferLine, ShortReadAnswerLeavesTheImage) {
    EmulatorProcess module({"--short-read", "600"});
    const TDeviceImage before = image;
    engine.StartReading(module.Path());
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_TRUE(shown.log.last().startsWith("Niepełna odpowiedź modułu")) << shown.log.last().toStdString();
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_EQ(shown.imageReads, 0);
}

TEST_F(TransferLine, SecondReadClickDuringAReadStillReadsOnce) {
    EmulatorProcess module({"--late", "read:300"});
    engine.StartReading(module.Path());
    ASSERT_TRUE(module.WaitForLine("rx *3*1"));
    engine.StartReading(module.Path());
    ASSERT_TRUE(WaitForLog("zaladowane ustawienia z eprom"));
    TSettings factory{};
    SetDefaultSettings(factory);
    TDeviceImage expected{};
    SettingsToImage(factory, expected); // what a fresh emulator holds
    EXPECT_TRUE(SameBytes(image, expected));
    QTest::qWait(400); // the answer to the second request comes too
    EXPECT_EQ(shown.imageReads, 1);
    EXPECT_EQ(engine.ReadState, 0);
}

TEST_F(TransferLine, PortThatCannotBeOpenedGivesTheButtonsBack) {
    EXPECT_THROW(engine.StartProgramming("/dev/velotar-no-such-port"), VelotarError);
    EXPECT_EQ(shown.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(engine.ProgramState, 0);
    EXPECT_FALSE(engine.Timer1.isActive());
    EXPECT_THROW(engine.StartReading("/dev/velotar-no-such-port"), VelotarError);
    EXPECT_EQ(engine.ReadState, 0);
}

} // namespace
