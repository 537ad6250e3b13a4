// The copy between the records and the controls: a full round trip that
// leaves the bytes no control edits alone, and the rules of single fields.

#include "WindowFixture.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include <cstring>

namespace {

template <std::size_t N>
void SetText(ShortString<N>& s, std::string_view text, char stale) {
    std::memset(s.Chars, stale, N);
    s.assign(text);
}

// Every field away from its default, within the controls' limits and
// consistent with the rules (options on where they keep their codes, at
// most one CLIP action per output). Character bytes after each text hold
// stale letters that must survive.
TSettings FullRecord() {
    TSettings s{};
    for (int n = 0; n < InputCount; ++n) {
        s.InputReactionTime[n] = static_cast<Byte>(20 + n);
        s.InputLockTime[n] = static_cast<Byte>(100 + n);
        for (int r = 0; r < ReactionCount; ++r) {
            s.InputReaction[n][r] = static_cast<Byte>(0x11 + n + r);
            s.InputNotify[n][r] = static_cast<Byte>(0xA0 + n + r);
            SetText(s.InputSmsText[n][r], "Alarm wejście " + std::to_string(n) + "/" + std::to_string(r), 'q');
        }
    }
    for (int n = 0; n < SpecialSlotCount; ++n)
        for (int r = 0; r < ReactionCount; ++r) {
            s.SpecialReaction[n][r] = static_cast<Byte>(0x20 + n + r);
            s.SpecialNotify[n][r] = static_cast<Byte>(0x40 + n + r);
            SetText(s.SpecialSmsText[n][r], "Specjalne " + std::to_string(n) + std::to_string(r), 'w');
        }
    s.SpecialReaction[4][1] = 0x27; // bit 0: the arming-time box on
    s.OutputOffTime[0] = 30;
    s.OutputOffTime[1] = 250;
    s.CallingTime = 240;
    s.RejectTime = 17;
    s.OptionFlags = 0x3F;
    s.Reserved13 = 0xAB;
    s.SmsConfirmTime = 99;
    s.SmsSendAttempts = 7;
    s.ReportPeriod = 24;
    std::memcpy(s.OutputOnCode, "ZaZb", 4);
    std::memcpy(s.OutputOffCode, "WaWb", 4);
    SetText(s.SmsAccessCode, "4321", 'e');
    s.ClipUserActions = 0xC3;    // 0, 1, 6, 7
    s.ClipUnknownActions = 0xB0; // 4, 5, 7
    s.Reserved40 = 0xCD;
    std::memset(s.Reserved85, 0xEF, sizeof s.Reserved85);
    SetText(s.Pin, "1234", 'r');
    SetText(s.SmsCentre, "+48123456789", 't');
    for (int k = 0; k < UserCount; ++k)
        SetText(s.UserPhone[k], "+4860000000" + std::to_string(k), 'y');
    s.ArmingTime = 200;
    s.InputDelayTime = 201;
    s.SirenTime = 202;
    return s;
}

bool SameBytes(const TSettings& a, const TSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

using ShowStore = WindowTest;

// The record as it is before a store: everything a control writes is wiped
// (numbers 0, text lengths 0, the arming bit clear), everything else (the
// reserved bytes, the dialogs' bytes, the characters after each text) kept.
TSettings WithoutControlFields(TSettings s) {
    auto unlen = [](auto& text) { text.Len = 0; };
    for (auto& row : s.InputSmsText)
        for (auto& t : row)
            unlen(t);
    for (auto& row : s.SpecialSmsText)
        for (auto& t : row)
            unlen(t);
    for (auto& p : s.UserPhone)
        unlen(p);
    unlen(s.Pin);
    unlen(s.SmsCentre);
    unlen(s.SmsAccessCode);
    std::memset(s.InputReactionTime, 0, sizeof s.InputReactionTime);
    std::memset(s.InputLockTime, 0, sizeof s.InputLockTime);
    std::memset(s.OutputOffTime, 0, sizeof s.OutputOffTime);
    std::memset(s.OutputOnCode, 0, sizeof s.OutputOnCode);
    std::memset(s.OutputOffCode, 0, sizeof s.OutputOffCode);
    for (Byte* b : {&s.CallingTime, &s.RejectTime, &s.OptionFlags, &s.SmsConfirmTime, &s.SmsSendAttempts,
                    &s.ReportPeriod, &s.ClipUserActions, &s.ClipUnknownActions, &s.ArmingTime,
                    &s.InputDelayTime, &s.SirenTime})
        *b = 0;
    s.SpecialReaction[4][1] &= 0xFE;
    return s;
}

TEST_F(ShowStore, RoundTripOfAFullRecordChangesNoByte) {
    const TSettings full = FullRecord();
    Settings = full;
    window->ShowSettings();
    window->ShowUserNotes();
    Settings = WithoutControlFields(full);
    ASSERT_FALSE(SameBytes(Settings, full));
    window->StoreSettings();
    for (std::size_t i = 0; i < sizeof(TSettings); ++i)
        EXPECT_EQ(reinterpret_cast<const Byte*>(&Settings)[i], reinterpret_cast<const Byte*>(&full)[i])
            << "byte " << i;
}

TEST_F(ShowStore, UserNotesRoundTripAndTheirLimits) {
    for (int k = 0; k < UserCount; ++k) {
        SetText(UserNotes.User[k].Name, "Jan Kowalski " + std::to_string(k), 'n');
        SetText(UserNotes.User[k].Notes, "brama\r\ngara\xBF " + std::to_string(k), 'm'); // ż
    }
    const TUserNotes before = UserNotes;
    window->ShowUserNotes();
    EXPECT_EQ(Found<QPlainTextEdit>("Muser2")->toPlainText(), QStringLiteral("brama\ngaraż 1"));
    UserNotes = TUserNotes{};
    for (int k = 0; k < UserCount; ++k) { // stale bytes of the stored-into record
        std::memcpy(UserNotes.User[k].Name.Chars, before.User[k].Name.Chars, 30);
        std::memcpy(UserNotes.User[k].Notes.Chars, before.User[k].Notes.Chars, 250);
    }
    window->StoreUserNotes();
    EXPECT_EQ(std::memcmp(&UserNotes, &before, sizeof before), 0);

    // 300 characters with line breaks: the first 250 bytes, CR LF counting two.
    QString notes;
    for (int line = 0; notes.size() < 300; ++line)
        notes += QStringLiteral("linia %1 ").arg(line, 3, 10, QChar('0')) + QChar('\n');
    Found<QPlainTextEdit>("Muser1")->setPlainText(notes.left(300));
    window->StoreUserNotes();
    QString crlf = notes.left(300);
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    EXPECT_EQ(UserNotes.User[0].Notes.Len, 250);
    EXPECT_EQ(QString::fromLatin1(UserNotes.User[0].Notes.view().data(), 250), crlf.left(250));
}

TEST_F(ShowStore, TwoCharacterCodes) {
    const struct {
        Byte stored[2];
        const char* shown;
    } show[] = {{{'A', 0}, ""}, {{0, 'B'}, ""}, {{'A', 'B'}, "AB"}, {{0, 0}, ""}};
    Settings.OptionFlags = 0x01;
    for (const auto& c : show) {
        std::memcpy(Settings.OutputOnCode[0], c.stored, 2);
        window->ShowSettings();
        EXPECT_EQ(Edit("EZalWy1")->text(), QString::fromLatin1(c.shown));
        window->StoreSettings();
        const bool whole = c.stored[0] && c.stored[1];
        EXPECT_EQ(Settings.OutputOnCode[0][0], whole ? c.stored[0] : 0);
        EXPECT_EQ(Settings.OutputOnCode[0][1], whole ? c.stored[1] : 0);
    }
    const struct {
        const char* typed;
        Byte stored[2];
    } store[] = {{"", {0, 0}}, {"X", {0, 0}}, {"XY", {'X', 'Y'}}, {"ż!", {0xBF, '!'}}};
    for (const auto& c : store) {
        Edit("EwylWy1")->setText(QString::fromUtf8(c.typed));
        window->StoreSettings();
        EXPECT_EQ(Settings.OutputOffCode[0][0], c.stored[0]) << c.typed;
        EXPECT_EQ(Settings.OutputOffCode[0][1], c.stored[1]) << c.typed;
    }
}

TEST_F(ShowStore, TextsAreShownWholeAndStoredUpToTheirFieldsWidth) {
    const std::string text36(36, 'S');
    Settings.InputSmsText[2][1].assign(text36);
    window->ShowSettings();
    EXPECT_EQ(Edit("ETSMS_We3_Re2")->text().size(), 36);
    window->StoreSettings();
    EXPECT_EQ(Settings.InputSmsText[2][1].str(), text36);

    // A shorter text overwrites only its own characters.
    Settings.SpecialSmsText[0][0].assign("ABCDEF");
    Edit("ETSpecSMS_We1_Re1")->setText(QStringLiteral("xy"));
    window->StoreSettings();
    EXPECT_EQ(Settings.SpecialSmsText[0][0].Len, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Settings.SpecialSmsText[0][0].Chars), 6), "xyCDEF");

    // Each field's own width: PIN 7, number 15, access code 4, name 30.
    Check("ChBFlags_5")->setChecked(true);
    Edit("EPin")->setText(QStringLiteral("123456789"));
    Edit("Ecsms")->setText(QStringLiteral("+4812345678901234"));
    Edit("Enruser4")->setText(QStringLiteral("12345678901234567"));
    Edit("EPINMOD")->setText(QStringLiteral("123456"));
    Edit("Eosoba1")->setText(QString(40, QChar(u'ł')));
    window->StoreSettings();
    window->StoreUserNotes();
    EXPECT_EQ(Settings.Pin.str(), "1234567");
    EXPECT_EQ(Settings.SmsCentre.str(), "+48123456789012");
    EXPECT_EQ(Settings.UserPhone[3].str(), "123456789012345");
    EXPECT_EQ(Settings.SmsAccessCode.str(), "1234");
    EXPECT_EQ(UserNotes.User[0].Name.str(), std::string(30, '\xB3'));
}

TEST_F(ShowStore, SmsCentreShowsTheOperatorWhoseNumberIsStoredExactly) {
    const struct {
        const char* number;
        const char* entry;
    } cases[] = {{"+48601000310", "PLUS"}, {"+48602951111", "ERA"}, {"+48501200777", "IDEA"},
                 {"+486029511112", "inne"}, {"", "inne"},            {"+48111", "inne"}};
    auto* centre = Found<QComboBox>("CBcentrum");
    for (const auto& c : cases) {
        Settings.SmsCentre.assign(c.number);
        window->ShowSettings();
        EXPECT_EQ(centre->currentText(), QString::fromLatin1(c.entry)) << c.number;
        EXPECT_EQ(Edit("Ecsms")->text(), QString::fromLatin1(c.number)) << "the stored number stays";
    }
}

TEST_F(ShowStore, ChoosingAnOperatorReplacesTheNumber) {
    ShowActive();
    auto* centre = Found<QComboBox>("CBcentrum");
    Edit("Ecsms")->setText(QStringLiteral("+48999"));
    centre->setFocus();
    QTest::keyClick(centre, Qt::Key_Up); // from "inne" to "IDEA", as the installer does
    EXPECT_EQ(centre->currentText(), QStringLiteral("IDEA"));
    EXPECT_EQ(Edit("Ecsms")->text(), QStringLiteral("+48501200777"));
    QTest::keyClick(centre, Qt::Key_Down);
    EXPECT_EQ(centre->currentText(), QStringLiteral("inne"));
    EXPECT_TRUE(Edit("Ecsms")->text().isEmpty());
}

TEST_F(ShowStore, ZeroBytesShowAndStoreAsTheLowerLimits) {
    Settings.CallingTime = 0;
    Settings.SmsConfirmTime = 0;
    Settings.SirenTime = 0;
    window->ShowSettings();
    EXPECT_EQ(Spin("SEcallingTimer")->Value(), 1);
    window->StoreSettings();
    EXPECT_EQ(Settings.CallingTime, 1);
    EXPECT_EQ(Settings.SmsConfirmTime, 10);
    EXPECT_EQ(Settings.SirenTime, 1);
}

TEST_F(ShowStore, OptionBitsSixAndSevenAreCleared) {
    Settings.OptionFlags = 0xC1;
    window->ShowSettings();
    EXPECT_TRUE(Check("ChBFlags_0")->isChecked());
    window->StoreSettings();
    EXPECT_EQ(Settings.OptionFlags, 0x01);
}

TEST_F(ShowStore, ArmingTimeBoxWritesBitZeroAlone) {
    const struct {
        bool box;
        Byte stored;
    } cases[] = {{false, 0x88}, {true, 0x89}};
    for (const auto& c : cases) {
        Settings.SpecialReaction[4][1] = 0x89;
        window->ShowSettings();
        EXPECT_TRUE(Check("CHB_funkcjaczaswy")->isChecked());
        Check("CHB_funkcjaczaswy")->setChecked(c.box);
        window->StoreSettings();
        EXPECT_EQ(Settings.SpecialReaction[4][1], c.stored);
    }
}

TEST_F(ShowStore, HiddenBitSevenOfUnknownCallersIsCarried) {
    Settings.ClipUnknownActions = 0x80;
    window->ShowSettings();
    Settings.ClipUnknownActions = 0;
    window->StoreSettings();
    EXPECT_EQ(Settings.ClipUnknownActions, 0x80);
}

TEST_F(ShowStore, ClipBitsShowWithTheirExclusions) {
    const struct {
        const char* prefix;
        Byte TSettings::*field;
    } groups[] = {{"ChbClipVerif", &TSettings::ClipUserActions},
                  {"ChBClipNotVerif", &TSettings::ClipUnknownActions}};
    for (const auto& g : groups) {
        SetUp();
        Settings.*(g.field) = 0x01;
        window->ShowSettings();
        const QString p = QString::fromLatin1(g.prefix);
        EXPECT_TRUE(Check(p + "0")->isChecked());
        for (const char* d : {"2", "4"}) {
            EXPECT_FALSE(Check(p + d)->isChecked()) << g.prefix << d;
            EXPECT_FALSE(Check(p + d)->isEnabled()) << g.prefix << d;
        }
        for (const char* d : {"1", "3", "5"})
            EXPECT_TRUE(Check(p + d)->isEnabled()) << g.prefix << d;
    }
}

TEST_F(ShowStore, AccessCodeOfAnOptionThatIsOffIsEmptiedAndStoredEmpty) {
    Settings.OptionFlags = 0x00;
    Settings.SmsAccessCode.assign("9876");
    window->ShowSettings();
    EXPECT_TRUE(Edit("EPINMOD")->text().isEmpty());
    EXPECT_FALSE(Edit("EPINMOD")->isEnabled());
    window->StoreSettings();
    EXPECT_EQ(Settings.SmsAccessCode.Len, 0);
    EXPECT_EQ(Settings.SmsAccessCode.Chars[0], '9') << "only the length is cleared";
}

} // namespace
