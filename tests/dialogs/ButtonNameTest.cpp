// A button wired to an opening but named off its pattern is a fault of the
// window: no dialog, no write, and an assertion in debug builds.

#include "ModalDriver.h"
#include "ReactionWindowTree.h"

#include <cstring>

namespace {

struct MisnamedCase {
    const char* Parent;
    const char* Button;
};

void PrintTo(const MisnamedCase& c, std::ostream* os) { *os << c.Button; }

class MisnamedButton : public ::testing::TestWithParam<MisnamedCase> {};

bool OpenFor(ReactionWindowTree& tree, QWidget& button, const char* name)
{
    const NotifyUsers users;
    if (std::strncmp(name, "BB_ConfigNumerSpec", 18) == 0 || std::strncmp(name, "bb_confignumerspec", 18) == 0)
        return EditSpecialReaction(tree.Reaction, button, tree.Record);
    if (std::strncmp(name, "BB_", 3) == 0 || std::strncmp(name, "bb_", 3) == 0)
        return EditInputReaction(tree.Reaction, button, tree.Record);
    if (std::strncmp(name, "BBConfigWorkSpec", 16) == 0)
        return EditSpecialNotify(tree.Notify, button, users, tree.Record);
    return EditInputNotify(tree.Notify, button, users, tree.Record);
}

TEST_P(MisnamedButton, OpensNothingAndWritesNothing)
{
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
    EXPECT_FALSE(OpenFor(tree, button, c.Button));
    EXPECT_FALSE(shown);
    EXPECT_EQ(std::memcmp(&before, &tree.Record, sizeof before), 0);
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(OpenFor(tree, button, c.Button), "pattern");
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Names, MisnamedButton,
    ::testing::Values(MisnamedCase{"ScrollBox1", "BB_ConfigNumerWe9Re1"},      // no input 9
                      MisnamedCase{"ScrollBox1", "BB_ConfigNumerWe0Re1"},      // inputs count from 1
                      MisnamedCase{"ScrollBox1", "BB_ConfigNumerWe1Re3"},      // two reactions only
                      MisnamedCase{"ScrollBox1", "BB_ConfigNumerWe12Re1"},     // one digit only
                      MisnamedCase{"ScrollBox1", "bb_confignumerwe1re1"},      // letter case counts
                      MisnamedCase{"ScrollBox1", "BB_ConfigNumerWe1Re1_"},     // nothing after r
                      MisnamedCase{"ScrollBox1", "BB_ConfigNumerWe1Rx1"},      // "Re" between the digits
                      MisnamedCase{"TabSheet4", "BB_ConfigNumerSpecWe7Re1"},   // six special slots
                      MisnamedCase{"TabSheet4", "BB_ConfigNumerSpecWeXRe2"},   // n is a digit
                      MisnamedCase{"ScrollBox1", "BBConfigWorkWe1Re0"},        // reactions count from 1
                      MisnamedCase{"ScrollBox1", "BBConfigWorkWe٣Re1"},        // a digit, but not 0..9
                      MisnamedCase{"GroupBox11", "BBConfigWorkSpecWe1Re"},     // no reaction
                      MisnamedCase{"TabSheet4", "BBConfigWorkSpecWe3Re12"}));  // one digit only

} // namespace
