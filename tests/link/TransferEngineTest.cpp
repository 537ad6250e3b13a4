// The transfer state machines against a scripted port: every step of
// programming and reading, the time-out, and how failures end a transfer.

#include "FakePort.h"
#include "TransferFixture.h"
#include "TransferWiring.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class Transfer : public ::testing::Test {
protected:
    FakePort port;
    TComDataPacket packet;
    TDeviceImage image = SampleImage();
    TTransferEngine engine{port, packet, image};
    TransferRecorder shown;

    void SetUp() override {
        engine.SetCallbacks(shown.Callbacks());
        WireCollector(engine, packet);
    }
    void Feed(const QByteArray& chunk) { ASSERT_NO_THROW(packet.AddChunk(chunk)); }
    QByteArray Frame(int from, int size) const {
        return "*0" + QByteArray(reinterpret_cast<const char*>(image.Bytes) + from, size) + "*1";
    }
    // Programming started and the start acknowledged: frame 1 is out.
    void ToDataPhase() {
        engine.StartProgramming("COM9");
        Feed("OK*1");
    }
    void ExpectIdle() {
        EXPECT_EQ(engine.ProgramState, 0);
        EXPECT_EQ(engine.ReadState, 0);
        EXPECT_FALSE(engine.Timer1.isActive());
        ASSERT_FALSE(shown.busy.empty());
        EXPECT_FALSE(shown.busy.back());
    }
};

TEST_F(Transfer, ProgrammingSendsTwentySevenFramesWithProgressAndSuccess) {
    engine.StartProgramming("COM9");
    EXPECT_EQ(port.name, "COM9");
    EXPECT_TRUE(port.open);
    EXPECT_EQ(port.writes, QList<QByteArray>{"*2*1"});
    EXPECT_EQ(engine.ProgramState, 1);
    EXPECT_TRUE(engine.Timer1.isActive());
    EXPECT_EQ(shown.busy, std::vector<bool>{true});

    Feed("OK*1");
    EXPECT_EQ(shown.log, (QStringList{"Rozpoczęcie programowania.", "postęp: "}));
    EXPECT_EQ(engine.ProgressLine, 1);
    EXPECT_EQ(engine.ProgramState, 2);
    EXPECT_EQ(port.writes.last(), Frame(0, 25));

    for (int k = 2; k <= 27; ++k) {
        Feed("OK*1");
        ASSERT_EQ(port.writes.size(), k + 1);
        EXPECT_EQ(port.writes.last(), Frame(25 + 45 * (k - 2), 45)) << "frame " << k;
        EXPECT_EQ(engine.FrameCount, k - 1);
        EXPECT_EQ(shown.log[1], QStringLiteral("Postęp: %1% ").arg((k - 1) * 100 / 26)
                                    + QString(2 * (k - 1), u'#'));
        EXPECT_EQ(engine.ProgramState, k == 27 ? 3 : 2);
    }
    EXPECT_EQ(engine.ImageOffset, 1195);
    EXPECT_EQ(shown.log[1], "Postęp: 100% " + QString(52, u'#'));

    Feed("OK*1");
    EXPECT_EQ(shown.log.last(), "Programowanie zakończone pomyślnie.");
    EXPECT_EQ(shown.log.size(), 3);
    EXPECT_EQ(port.writes.size(), 28);
    ExpectIdle();
    EXPECT_TRUE(port.open) << "the port stays open after a transfer";
}

TEST_F(Transfer, DataFrameAnswerNeedsTextBeforeItsStop) {
    const struct {
        QByteArray answer;
        bool accepted;
    } cases[] = {{"OK*1", true}, {"X*1", true}, {"*1", false}, {"*1OK*1", false}, {"OK", false}, {"", false}};
    for (const auto& c : cases) {
        ToDataPhase();
        port.writes.clear();
        engine.ComDataPacket2CustomStop(c.answer);
        EXPECT_EQ(port.writes.size(), c.accepted ? 1 : 0) << c.answer.constData();
    }
}

TEST_F(Transfer, StartAnswerInTwoChunksLogsTwiceAndKeepsTheSecondProgressLine) {
    engine.StartProgramming("COM9");
    Feed("OK");
    Feed("*1");
    EXPECT_EQ(shown.log, (QStringList{"Rozpoczęcie programowania.", "postęp: ",
                                      "Rozpoczęcie programowania.", "postęp: "}));
    EXPECT_EQ(engine.ProgressLine, 3);
    EXPECT_EQ(port.writes.size(), 2); // "*2*1" and frame 1, once
}

TEST_F(Transfer, StartAnsweredWithoutOkWaitsForTheTimeOut) {
    engine.StartProgramming("COM9");
    Feed("*1");
    EXPECT_EQ(shown.log.size(), 4); // for "*1" and for the empty rest after the cut
    EXPECT_EQ(engine.ProgramState, 1);
    EXPECT_EQ(port.writes.size(), 1);

    engine.Timer1Timer();
    EXPECT_EQ(shown.log.last(), "Brak oprowiedzi z modułu.");
    ExpectIdle();
    EXPECT_TRUE(port.open) << "a time-out does not close the port";
}

TEST_F(Transfer, FinalStopWithoutOkAsksAgainWithStarFive) {
    ToDataPhase();
    for (int k = 2; k <= 27; ++k)
        Feed("OK*1");
    ASSERT_EQ(engine.ProgramState, 3);
    Feed("*1");
    Feed("xx*1");
    EXPECT_EQ(port.writes.mid(28), (QList<QByteArray>{"*5*1", "*5*1"}));
    EXPECT_EQ(engine.ProgramState, 3);
    Feed("OK*1");
    EXPECT_EQ(shown.log.last(), "Programowanie zakończone pomyślnie.");
    ExpectIdle();
}

TEST_F(Transfer, TimerRunsFromStartCommandUntilFrameOneIsAnswered) {
    engine.StartProgramming("COM9");
    QTest::qWait(120);
    Feed("OK*1"); // frame 1 goes out within the period of "*2*1"
    EXPECT_LT(engine.Timer1.remainingTime(), 6000 - 100);
    Feed("OK*1"); // frame 2 starts a period of its own
    EXPECT_GT(engine.Timer1.remainingTime(), 6000 - 100);
}

TEST_F(Transfer, TimeOutInDataPhaseThenNewClickStartsAgainFromZero) {
    ToDataPhase();
    Feed("OK*1");
    engine.Timer1Timer();
    ExpectIdle();
    port.writes.clear();
    ToDataPhase();
    EXPECT_EQ(port.writes, (QList<QByteArray>{"*2*1", Frame(0, 25)}));
}

TEST_F(Transfer, PortThatCannotBeOpenedGivesTheButtonsBack) {
    port.failOpen = true;
    EXPECT_THROW(engine.StartProgramming("COM9"), VelotarError);
    EXPECT_EQ(shown.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(engine.ProgramState, 0);
    EXPECT_FALSE(engine.Timer1.isActive());
}

TEST_F(Transfer, FailedStartCommandGivesTheButtonsBack) {
    port.failWriteNumber = 0;
    EXPECT_THROW(engine.StartProgramming("COM9"), VelotarError);
    EXPECT_EQ(shown.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(engine.ProgramState, 0);
    EXPECT_FALSE(engine.Timer1.isActive());
}

TEST_F(Transfer, FailedFrameWriteEndsProgrammingAndTheNextClickWorks) {
    port.failWriteNumber = 3; // frame 3
    ToDataPhase();
    Feed("OK*1");
    Feed("OK*1");
    EXPECT_TRUE(shown.log.last().startsWith("Programowanie przerwane: zapis do portu nieudany"))
        << shown.log.last().toStdString();
    ExpectIdle();
    EXPECT_FALSE(port.open);

    port.failWriteNumber = -1;
    port.writes.clear();
    ToDataPhase();
    EXPECT_EQ(engine.ProgramState, 2);
    EXPECT_EQ(port.opens, 2);
}

TEST_F(Transfer, LostLineEndsTheRunningTransfer) {
    const struct {
        bool reading;
        const char* prefix;
    } cases[] = {{false, "Programowanie przerwane: "}, {true, "Odczyt przerwany: "}};
    for (const auto& c : cases) {
        shown.busy.clear();
        if (c.reading)
            engine.StartReading("COM9");
        else
            ToDataPhase();
        engine.LineLost("linia zerwana");
        EXPECT_EQ(shown.log.last(), QString::fromUtf8(c.prefix) + "linia zerwana");
        EXPECT_EQ(engine.ProgramState, 0);
        EXPECT_EQ(engine.ReadState, 0);
        EXPECT_FALSE(engine.Timer1.isActive());
        EXPECT_FALSE(port.open);
    }
}

TEST_F(Transfer, ReadFillsTheImageAndShowsItWhateverTheChunks) {
    const TDeviceImage module = SampleImage();
    const QByteArray answer = ReadAnswer(module);
    const struct {
        const char* name;
        int chunk;
    } cases[] = {{"one chunk", 0}, {"single bytes", 1}, {"odd chunks", 77}, {"stop split", int(answer.size()) - 1}};
    for (const auto& c : cases) {
        std::memset(image.Bytes, 0xAA, sizeof image.Bytes);
        shown = {};
        engine.SetCallbacks(shown.Callbacks());
        engine.StartReading("COM9");
        EXPECT_EQ(port.writes.last(), "*3*1");
        EXPECT_EQ(engine.ReadState, 2);
        const int step = c.chunk > 0 ? c.chunk : int(answer.size());
        for (int i = 0; i < answer.size(); i += step)
            Feed(answer.mid(i, step));
        EXPECT_TRUE(SameBytes(image, module)) << c.name;
        EXPECT_EQ(shown.imageReads, 1) << c.name;
        EXPECT_EQ(shown.log, QStringList{"zaladowane ustawienia z eprom"}) << c.name;
        EXPECT_EQ(engine.ReadState, 0);
        EXPECT_FALSE(engine.Timer1.isActive());
        EXPECT_TRUE(engine.ReceivedBytes.isEmpty());
        EXPECT_TRUE(shown.busy.empty()) << "a read leaves buttons and cursor alone";
    }
}

TEST_F(Transfer, ReadDropsBytesBeyondTheImageAndKeepsNothingForTheNextRead) {
    const TDeviceImage module = SampleImage();
    QByteArray answer = ReadAnswer(module);
    answer.insert(answer.size() - 2, "extra");
    engine.StartReading("COM9");
    Feed(answer + "tail");
    EXPECT_TRUE(SameBytes(image, module));
    EXPECT_EQ(packet.Buffer(), "tail");

    // A read that timed out half-way leaves bytes behind; the next one
    // must not see them in front of its answer.
    engine.StartReading("COM9");
    Feed(answer.left(500));
    engine.Timer1Timer();
    std::memset(image.Bytes, 0, sizeof image.Bytes);
    engine.StartReading("COM9");
    Feed(ReadAnswer(module));
    EXPECT_TRUE(SameBytes(image, module));
}

TEST_F(Transfer, ShortReadAnswerChangesNothingAndEndsTheRead) {
    const TDeviceImage before = image;
    engine.StartReading("COM9");
    Feed(ReadAnswer(SampleImage()).left(101) + "*1");
    EXPECT_TRUE(shown.log.last().startsWith("Niepełna odpowiedź modułu (103 z co najmniej 1703 bajtów)"))
        << shown.log.last().toStdString();
    EXPECT_EQ(shown.imageReads, 0);
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_EQ(engine.ReadState, 0);
    EXPECT_FALSE(engine.Timer1.isActive());
}

TEST_F(Transfer, ReadWithBadChecksumIsLoadedWithAWarning) {
    TDeviceImage module = SampleImage();
    module.Bytes[41] ^= 0x01;
    engine.StartReading("COM9");
    Feed(ReadAnswer(module));
    EXPECT_TRUE(SameBytes(image, module));
    EXPECT_EQ(shown.imageReads, 1);
    EXPECT_EQ(shown.log, (QStringList{"zaladowane ustawienia z eprom",
                                      "Uwaga: suma kontrolna danych z modułu się nie zgadza, "
                                      "dane mogą być uszkodzone."}));
}

TEST_F(Transfer, TimeOutDuringReadChangesNothing) {
    const TDeviceImage before = image;
    engine.StartReading("COM9");
    Feed(ReadAnswer(SampleImage()).left(900));
    engine.Timer1Timer();
    EXPECT_EQ(shown.log.last(), "Brak oprowiedzi z modułu.");
    EXPECT_EQ(shown.imageReads, 0);
    EXPECT_TRUE(SameBytes(image, before));
    ExpectIdle();
}

TEST_F(Transfer, SecondReadClickReopensResendsAndKeepsThePeriod) {
    engine.StartReading("COM9");
    Feed(ReadAnswer(SampleImage()).left(300));
    QTest::qWait(120);
    engine.StartReading("COM9");
    EXPECT_EQ(port.closes, 1);
    EXPECT_EQ(port.opens, 2);
    EXPECT_EQ(port.writes, (QList<QByteArray>{"*3*1", "*3*1"}));
    EXPECT_LT(engine.Timer1.remainingTime(), 6000 - 100);
    EXPECT_TRUE(engine.ReceivedBytes.isEmpty());
    Feed(ReadAnswer(SampleImage()));
    EXPECT_TRUE(SameBytes(image, SampleImage()));
}

TEST_F(Transfer, ReadOnAPortThatCannotBeOpenedKeepsTheRunningRead) {
    engine.StartReading("COM9");
    port.failOpen = true;
    EXPECT_THROW(engine.StartReading("COM8"), VelotarError);
    EXPECT_EQ(engine.ReadState, 2);
    EXPECT_TRUE(engine.Timer1.isActive());
}

TEST(UserNumbers, EmptyOrAtLeastThreeCharacters) {
    const struct {
        QStringList numbers;
        bool valid;
    } cases[] = {
        {{"", "", "", ""}, true},
        {{"123", "", "+48601", ""}, true},
        {{"12", "", "", ""}, false},
        {{"", "", "", "1"}, false},
        {{"ąęł", "", "", ""}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TTransferEngine::CheckUserNumbers(c.numbers), c.valid) << c.numbers.join('|').toStdString();
}


// Programming and reading may run at once (a read disables no button): the
// one that ends first must not take the other's time-out with it.
TEST_F(Transfer, TheTransferThatEndsFirstLeavesTheOtherItsTimeOut) {
    ToDataPhase();
    engine.StartReading("COM9");
    for (int k = 2; k <= 27; ++k)
        Feed("OK*1");
    Feed("OK*1");
    EXPECT_EQ(engine.ProgramState, 0);
    EXPECT_EQ(engine.ReadState, 2);
    EXPECT_TRUE(engine.Timer1.isActive()) << "the read would wait for ever";

    engine.Timer1Timer();
    engine.StartProgramming("COM9");
    engine.StartReading("COM9");
    Feed(ReadAnswer(SampleImage())); // no "OK*1" in it: the start stays unanswered
    EXPECT_EQ(engine.ReadState, 0);
    EXPECT_EQ(engine.ProgramState, 1);
    EXPECT_TRUE(engine.Timer1.isActive()) << "programming would keep the buttons disabled";
}

} // namespace
