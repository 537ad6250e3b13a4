// The reaction and notification buttons of the tabs "Wejścia", "Wejścia
// specjalne" and "Wyjścia" clicked in the program's window: the right dialog
// with the right caption, OK storing the byte and Cancel not, the users as
// typed, and a byte set in a dialog going into the module and coming back.

#include "EmulatorProcess.h"
#include "ProgramWindowFixture.h"
#include "TEdit.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstring>

namespace {

// A box as the installer ticks it: a click on its indicator.
void Tick(QWidget& dialog, const char* name) {
    auto* box = dialog.findChild<QCheckBox*>(QLatin1StringView(name));
    ASSERT_NE(box, nullptr) << name;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, box->height() / 2));
}

void Press(QWidget& dialog, const char* button) {
    auto* b = dialog.findChild<QPushButton*>(QLatin1StringView(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

class ReactionButtons : public ProgramWindowTest {
protected:
    // Brings the button's tab to the front and into view, then clicks it;
    // act runs on the dialog it opens.
    void ClickAndAct(const QString& buttonName, const std::function<void(QWidget&)>& act) {
        auto* button = Found<QPushButton>(buttonName);
        ASSERT_NE(button, nullptr);
        for (int i = 0; i < window->PageControl2->count(); ++i)
            if (window->PageControl2->widget(i)->isAncestorOf(button))
                window->PageControl2->setCurrentIndex(i);
        for (QWidget* w = button->parentWidget(); w; w = w->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(w))
                scroll->ensureWidgetVisible(button);
        ASSERT_TRUE(button->isVisible()) << buttonName.toStdString();
        const bool shown = DriveModal([&] { Click(button); }, act);
        EXPECT_TRUE(shown) << "no dialog for " << buttonName.toStdString();
    }
};

struct ButtonCase {
    const char* button;
    const char* dialogClass;
    const char* caption;
    Byte& (*byte)();
    std::vector<const char*> ticks;
    Byte stored;
};

const ButtonCase Cases[] = {
    {"BB_ConfigNumerWe3Re2", "TFconfigNumberWeRe", "konfig wejscia 3 reakcji 2",
     []() -> Byte& { return Settings.InputReaction[2][1]; }, {"ChBNoActiv", "ChBONwy1IN"}, 0x08},
    {"BBConfigWorkWe4Re2", "TFConfigWorkWeRe", "Reakcje Wejscie:4 Reakcja:2",
     []() -> Byte& { return Settings.InputNotify[3][1]; }, {"ChBUS1SMS"}, 0x01},
    {"BB_ConfigNumerSpecWe3Re1", "TFconfigNumberWeRe", "wejście sabotażowe reakcja 1",
     []() -> Byte& { return Settings.SpecialReaction[2][0]; }, {"ChBNoActiv", "ChBTimeOFFWy1"}, 0x02},
    {"BB_ConfigNumerSpecWe5Re2", "TFconfigNumberWeRe", "wejście blokujące reakcja 2",
     []() -> Byte& { return Settings.SpecialReaction[4][1]; }, {"ChBNoActiv", "ChBonWy2In"}, 0x20},
    {"BBConfigWorkSpecWe5Re2", "TFConfigWorkWeRe", "Reakcja 2 Wejścia blokującego",
     []() -> Byte& { return Settings.SpecialNotify[4][1]; }, {"ChBUS1Clip"}, 0x02},
    {"BBConfigWorkSpecWe2Re1", "TFConfigWorkWeRe", "Reakcja 1 wyjścia 2",
     []() -> Byte& { return Settings.SpecialNotify[1][0]; }, {"ChBUS1SMS"}, 0x01},
};

TEST_F(ReactionButtons, EachButtonOpensItsDialogAndOnlyOkStores) {
    Found<TEdit>(QStringLiteral("Enruser1"))->setText(QStringLiteral("600100200"));
    for (const ButtonCase& c : Cases) {
        SCOPED_TRACE(c.button);
        for (const char* close : {"BitBtn2", "BitBtn1"}) { // "Anuluj" first, then OK
            const Byte before = c.byte();
            ClickAndAct(QString::fromLatin1(c.button), [&](QWidget& dialog) {
                EXPECT_STREQ(dialog.metaObject()->className(), c.dialogClass);
                EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.caption));
                for (const char* box : c.ticks)
                    Tick(dialog, box);
                Press(dialog, close);
            });
            EXPECT_EQ(c.byte(), std::strcmp(close, "BitBtn1") == 0 ? c.stored : before) << close;
        }
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
}

// The dialog names the users as the window shows them now, saved or not.
TEST_F(ReactionButtons, NameTypedButNotSavedShowsInTheNotificationDialog) {
    ShowActive();
    QTest::keyClicks(Found<TEdit>(QStringLiteral("Eosoba2")), QStringLiteral("Zenon"));
    QTest::keyClicks(Found<TEdit>(QStringLiteral("Enruser2")), QStringLiteral("600700800"));
    ClickAndAct(QStringLiteral("BBConfigWorkWe1Re1"), [](QWidget& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Luser2"))->text(), QStringLiteral("Zenon"));
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("ChBUS2SMS"))->isEnabled());
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Luser3"))->text(), QStringLiteral("Użytkownik 3"));
        EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("ChBUS3SMS"))->isEnabled());
        Press(dialog, "BitBtn2");
    });
    // Typed only: neither the notes nor the settings have them yet.
    EXPECT_TRUE(UserNotes.User[1].Name.view().empty());
    EXPECT_TRUE(Settings.UserPhone[1].view().empty());
}

// What a dialog stored goes into the module at the pair's place in its
// memory, and reading the module back brings the same bytes.
TEST_F(ReactionButtons, DialogBytesReachTheModuleAndComeBack) {
    QTemporaryDir dir;
    const QString memory = dir.filePath(QStringLiteral("memory.bin"));
    Found<TEdit>(QStringLiteral("Enruser1"))->setText(QStringLiteral("600100200"));
    const auto set = [&](const char* button, std::vector<const char*> ticks) {
        ClickAndAct(QString::fromLatin1(button), [&](QWidget& dialog) {
            for (const char* box : ticks)
                Tick(dialog, box);
            Press(dialog, "BitBtn1");
        });
    };
    set("BB_ConfigNumerWe2Re1", {"ChBNoActiv", "ChBONwy1IN", "ChBTimeRaport"});
    set("BBConfigWorkWe2Re1", {"ChBUS1SMS", "ChBUS1Clip"});
    set("BB_ConfigNumerSpecWe5Re2", {"ChBNoActiv", "ChBonWy2In"});
    set("BBConfigWorkSpecWe5Re2", {"ChBUS1Clip"});
    ASSERT_EQ(Settings.InputReaction[1][0], 0x09);
    ASSERT_EQ(Settings.InputNotify[1][0], 0x03);
    ASSERT_EQ(Settings.SpecialReaction[4][1], 0x20);
    ASSERT_EQ(Settings.SpecialNotify[4][1], 0x02);

    EmulatorProcess module({QStringLiteral("--save"), memory});
    UsePort(module.Path());
    Click(window->Bprogramuj);
    ASSERT_TRUE(WaitForLog(QStringLiteral("Programowanie zakończone pomyślnie.")));
    QFile file(memory);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray m = file.readAll();
    // Pairs by reaction first, the notification byte before the reaction byte.
    const std::size_t input2Re1 = ImageOffset::InputPairs + 2 * 1;
    const std::size_t special5Re2 = ImageOffset::SpecialPairs + 2 * SpecialSlotCount + 2 * 4;
    EXPECT_EQ(Byte(m.at(input2Re1)), 0x03);
    EXPECT_EQ(Byte(m.at(input2Re1 + 1)), 0x09);
    EXPECT_EQ(Byte(m.at(special5Re2)), 0x02);
    EXPECT_EQ(Byte(m.at(special5Re2 + 1)), 0x20);

    // Forget them in the window, then read the module.
    Settings.InputReaction[1][0] = 0x80;
    Settings.InputNotify[1][0] = 0;
    Settings.SpecialReaction[4][1] = 0x80;
    Settings.SpecialNotify[4][1] = 0;
    Click(window->BBload);
    ASSERT_TRUE(WaitForLog(QStringLiteral("zaladowane ustawienia z eprom")));
    EXPECT_EQ(Settings.InputReaction[1][0], 0x09);
    EXPECT_EQ(Settings.InputNotify[1][0], 0x03);
    EXPECT_EQ(Settings.SpecialReaction[4][1], 0x20);
    EXPECT_EQ(Settings.SpecialNotify[4][1], 0x02);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'|').toStdString();
}

} // namespace
