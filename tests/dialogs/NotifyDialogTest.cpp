// The notification dialog opened from the inputs', the special inputs' and
// the output confirmations' buttons: caption, CLIP column, users, and the
// byte that OK stores; the users come from the window's edits as they are.

#include "ModalDriver.h"
#include "ReactionWindowTree.h"

#include <QCheckBox>
#include <QLabel>

#include <string>
#include <vector>

namespace {

// Typed key by key, Polish letters included, as the installer does.
void Type(QLineEdit& edit, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// User 1 named with a number, user 2 named without one, user 3 with a number
// but no name, user 4 with both.
void TypeUsers(ReactionWindowTree& tree) {
    Type(tree.Edit("Eosoba1"), QStringLiteral(u"Jan Wróbel"));
    Type(tree.Edit("Enruser1"), QStringLiteral("600100200"));
    Type(tree.Edit("Eosoba2"), QStringLiteral("Biuro"));
    Type(tree.Edit("Enruser3"), QStringLiteral("+48601"));
    Type(tree.Edit("Eosoba4"), QStringLiteral("Ochrona"));
    Type(tree.Edit("Enruser4"), QStringLiteral("997"));
}

QCheckBox& Box(QWidget& dialog, const std::string& name) {
    return *dialog.findChild<QCheckBox*>(QString::fromStdString(name));
}

bool ClipColumnVisible(QDialog& dialog) {
    bool visible = dialog.findChild<QLabel*>(QStringLiteral("Label6"))->isVisible();
    for (int k = 1; k <= UserCount; ++k)
        EXPECT_EQ(Box(dialog, "ChBUS" + std::to_string(k) + "Clip").isVisible(), visible) << k;
    return visible;
}

// The boxes read back as a byte: bit 2(k-1) SMS and bit 2k-1 CLIP of user k.
int ShownByte(QDialog& dialog) {
    int shown = 0;
    for (int k = 1; k <= UserCount; ++k) {
        if (Box(dialog, "ChBUS" + std::to_string(k) + "SMS").isChecked())
            shown |= 1 << (2 * k - 2);
        if (Box(dialog, "ChBUS" + std::to_string(k) + "Clip").isChecked())
            shown |= 1 << (2 * k - 1);
    }
    return shown;
}

struct NotifyCase {
    const char* Parent;
    const char* Button;
    std::size_t Offset; // the notification byte's place in the record
    Byte Start;
    Byte Shown; // what the boxes show at opening
    std::vector<const char*> Clicks;
    CloseBy Close;
    const char16_t* Caption;
    bool ClipColumn;
    Byte Stored;
};

void PrintTo(const NotifyCase& c, std::ostream* os) {
    *os << c.Button << " from 0x" << std::hex << int(c.Start);
}

class NotifyOpening : public ::testing::TestWithParam<NotifyCase> {};

TEST_P(NotifyOpening, ShowsTheByteAndStoresWhatOkLeaves) {
    const NotifyCase& c = GetParam();
    ReactionWindowTree tree;
    TypeUsers(tree);
    tree.At(c.Offset) = c.Start;
    QWidget& button = tree.Button(c.Parent, c.Button);
    const bool special = std::string_view(c.Button).starts_with("BBConfigWorkSpec");
    const NotifyUsers users = CurrentNotifyUsers(tree.Window);

    const bool stored = RunModal(
        [&] {
            return special ? EditSpecialNotify(tree.Notify, button, users, tree.Record)
                           : EditInputNotify(tree.Notify, button, users, tree.Record);
        },
        [&](QDialog& dialog) {
            EXPECT_EQ(&dialog, &tree.Notify);
            EXPECT_EQ(dialog.windowTitle(), QString::fromUtf16(c.Caption));
            EXPECT_EQ(ClipColumnVisible(dialog), c.ClipColumn);
            EXPECT_EQ(ShownByte(dialog), int(c.Shown));
            for (const char* name : c.Clicks)
                ClickBox(dialog, name);
            Close(dialog, c.Close);
        });

    EXPECT_EQ(stored, c.Close == CloseBy::Ok);
    EXPECT_EQ(int(tree.At(c.Offset)), int(c.Stored));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Openings, NotifyOpening,
    ::testing::Values(
        // Per case: the button and its byte's offset, the starting byte and what the boxes show;
        // the clicks and how the dialog is closed; the caption, the CLIP column, the byte after.
        // Input 4, reaction 2 is byte 64. User 2 has no number: OK clears bits 2 and 3.
        NotifyCase{"ScrollBox1", "BBConfigWorkWe4Re2", 64, 0x0D, 0x01,
                   {"ChBUS1Clip"}, CloseBy::Ok,
                   u"Reakcje Wejscie:4 Reakcja:2", true, 0x03},
        NotifyCase{"ScrollBox1", "BBConfigWorkWe1Re1", 57, 0x00, 0x00,
                   {"ChBUS2SMS", "ChBUS3SMS"}, CloseBy::Ok,
                   u"Reakcje Wejscie:1 Reakcja:1", true, 0x10},
        NotifyCase{"TabSheet4", "BBConfigWorkSpecWe3Re2", 94, 0x00, 0x00,
                   {"ChBUS4Clip"}, CloseBy::Ok,
                   u"Reakcja 2 Wejścia sabotażowego", true, 0x80},
        NotifyCase{"TabSheet4", "BBConfigWorkSpecWe5Re1", 97, 0xFF, 0xF3,
                   {}, CloseBy::Ok,
                   u"Reakcja 1 Wejścia blokującego", true, 0xF3},
        // Output 2 switched on (slot 2, reaction 1, byte 91): SMS only, and
        // the hidden CLIP bits of users 1 and 4 come back unchanged.
        NotifyCase{"GroupBox11", "BBConfigWorkSpecWe2Re1", 91, 0x82, 0x82,
                   {"ChBUS3SMS"}, CloseBy::Ok,
                   u"Reakcja 1 wyjścia 2", false, 0x92},
        NotifyCase{"GroupBox11", "BBConfigWorkSpecWe2Re2", 92, 0x0C, 0x00,
                   {}, CloseBy::Ok,
                   u"Reakcja 2 wyjścia 2", false, 0x00},
        NotifyCase{"GroupBox11", "BBConfigWorkSpecWe1Re2", 90, 0x01, 0x01,
                   {"ChBUS1SMS"}, CloseBy::Ok,
                   u"Reakcja 2 wyjścia 1", false, 0x00},
        // Cancelled: even user 2's bits, which OK would clear, stay.
        NotifyCase{"ScrollBox1", "BBConfigWorkWe8Re2", 72, 0x05, 0x01,
                   {"ChBUS1SMS"}, CloseBy::Anuluj,
                   u"Reakcje Wejscie:8 Reakcja:2", true, 0x05},
        NotifyCase{"GroupBox11", "BBConfigWorkSpecWe1Re1", 89, 0x0C, 0x00,
                   {"ChBUS4SMS"}, CloseBy::CloseBox,
                   u"Reakcja 1 wyjścia 1", false, 0x0C}));
// clang-format on

TEST(NotifyUsersShown, NamesAndNumbersAsTypedNotAsSaved) {
    ReactionWindowTree tree;
    TypeUsers(tree);
    // The record still holds older numbers: a number only user 2 had.
    tree.Record.UserPhone[1].assign("500");
    tree.Record.UserPhone[0].clear();
    tree.At(57) = 0xFF;
    const NotifyUsers users = CurrentNotifyUsers(tree.Window);
    ASSERT_NE(PrepareInputNotify(tree.Notify, tree.Button("ScrollBox1", "BBConfigWorkWe1Re1"),
                                 users, tree.Record),
              nullptr);

    const QStringList captions{QStringLiteral(u"Jan Wróbel"), QStringLiteral("Biuro"),
                               QStringLiteral(u"Użytkownik 3"), QStringLiteral("Ochrona")};
    const std::vector<bool> reachable{true, false, true, true};
    for (int k = 0; k < UserCount; ++k) {
        EXPECT_EQ(tree.Notify.Luser[k]->text(), captions[k]);
        EXPECT_EQ(tree.Notify.ChBUSSMS[k]->isEnabled(), reachable[k]) << k + 1;
        EXPECT_EQ(tree.Notify.ChBUSClip[k]->isEnabled(), reachable[k]) << k + 1;
        EXPECT_EQ(tree.Notify.ChBUSSMS[k]->isChecked(), reachable[k]) << k + 1;
    }

    // Typed a moment later, still unsaved: the next opening uses it.
    tree.Edit("Eosoba1").clear();
    Type(tree.Edit("Enruser2"), QStringLiteral("601"));
    PrepareInputNotify(tree.Notify, tree.Button("ScrollBox1", "BBConfigWorkWe1Re1"),
                       CurrentNotifyUsers(tree.Window), tree.Record);
    EXPECT_EQ(tree.Notify.Luser[0]->text(), QStringLiteral(u"Użytkownik 1"));
    EXPECT_TRUE(tree.Notify.ChBUSSMS[1]->isEnabled());
    EXPECT_TRUE(tree.Notify.ChBUSClip[1]->isChecked());
}

TEST(NotifyUsersShown, EditsAreFoundWhateverTheLetterCase) {
    QWidget window;
    auto* name = new QLineEdit(QStringLiteral("Magazyn"), &window);
    name->setObjectName(QStringLiteral("EOSOBA3"));
    auto* phone = new QLineEdit(QStringLiteral("123"), new QWidget(&window));
    phone->setObjectName(QStringLiteral("enruser3"));
    const NotifyUsers users = CurrentNotifyUsers(window);
    EXPECT_EQ(users[2].Name, QStringLiteral("Magazyn"));
    EXPECT_EQ(users[2].Phone, QStringLiteral("123"));
    EXPECT_TRUE(users[0].Name.isEmpty() && users[0].Phone.isEmpty());
}

// A name that looks like markup is a name like any other.
TEST(NotifyUsersShown, NamesAreNeverReadAsMarkup) {
    TFConfigWorkWeRe dialog;
    NotifyUsers users;
    users[0].Name = QStringLiteral("<b>Kowalski</b>");
    dialog.PrepareUsers(users);
    EXPECT_EQ(dialog.Luser[0]->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.Luser[0]->text(), users[0].Name);
}

// The output confirmations hide the CLIP column; the next opening for a
// special input must bring it back.
TEST(NotifyReuse, ClipColumnReturnsAfterAnOutputConfirmation) {
    ReactionWindowTree tree;
    TypeUsers(tree);
    const NotifyUsers users = CurrentNotifyUsers(tree.Window);
    auto open = [&](const char* parent, const char* name) {
        QWidget& button = tree.Button(parent, name);
        RunModal([&] { return EditSpecialNotify(tree.Notify, button, users, tree.Record); },
                 [&](QDialog& dialog) { Close(dialog, CloseBy::Ok); });
    };
    open("GroupBox11", "BBConfigWorkSpecWe2Re2");
    EXPECT_FALSE(tree.Notify.Label6->isVisibleTo(&tree.Notify));
    open("TabSheet4", "BBConfigWorkSpecWe3Re2");
    EXPECT_EQ(tree.Notify.windowTitle(), QStringLiteral(u"Reakcja 2 Wejścia sabotażowego"));
    EXPECT_TRUE(tree.Notify.Label6->isVisibleTo(&tree.Notify));
    for (QCheckBox* clip : tree.Notify.ChBUSClip)
        EXPECT_TRUE(clip->isVisibleTo(&tree.Notify));
}

} // namespace
