// "Zapisz jako ..." and "Odczytaj ..." through the menu and their file
// dialogs, as the installer uses them: what a saved file holds, what an
// opened file shows, cancelling, damaged files and the proposed name.

#include "ProgramWindowFixture.h"
#include "TEdit.h"
#include "TSpinEdit.h"
#include "Uplik.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

class FileCommands : public ProgramWindowTest {
protected:
    QTemporaryDir dir;

    QString PathOf(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Runs the menu command and, in its dialog, picks fileName (accept) or
    // cancels (empty fileName). Returns the file the dialog offered first.
    QString RunCommand(QAction* command, const QString& expected, const QString& fileName) {
        QString offered;
        const bool shown = DriveModal([command] { command->trigger(); }, [&](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            if (!dialog) {
                ADD_FAILURE() << "not a file dialog";
                return;
            }
            EXPECT_EQ(dialog->objectName(), expected);
            offered = dialog->selectedFiles().value(0);
            if (fileName.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the name box, as the installer does: once the box
            // has the focus, selectFile no longer replaces what it holds.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name)
                name->setText(fileName);
            else
                dialog->selectFile(fileName);
            static_cast<QDialog*>(dialog)->accept(); // the dialog's own accept, as its button calls it
        });
        EXPECT_TRUE(shown) << "no file dialog";
        return offered;
    }
    QString Save(const QString& fileName) { return RunCommand(window->Zapiszjako1, QStringLiteral("SaveDialog1"), fileName); }
    QString Open(const QString& fileName) { return RunCommand(window->Odczytaj1, QStringLiteral("OpenDialog1"), fileName); }

    // Typed into the window only: a command that stores the window shows it.
    void TypeIntoWindow() {
        Found<TEdit>(QStringLiteral("EPin"))->setText(QStringLiteral("2468"));
        Found<TEdit>(QStringLiteral("Eosoba1"))->setText(QStringLiteral("Łucja Kos"));
        Found<QPlainTextEdit>(QStringLiteral("Muser1"))->setPlainText(QStringLiteral("dzwonić po 18"));
    }

    // A file as another window would have saved it: options that open
    // dependent fields, a PIN, a named user.
    QString WriteSampleFile(const char* name) {
        const TSettings atStart = Settings;
        const TUserNotes notesAtStart = UserNotes;
        window->StoreSettings();
        TSettings inFile = Settings;
        inFile.Pin.assign("1111");
        inFile.OptionFlags |= 0x14; // output 1 switch-off time and the test report on
        inFile.ReportPeriod = 12;
        UserNotes = TUserNotes{};
        UserNotes.User[0].Name.assign("Ola");
        UserNotes.User[3].Notes.assign("brama\r\ngara\xBF"); // Windows-1250, CR LF as saved
        const QString path = PathOf(name);
        SaveSettingsFile(inFile, QFile::encodeName(path).toStdString());
        fileSettings = inFile;
        fileNotes = UserNotes;
        Settings = atStart;
        UserNotes = notesAtStart;
        return path;
    }

    TSettings fileSettings{};
    TUserNotes fileNotes{};
};

TEST_F(FileCommands, SaveWritesTheWindowAndTheNotes) {
    TypeIntoWindow();
    Save(PathOf("konfig.zmk"));
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
    TSettings saved{};
    TUserNotes notes{};
    LoadSettingsFile(QFile::encodeName(PathOf("konfig.zmk")).toStdString(), saved, notes);
    EXPECT_EQ(saved.Pin.str(), "2468");
    EXPECT_EQ(notes.User[0].Name.str(), "\xA3ucja Kos"); // Windows-1250
    EXPECT_EQ(notes.User[0].Notes.str(), "dzwoni\xE6 po 18");
    // The records hold what was saved: the window was stored into them.
    EXPECT_TRUE(SameRecord(saved, Settings));
    EXPECT_TRUE(SameRecord(notes, UserNotes));
    EXPECT_TRUE(Log().isEmpty());
}

TEST_F(FileCommands, NameTypedWithoutExtensionGetsZmk) {
    Save(PathOf("warsztat"));
    EXPECT_TRUE(QFile::exists(PathOf("warsztat.zmk")));
    EXPECT_FALSE(QFile::exists(PathOf("warsztat")));
}

TEST_F(FileCommands, OpenShowsTheFileWithTheOptionRulesApplied) {
    const QString path = WriteSampleFile("obiekt.zmk");
    ASSERT_FALSE(Found<TSpinEdit>(QStringLiteral("SEtestokr"))->isEnabled());
    Open(path);
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
    EXPECT_TRUE(SameRecord(Settings, fileSettings));
    EXPECT_TRUE(SameRecord(UserNotes, fileNotes));
    EXPECT_EQ(Found<TEdit>(QStringLiteral("EPin"))->text(), QStringLiteral("1111"));
    EXPECT_EQ(Found<TEdit>(QStringLiteral("Eosoba1"))->text(), QStringLiteral("Ola"));
    EXPECT_EQ(Found<QPlainTextEdit>(QStringLiteral("Muser4"))->toPlainText(), QStringLiteral("brama\ngaraż"));
    EXPECT_TRUE(Found<QCheckBox>(QStringLiteral("ChBFlags_2"))->isChecked());
    EXPECT_TRUE(Found<TSpinEdit>(QStringLiteral("SEWy_offTimer1"))->isEnabled());
    EXPECT_TRUE(Found<TSpinEdit>(QStringLiteral("SEtestokr"))->isEnabled());
    EXPECT_EQ(Found<TSpinEdit>(QStringLiteral("SEtestokr"))->value(), 12);
    EXPECT_TRUE(Log().isEmpty());
}

TEST_F(FileCommands, CancelChangesNothing) {
    WriteSampleFile("obiekt.zmk");
    TypeIntoWindow();
    const TSettings settingsBefore = Settings;
    const TUserNotes notesBefore = UserNotes;
    const QStringList shownBefore = WindowShows();
    Save({});
    Open({});
    EXPECT_TRUE(SameRecord(Settings, settingsBefore));
    EXPECT_TRUE(SameRecord(UserNotes, notesBefore));
    EXPECT_TRUE(ShowsAsBefore(shownBefore));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("obiekt.zmk")});
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FileCommands, DamagedFileShowsAnErrorAndChangesNothing) {
    const QString good = WriteSampleFile("dobry.zmk");
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray stream = goodFile.readAll();

    const struct {
        const char* name;
        QByteArray content;
        bool create;
        bool notZlib; // a stream zlib rejects is reported as "Error"; the rest name the file
    } cases[] = {
        {"notatki.zmk", "to nie jest plik ustawie\xF1\r\n", true, true},
        {"urwany.zmk", stream.left(stream.size() / 2), true, false},
        {"pusty.zmk", {}, true, false},
        {"brak.zmk", {}, false, false},
    };
    TypeIntoWindow();
    UserNotes.User[1].Name.assign("Ewa");
    const TSettings settingsBefore = Settings;
    const TUserNotes notesBefore = UserNotes;
    const QStringList shownBefore = WindowShows();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        const QString path = PathOf(c.name);
        if (c.create) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        Open(path);
        ASSERT_EQ(errors.size(), 1);
        if (c.notZlib) {
            EXPECT_EQ(errors.front(), QStringLiteral("Error"));
        } else {
            EXPECT_TRUE(errors.front().contains(path)) << errors.front().toStdString();
        }
        EXPECT_TRUE(SameRecord(Settings, settingsBefore));
        EXPECT_TRUE(SameRecord(UserNotes, notesBefore));
        EXPECT_TRUE(ShowsAsBefore(shownBefore));
    }
}

// The save dialog proposes the file last chosen for opening, never the one
// chosen in an earlier save.
TEST_F(FileCommands, SaveProposesTheFileLastOpened) {
    const QString opened = WriteSampleFile("obiekt.zmk");
    const QString savedAs = PathOf("kopia.zmk");
    EXPECT_FALSE(Save(savedAs).endsWith(QStringLiteral(".zmk")));
    EXPECT_FALSE(Save({}).endsWith(QStringLiteral("kopia.zmk")));
    Open(opened);
    EXPECT_EQ(Save({}), opened);
    Save(savedAs);
    EXPECT_EQ(Save({}), opened);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
}

} // namespace
