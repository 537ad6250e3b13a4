// A button wired to an opening but named off its pattern is a fault of the
// window: no dialog, no write, and an assertion in debug builds.

#include "ModalDriver.h"
#include "ReactionWindowTree.h"

#include <cstring>

namespace {

enum class Opener { InputReaction, SpecialReaction, InputNotify, SpecialNotify };

struct MisnamedCase {
    Opener Via;
    const char* Parent;
    const char* Button;
};

void PrintTo(const MisnamedCase& c, std::ostream* os) {
    *os << c.Button;
}

class MisnamedButton : public ::testing::TestWithParam<MisnamedCase> {};

bool Open(Opener via, ReactionWindowTree& tree, QWidget& button) {
    const NotifyUsers users;
    switch (via) {
    case Opener::InputReaction:
        return EditInputReaction(tree.Reaction, button, tree.Record);
    case Opener::SpecialReaction:
        return EditSpecialReaction(tree.Reaction, button, tree.Record);
    case Opener::InputNotify:
        return EditInputNotify(tree.Notify, button, users, tree.Record);
    case Opener::SpecialNotify:
        return EditSpecialNotify(tree.Notify, button, users, tree.Record);
    }
    return false;
}

TEST_P(MisnamedButton, OpensNothingAndWritesNothing) {
    const MisnamedCase& c = GetParam();
    ReactionWindowTree tree;
    QWidget& button = tree.Button(c.Parent, c.Button);
#ifdef QT_NO_DEBUG
    const TSettings before = tree.Record;
    // Should an opening show its dialog after all, close it with OK so that
    // any write it would make shows up below.
    bool shown = false;
    QTimer guard;
    guard.setInterval(0);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = true;
            dialog->accept();
        }
    });
    guard.start();
    EXPECT_FALSE(Open(c.Via, tree, button));
    EXPECT_FALSE(shown);
    EXPECT_EQ(std::memcmp(&before, &tree.Record, sizeof before), 0);
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(Open(c.Via, tree, button), "pattern");
#endif
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Names, MisnamedButton,
    ::testing::Values(
        MisnamedCase{Opener::InputReaction, "ScrollBox1", "BB_ConfigNumerWe9Re1"},       // no input 9
        MisnamedCase{Opener::InputReaction, "ScrollBox1", "BB_ConfigNumerWe0Re1"},       // inputs count from 1
        MisnamedCase{Opener::InputReaction, "ScrollBox1", "BB_ConfigNumerWe1Re3"},       // two reactions only
        MisnamedCase{Opener::InputReaction, "ScrollBox1", "BB_ConfigNumerWe12Re1"},      // one digit only
        MisnamedCase{Opener::InputReaction, "ScrollBox1", "bb_confignumerwe1re1"},       // letter case counts
        MisnamedCase{Opener::InputReaction, "ScrollBox1", "BB_ConfigNumerWe1Re1_"},      // nothing after r
        MisnamedCase{Opener::InputReaction, "ScrollBox1", "BB_ConfigNumerWe1Rx1"},       // "Re" between the digits
        MisnamedCase{Opener::InputReaction, "TabSheet4", "BB_ConfigNumerSpecWe3Re1"},    // another family's name
        MisnamedCase{Opener::SpecialReaction, "TabSheet4", "BB_ConfigNumerSpecWe7Re1"},  // six special slots
        MisnamedCase{Opener::SpecialReaction, "TabSheet4", "BB_ConfigNumerSpecWeXRe2"},  // n is a digit
        MisnamedCase{Opener::InputNotify, "ScrollBox1", "BBConfigWorkWe1Re0"},           // reactions count from 1
        MisnamedCase{Opener::InputNotify, "ScrollBox1", "BBConfigWorkWe٣Re1"},           // a digit, but not 0..9
        MisnamedCase{Opener::SpecialNotify, "GroupBox11", "BBConfigWorkSpecWe1Re"},      // no reaction
        MisnamedCase{Opener::SpecialNotify, "TabSheet4", "BBConfigWorkSpecWe3Re12"}));   // one digit only
// clang-format on // one digit only

} // namespace
