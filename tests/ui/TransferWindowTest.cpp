// Programming and reading the module through the window, as the installer
// clicks them, against the module emulator on a pseudo-terminal: whole runs,
// answers the line splits, a module that stays silent, a line that dies, a
// short answer, a second read click and a port that does not open.

#include "EmulatorProcess.h"
#include "ProgramWindowFixture.h"
#include "TEdit.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString Success = QStringLiteral("Programowanie zakończone pomyślnie.");
const QString Loaded = QStringLiteral("zaladowane ustawienia z eprom");
const QString TimeOut = QStringLiteral("Brak oprowiedzi z modułu.");
constexpr int SentBytes = 1195; // 25 + 26 * 45: what programming writes

class TransferWindow : public ProgramWindowTest {
protected:
    QTemporaryDir dir;

    QString MemoryFile() const { return dir.filePath(QStringLiteral("memory.bin")); }
    QByteArray Memory() const {
        QFile file(MemoryFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void SeedMemory(const TDeviceImage& image) const {
        QFile file(MemoryFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(image.Bytes), sizeof image.Bytes);
    }
    static QByteArray Bytes(const TDeviceImage& image, int count) {
        return QByteArray(reinterpret_cast<const char*>(image.Bytes), count);
    }

    // Edits away from the defaults, so the module must get the window's
    // content and not some earlier record.
    void EditWindow() {
        Found<TEdit>(QStringLiteral("EPin"))->setText(QStringLiteral("4711"));
        Found<TEdit>(QStringLiteral("Enruser2"))->setText(QStringLiteral("600100200"));
        Found<TEdit>(QStringLiteral("ETSMS_We3_Re1"))->setText(QStringLiteral("Włamanie, wejście 3"));
    }

    // Programs the emulator through "programuj" and waits for the report.
    void ProgramAndExpectSuccess(EmulatorProcess& module) {
        ASSERT_FALSE(module.Path().isEmpty());
        UsePort(module.Path());
        Click(window->Bprogramuj);
        ASSERT_TRUE(WaitForLog(Success)) << Log().join(u'|').toStdString();
        EXPECT_TRUE(Idle());
        EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
    }
};

TEST_F(TransferWindow, ProgrammingWritesTheWindowIntoTheModule) {
    EmulatorProcess module({QStringLiteral("--save"), MemoryFile()});
    EditWindow();
    UsePort(module.Path());
    Click(window->Bprogramuj);
    // Busy from the click on: the installer cannot start a second transfer.
    EXPECT_FALSE(window->Bprogramuj->isEnabled());
    EXPECT_FALSE(window->BBload->isEnabled());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

    ASSERT_TRUE(WaitForLog(Success)) << Log().join(u'|').toStdString();
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(module.WaitForLine(QStringLiteral("programmed")));
    EXPECT_TRUE(module.Lines().contains(QStringLiteral("rx frame 27")));
    EXPECT_FALSE(module.Lines().contains(QStringLiteral("rx frame 28")));
    EXPECT_EQ(Log().at(Transfer().ProgressLine), QStringLiteral("Postęp: 100% ") + QString(52, u'#'));
    EXPECT_EQ(Log().last(), Success);

    TDeviceImage expected{};
    SettingsToImage(Settings, expected);
    EXPECT_EQ(Memory().left(SentBytes), Bytes(expected, SentBytes));
    EXPECT_TRUE(Memory().mid(ImageOffset::Pin, 7).contains("4711")); // the window's edits were stored
}

// However the line cuts the module's answers, the run ends the same way.
TEST_F(TransferWindow, ProgrammingSurvivesAnswersCutIntoPieces) {
    const QString done = QStringLiteral("Postęp: 100% ") + QString(52, u'#');
    const QString start = QStringLiteral("Rozpoczęcie programowania.");
    const QString progress = QStringLiteral("postęp: ");
    {
        SCOPED_TRACE("OK and *1 apart");
        // The start is handled once per piece: the first "postęp: " line
        // stays as it was, the second becomes the progress line.
        EmulatorProcess module({QStringLiteral("--save"), MemoryFile(), QStringLiteral("--chunk"),
                                QStringLiteral("2"), QStringLiteral("--chunk-gap"), QStringLiteral("100")});
        ProgramAndExpectSuccess(module);
        EXPECT_EQ(Log(), (QStringList{start, progress, start, done, Success}));
        TDeviceImage expected{};
        SettingsToImage(Settings, expected);
        EXPECT_EQ(Memory().left(SentBytes), Bytes(expected, SentBytes));
    }
    {
        SCOPED_TRACE("single bytes");
        window->ListBox1->clear();
        EmulatorProcess module({QStringLiteral("--save"), MemoryFile(), QStringLiteral("--chunk"),
                                QStringLiteral("1"), QStringLiteral("--chunk-gap"), QStringLiteral("1")});
        ProgramAndExpectSuccess(module);
        EXPECT_TRUE(Log().contains(done)) << Log().join(u'|').toStdString();
        TDeviceImage expected{};
        SettingsToImage(Settings, expected);
        EXPECT_EQ(Memory().left(SentBytes), Bytes(expected, SentBytes));
    }
}

TEST_F(TransferWindow, BareFinalAnswerIsAskedAgainWithStarFive) {
    EmulatorProcess module({QStringLiteral("--bare"), QStringLiteral("frame27")});
    ProgramAndExpectSuccess(module);
    EXPECT_TRUE(module.WaitForLine(QStringLiteral("rx *5*1")));
}

TEST_F(TransferWindow, ReadShowsTheModuleMemoryAndKeepsTheNotes) {
    // The module holds what a window would store, so every value is one the
    // controls can show.
    const TSettings atStart = Settings;
    window->StoreSettings();
    TSettings inModule = Settings;
    Settings = atStart;
    inModule.Pin.assign("9876");
    inModule.OptionFlags |= 0x21; // output 1 switched by SMS codes, SMS access code on
    inModule.SmsAccessCode.assign("2580"); // the module always keeps four characters
    inModule.OutputOnCode[0][0] = 'A';
    inModule.OutputOnCode[0][1] = '1';
    inModule.InputReaction[1][0] = 0x28;
    inModule.InputNotify[1][0] = 0x05;
    TDeviceImage image{};
    SettingsToImage(inModule, image);
    image.Bytes[1600] = 0x5A; // beyond what programming sends: only a read brings it
    SeedMemory(image);

    // Names and notes live only in files: a read must leave them be.
    Found<TEdit>(QStringLiteral("Eosoba1"))->setText(QStringLiteral("Zdzisław"));
    Found<QPlainTextEdit>(QStringLiteral("Muser1"))->setPlainText(QStringLiteral("klucz u sąsiada"));
    UserNotes.User[2].Name.assign("Ela");
    const TUserNotes notesBefore = UserNotes;
    TSettings expected = Settings;
    ImageToSettings(image, expected);

    const QStringList chunkings[] = {{}, {"--chunk", "1", "--chunk-gap", "1"}};
    for (const QStringList& chunking : chunkings) {
        SCOPED_TRACE(chunking.join(u' ').toStdString());
        window->ListBox1->clear();
        EmulatorProcess module(QStringList{QStringLiteral("--load"), MemoryFile()} + chunking);
        UsePort(module.Path());
        Click(window->BBload);
        ASSERT_TRUE(WaitForLog(Loaded, 8000)) << Log().join(u'|').toStdString();
        EXPECT_TRUE(Idle());
        EXPECT_TRUE(SameRecord(Settings, expected));
        EXPECT_EQ(DeviceImage.Bytes[1600], 0x5A);
        EXPECT_EQ(Found<TEdit>(QStringLiteral("EPin"))->text(), QStringLiteral("9876"));
        // The option rules follow what was read: the SMS codes of output 1 open up.
        EXPECT_TRUE(Found<QCheckBox>(QStringLiteral("ChBFlags_0"))->isChecked());
        EXPECT_TRUE(Found<TEdit>(QStringLiteral("EZalWy1"))->isEnabled());
        EXPECT_EQ(Found<TEdit>(QStringLiteral("EZalWy1"))->text(), QStringLiteral("A1"));
        EXPECT_EQ(Found<TEdit>(QStringLiteral("Eosoba1"))->text(), QStringLiteral("Zdzisław"));
        EXPECT_EQ(Found<QPlainTextEdit>(QStringLiteral("Muser1"))->toPlainText(), QStringLiteral("klucz u sąsiada"));
        EXPECT_TRUE(SameRecord(UserNotes, notesBefore));
    }
    // What the window shows is what was read: storing it changes nothing.
    const TSettings shown = Settings;
    window->StoreSettings();
    EXPECT_TRUE(SameRecord(Settings, shown));
}

TEST_F(TransferWindow, SilentModuleEndsInTheTimeOut) {
    Transfer().SetTimer1IntervalForTests(300);
    for (QPushButton* button : {window->Bprogramuj, window->BBload}) {
        SCOPED_TRACE(button->objectName().toStdString());
        const TSettings before = Settings;
        EmulatorProcess module({QStringLiteral("--silent")});
        UsePort(module.Path());
        Click(button);
        ASSERT_TRUE(WaitForLog(TimeOut));
        EXPECT_EQ(Log().last(), TimeOut);
        EXPECT_TRUE(Idle());
        if (button == window->BBload) {
            EXPECT_TRUE(SameRecord(Settings, before));
        }
        window->ListBox1->clear();
    }
}

// A line that dies mid-transfer says so, gives the window back and leaves
// the port box usable: the next click on a working module succeeds.
TEST_F(TransferWindow, LineLostMidTransferEndsItAndTheNextClickWorks) {
    const struct {
        const char* what;
        QStringList options;
        bool reading;
        const char* killAfter; // kill the emulator once it printed this; null: it hangs up itself
        const char* prefix;
    } cases[] = {
        {"hang-up in frame 5", {"--hangup", "frame5"}, false, nullptr, "Programowanie przerwane: "},
        {"module gone in frame 3", {"--stop-after", "3"}, false, "rx frame 3", "Programowanie przerwane: "},
        {"hang-up in the read answer", {"--hangup", "read"}, true, nullptr, "Odczyt przerwany: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TSettings before = Settings;
        EmulatorProcess dying(c.options);
        UsePort(dying.Path());
        Click(c.reading ? window->BBload : window->Bprogramuj);
        if (c.killAfter) {
            ASSERT_TRUE(dying.WaitForLine(QString::fromLatin1(c.killAfter)));
            dying.Kill();
        }
        ASSERT_TRUE(WaitUntilIdle()) << Log().join(u'|').toStdString();
        EXPECT_TRUE(Log().last().startsWith(QString::fromUtf8(c.prefix))) << Log().last().toStdString();
        EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
        if (c.reading) {
            EXPECT_TRUE(SameRecord(Settings, before));
        }
    }
    EmulatorProcess healthy({QStringLiteral("--save"), MemoryFile()});
    ProgramAndExpectSuccess(healthy);
}

TEST_F(TransferWindow, ShortReadAnswerChangesNothing) {
    EmulatorProcess module({QStringLiteral("--short-read"), QStringLiteral("600")});
    Found<TEdit>(QStringLiteral("EPin"))->setText(QStringLiteral("1357")); // typed, not stored
    const TSettings before = Settings;
    UsePort(module.Path());
    const QStringList shownBefore = WindowShows();
    Click(window->BBload);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Log().size() == 1; }, 5000));
    EXPECT_TRUE(Log().last().startsWith(QStringLiteral("Niepełna odpowiedź modułu"))) << Log().last().toStdString();
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(SameRecord(Settings, before));
    EXPECT_TRUE(ShowsAsBefore(shownBefore));
}

TEST_F(TransferWindow, SecondReadClickDuringAReadLoadsOnce) {
    EmulatorProcess module({QStringLiteral("--late"), QStringLiteral("read:300")});
    UsePort(module.Path());
    Click(window->BBload);
    ASSERT_TRUE(module.WaitForLine(QStringLiteral("rx *3*1")));
    // A read disables nothing: the installer may click again while it runs.
    ASSERT_TRUE(window->BBload->isEnabled());
    Click(window->BBload);
    ASSERT_TRUE(WaitForLog(Loaded));
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(QTest::qWaitFor([&] { return module.Lines().count(QStringLiteral("rx *3*1")) == 2; }, 2000));

    TSettings factory{};
    SetDefaultSettings(factory);
    TDeviceImage fresh{};
    SettingsToImage(factory, fresh); // what a new emulator holds
    EXPECT_EQ(Bytes(DeviceImage, 1700), Bytes(fresh, 1700));
    // The answer to the second request comes too and must not load again.
    EXPECT_FALSE(QTest::qWaitFor([&] { return Log().count(Loaded) > 1 || !Idle(); }, 700));
}

TEST_F(TransferWindow, PortThatCannotBeOpenedShowsAnErrorAndGivesTheWindowBack) {
    const QString missing = dir.filePath(QStringLiteral("no-such-port"));
    for (QPushButton* button : {window->Bprogramuj, window->BBload}) {
        SCOPED_TRACE(button->objectName().toStdString());
        errors.clear();
        UsePort(missing);
        Click(button);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors.front().contains(missing)) << errors.front().toStdString();
        EXPECT_TRUE(Idle());
        EXPECT_TRUE(Log().isEmpty());
    }
}

} // namespace
