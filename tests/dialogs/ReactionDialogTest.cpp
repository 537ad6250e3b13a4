// The output-reaction dialog opened from the inputs' and the special inputs'
// buttons: caption, visible boxes and the byte that OK stores, the click
// rules of "Opcje nieaktywne" and of the on/off pairs, and what an opening
// carries over from the one before.

#include "ModalDriver.h"
#include "ReactionWindowTree.h"

#include <QCheckBox>

#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> AllBoxes{"ChBNoActiv",    "ChBTimeRaport", "ChBTimeOFFWy1",
                                        "ChBTimeOFFWy2", "ChBONwy1IN",    "ChBOFFwy1In",
                                        "ChBonWy2In",    "ChBOFFWY2iN"};
const std::set<std::string> InputBoxes(AllBoxes.begin(), AllBoxes.end());
const std::set<std::string> TamperBoxes{"ChBNoActiv", "ChBTimeOFFWy1", "ChBTimeOFFWy2",
                                        "ChBONwy1IN", "ChBOFFwy1In",   "ChBonWy2In",
                                        "ChBOFFWY2iN"};
const std::set<std::string> ArmingBoxes{"ChBNoActiv", "ChBONwy1IN", "ChBOFFwy1In", "ChBonWy2In",
                                        "ChBOFFWY2iN"};

// Shown while the dialog is open; after it has closed, what it would show.
std::set<std::string> CheckedBoxes(const QDialog& dialog) {
    std::set<std::string> checked;
    for (const std::string& name : AllBoxes)
        if (dialog.findChild<QCheckBox*>(QString::fromStdString(name))->isChecked())
            checked.insert(name);
    return checked;
}

std::set<std::string> VisibleBoxes(const QDialog& dialog) {
    std::set<std::string> visible;
    for (const std::string& name : AllBoxes)
        if (dialog.findChild<QCheckBox*>(QString::fromStdString(name))->isVisibleTo(&dialog))
            visible.insert(name);
    return visible;
}

QCheckBox& Box(QWidget& dialog, const char* name) {
    return *dialog.findChild<QCheckBox*>(QLatin1StringView(name));
}

struct OpeningCase {
    const char* Parent;
    const char* Button;
    std::size_t Offset; // the reaction byte's place in the record
    Byte Start;
    std::set<std::string> CheckedAtOpening; // hidden boxes included
    std::vector<const char*> Clicks;
    CloseBy Close;
    const char16_t* Caption;
    std::set<std::string> Visible;
    Byte Stored;
};

void PrintTo(const OpeningCase& c, std::ostream* os) {
    *os << c.Button << " from 0x" << std::hex << int(c.Start);
}

class ReactionOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(ReactionOpening, ShowsTheByteAndStoresWhatOkLeaves) {
    const OpeningCase& c = GetParam();
    ReactionWindowTree tree;
    tree.At(c.Offset) = c.Start;
    QWidget& button = tree.Button(c.Parent, c.Button);
    const bool special = std::string_view(c.Button).starts_with("BB_ConfigNumerSpec");

    const bool stored = RunModal(
        [&] {
            return special ? EditSpecialReaction(tree.Reaction, button, tree.Record)
                           : EditInputReaction(tree.Reaction, button, tree.Record);
        },
        [&](QDialog& dialog) {
            EXPECT_EQ(&dialog, &tree.Reaction);
            EXPECT_EQ(dialog.windowTitle(), QString::fromUtf16(c.Caption));
            EXPECT_EQ(VisibleBoxes(dialog), c.Visible);
            EXPECT_EQ(CheckedBoxes(dialog), c.CheckedAtOpening);
            for (const char* name : c.Clicks)
                ClickBox(dialog, name);
            Close(dialog, c.Close);
        });

    EXPECT_EQ(stored, c.Close == CloseBy::Ok);
    EXPECT_EQ(int(tree.At(c.Offset)), int(c.Stored));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Openings, ReactionOpening,
    ::testing::Values(
        // Per case: the button and its byte's offset, the starting byte and the boxes it ticks;
        // the clicks and how the dialog is closed; the caption, the visible boxes, the byte after.
        // Input 3, reaction 2 is byte 46; an active reaction switching output 1 on.
        OpeningCase{"ScrollBox1", "BB_ConfigNumerWe3Re2", 46, 0x80, {"ChBNoActiv"},
                    {"ChBNoActiv", "ChBONwy1IN"}, CloseBy::Ok,
                    u"konfig wejscia 3 reakcji 2", InputBoxes, 0x08},
        OpeningCase{"ScrollBox1", "BB_ConfigNumerWe8Re1", 55, 0x80, {"ChBNoActiv"},
                    {}, CloseBy::Ok,
                    u"konfig wejscia 8 reakcji 1", InputBoxes, 0x80},
        // A byte of 0 (from a file) is never stored back as 0.
        OpeningCase{"ScrollBox1", "BB_ConfigNumerWe1Re1", 41, 0x00, {},
                    {}, CloseBy::Ok,
                    u"konfig wejscia 1 reakcji 1", InputBoxes, 0x80},
        // Made active with nothing to do: still inactive.
        OpeningCase{"ScrollBox1", "BB_ConfigNumerWe2Re1", 43, 0x80, {"ChBNoActiv"},
                    {"ChBNoActiv"}, CloseBy::Ok,
                    u"konfig wejscia 2 reakcji 1", InputBoxes, 0x80},
        OpeningCase{"ScrollBox1", "BB_ConfigNumerWe5Re2", 50, 0x80, {"ChBNoActiv"},
                    {"ChBNoActiv", "ChBTimeRaport", "ChBTimeOFFWy1", "ChBTimeOFFWy2", "ChBOFFWY2iN"}, CloseBy::Ok,
                    u"konfig wejscia 5 reakcji 2", InputBoxes, 0x47},
        OpeningCase{"TabSheet4", "BB_ConfigNumerSpecWe3Re1", 77, 0x80, {"ChBNoActiv"},
                    {"ChBNoActiv", "ChBTimeOFFWy1"}, CloseBy::Ok,
                    u"wejście sabotażowe reakcja 1", TamperBoxes, 0x02},
        OpeningCase{"TabSheet4", "BB_ConfigNumerSpecWe3Re2", 78, 0x24, {"ChBonWy2In", "ChBTimeOFFWy2"},
                    {"ChBTimeOFFWy2"}, CloseBy::Ok,
                    u"wejście sabotażowe reakcja 2", TamperBoxes, 0x20},
        // Bit 0 of slot 5, reaction 2 is the window's arming-time option: it
        // passes through the hidden box.
        OpeningCase{"TabSheet4", "BB_ConfigNumerSpecWe5Re2", 82, 0x09, {"ChBONwy1IN", "ChBTimeRaport"},
                    {}, CloseBy::Ok,
                    u"wejście blokujące reakcja 2", ArmingBoxes, 0x09},
        OpeningCase{"TabSheet4", "BB_ConfigNumerSpecWe5Re1", 81, 0x13, {"ChBOFFwy1In", "ChBTimeOFFWy1", "ChBTimeRaport"},
                    {"ChBOFFWY2iN"}, CloseBy::Ok,
                    u"wejście blokujące reakcja 1", ArmingBoxes, 0x53},
        // Cancelled in each of the installer's ways: the byte stays.
        OpeningCase{"ScrollBox1", "BB_ConfigNumerWe4Re1", 47, 0x08, {"ChBONwy1IN"},
                    {"ChBNoActiv"}, CloseBy::Anuluj,
                    u"konfig wejscia 4 reakcji 1", InputBoxes, 0x08},
        OpeningCase{"ScrollBox1", "BB_ConfigNumerWe6Re2", 52, 0x00, {},
                    {"ChBONwy1IN"}, CloseBy::CloseBox,
                    u"konfig wejscia 6 reakcji 2", InputBoxes, 0x00},
        OpeningCase{"TabSheet4", "BB_ConfigNumerSpecWe5Re2", 82, 0x80, {"ChBNoActiv"},
                    {"ChBNoActiv", "ChBonWy2In"}, CloseBy::Escape,
                    u"wejście blokujące reakcja 2", ArmingBoxes, 0x80}));
// clang-format on

// A dialog shown without an opening, for the click rules alone.
class ReactionRules : public ::testing::Test {
protected:
    void SetUp() override {
        Dialog.ShowByte(0x80);
        Dialog.show();
    }
    TFconfigNumberWeRe Dialog;
    QCheckBox& operator[](const char* name) { return Box(Dialog, name); }
};

TEST_F(ReactionRules, InactiveReactionOffersNoBoxes) {
    EXPECT_TRUE((*this)["ChBNoActiv"].isChecked());
    for (const std::string& name : AllBoxes)
        if (name != "ChBNoActiv") {
            EXPECT_FALSE((*this)[name.c_str()].isChecked()) << name;
            EXPECT_FALSE((*this)[name.c_str()].isEnabled()) << name;
        }
    ClickBox(Dialog, "ChBONwy1IN"); // disabled: the click does nothing
    EXPECT_EQ(int(Dialog.EncodedByte()), 0x80);
}

TEST_F(ReactionRules, SwitchingAnOutputOnExcludesSwitchingItOff) {
    ClickBox(Dialog, "ChBNoActiv");
    ClickBox(Dialog, "ChBOFFWY2iN");
    ClickBox(Dialog, "ChBONwy1IN");
    EXPECT_FALSE((*this)["ChBOFFwy1In"].isEnabled());
    ClickBox(Dialog, "ChBOFFwy1In");
    EXPECT_FALSE((*this)["ChBOFFwy1In"].isChecked());
    // Output 2 is left as it was.
    EXPECT_TRUE((*this)["ChBOFFWY2iN"].isChecked());
    EXPECT_FALSE((*this)["ChBonWy2In"].isEnabled());

    ClickBox(Dialog, "ChBONwy1IN");
    EXPECT_TRUE((*this)["ChBOFFwy1In"].isEnabled());
    EXPECT_TRUE((*this)["ChBOFFWY2iN"].isChecked());
    EXPECT_FALSE((*this)["ChBonWy2In"].isEnabled());
    EXPECT_EQ(int(Dialog.EncodedByte()), 0x40);
}

TEST_F(ReactionRules, InactiveClearsTheOutputsButKeepsTheDelay) {
    ClickBox(Dialog, "ChBNoActiv");
    ClickBox(Dialog, "ChBonWy2In");
    ClickBox(Dialog, "ChBTimeRaport");
    ClickBox(Dialog, "ChBNoActiv");
    EXPECT_FALSE((*this)["ChBonWy2In"].isChecked());
    EXPECT_TRUE((*this)["ChBTimeRaport"].isChecked());
    // Clearing "Załącz wyjście 2" must not hand its partner back.
    for (const std::string& name : AllBoxes) {
        if (name != "ChBNoActiv") {
            EXPECT_FALSE((*this)[name.c_str()].isEnabled()) << name;
        }
    }
    EXPECT_EQ(int(Dialog.EncodedByte()), 0x80);

    ClickBox(Dialog, "ChBNoActiv");
    for (const std::string& name : AllBoxes)
        EXPECT_TRUE((*this)[name.c_str()].isEnabled()) << name;
    EXPECT_EQ(int(Dialog.EncodedByte()), 0x01);
}

// The rules run when an opening sets the boxes too, on disabled boxes alike:
// the enabled states always match the shown byte.
TEST_F(ReactionRules, ShownBytesBringTheEnabledStatesAlong) {
    Dialog.ShowByte(0x08);
    EXPECT_TRUE((*this)["ChBONwy1IN"].isChecked());
    EXPECT_FALSE((*this)["ChBOFFwy1In"].isEnabled());
    EXPECT_TRUE((*this)["ChBonWy2In"].isEnabled());

    Dialog.ShowByte(0x10); // output 1 off now: the partner turns round
    EXPECT_TRUE((*this)["ChBOFFwy1In"].isChecked());
    EXPECT_TRUE((*this)["ChBOFFwy1In"].isEnabled());
    EXPECT_FALSE((*this)["ChBONwy1IN"].isChecked());
    EXPECT_FALSE((*this)["ChBONwy1IN"].isEnabled());

    Dialog.ShowByte(0x00);
    for (const std::string& name : AllBoxes) {
        EXPECT_FALSE((*this)[name.c_str()].isChecked()) << name;
        EXPECT_TRUE((*this)[name.c_str()].isEnabled()) << name;
    }
    EXPECT_EQ(int(Dialog.EncodedByte()), 0x80);
}

// One dialog serves every button: what an opening hides or renames must not
// linger into the next one that shows it.
TEST(ReactionReuse, VisibilityAndCaptionsFollowEachOpening) {
    ReactionWindowTree tree;
    auto open = [&](const char* parent, const char* name, bool special) {
        QWidget& button = tree.Button(parent, name);
        return RunModal(
            [&] {
                return special ? EditSpecialReaction(tree.Reaction, button, tree.Record)
                               : EditInputReaction(tree.Reaction, button, tree.Record);
            },
            [&](QDialog& dialog) { Close(dialog, CloseBy::Anuluj); });
    };
    open("TabSheet4", "BB_ConfigNumerSpecWe5Re1", true);
    EXPECT_EQ(VisibleBoxes(tree.Reaction), ArmingBoxes);

    open("TabSheet4", "BB_ConfigNumerSpecWe3Re1", true);
    EXPECT_EQ(VisibleBoxes(tree.Reaction), TamperBoxes);
    EXPECT_EQ(tree.Reaction.ChBTimeOFFWy1->text(), QStringLiteral(u"załącz wyj. syreny     "));
    EXPECT_EQ(tree.Reaction.ChBTimeOFFWy2->text(), QStringLiteral(u"załącz wyj. blokady  "));

    open("ScrollBox1", "BB_ConfigNumerWe7Re1", false);
    EXPECT_EQ(VisibleBoxes(tree.Reaction), InputBoxes);
    EXPECT_EQ(tree.Reaction.ChBTimeRaport->text(),
              QStringLiteral(u"opóźniona reakcja wejścia      "));
}

// Changes made before Cancel stay in the boxes until an opening shows a byte.
TEST(ReactionReuse, CancelledChangesStayInTheBoxesUntilTheNextOpening) {
    ReactionWindowTree tree;
    QWidget& button = tree.Button("ScrollBox1", "BB_ConfigNumerWe1Re1");
    RunModal([&] { return EditInputReaction(tree.Reaction, button, tree.Record); },
             [&](QDialog& dialog) {
                 ClickBox(dialog, "ChBNoActiv");
                 ClickBox(dialog, "ChBonWy2In");
                 Close(dialog, CloseBy::Anuluj);
             });
    EXPECT_TRUE(tree.Reaction.ChBonWy2In->isChecked());
    EXPECT_EQ(int(tree.At(41)), 0x80);

    RunModal([&] { return EditInputReaction(tree.Reaction, button, tree.Record); },
             [&](QDialog& dialog) {
                 EXPECT_TRUE(Box(dialog, "ChBNoActiv").isChecked());
                 EXPECT_FALSE(Box(dialog, "ChBonWy2In").isChecked());
                 EXPECT_FALSE(Box(dialog, "ChBonWy2In").isEnabled());
                 Close(dialog, CloseBy::Ok);
             });
    EXPECT_EQ(int(tree.At(41)), 0x80);
}

} // namespace
