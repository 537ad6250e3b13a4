// Packing the record into the module's memory image and back.

#include "Udecl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

namespace O = ImageOffset;

TSettings Defaults() {
    TSettings s{};
    SetDefaultSettings(s);
    return s;
}

TDeviceImage Pack(const TSettings& s) {
    TDeviceImage image;
    std::memset(image.Bytes, 0x5A, sizeof image.Bytes); // packing must rebuild every byte
    SettingsToImage(s, image);
    return image;
}

TSettings Unpack(const TDeviceImage& image, TSettings s = Defaults()) {
    ImageToSettings(image, s);
    return s;
}

std::string At(const TDeviceImage& image, std::size_t from, std::size_t count) {
    return std::string(reinterpret_cast<const char*>(image.Bytes + from), count);
}

TEST(SettingsToImage, DefaultsGiveTheKnownImage) {
    const TDeviceImage image = Pack(Defaults());
    const std::vector<Byte> head = {0xFF, 0xFF, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0x0F, 0, 0, 0, 0, 0,
                                    1,    1,    1, 1, 1, 1, 1, 1};
    for (std::size_t i = 0; i < 2048; ++i) {
        Byte want = 0;
        if (i < head.size())
            want = head[i];
        else if (i == O::Checksum)
            want = 0xE0;
        else if (i >= 42 && i <= 97)
            want = i % 2 ? 0x80 : 0x00;
        else if (i >= 1190 && i <= 1192)
            want = 1;
        EXPECT_EQ(image.Bytes[i], want) << "image byte " << i;
    }
    EXPECT_TRUE(ImageChecksumValid(image));
}

struct FieldCase {
    const char* name;
    std::function<void(TSettings&)> edit;
    std::function<void(const TDeviceImage&)> checkImage;
    std::function<void(const TSettings& written, const TSettings& read)> checkRead;
};

const std::string Number13 = "+486010003101";
const std::string Text36 = "abcdefghijklmnopqrstuvwxyz0123456789";

const FieldCase FieldCases[] = {
    {"CallingTimeIsStoredPlus15WithWrap", [](TSettings& s) { s.CallingTime = 250; },
     [](const TDeviceImage& i) { EXPECT_EQ(i.Bytes[O::CallingTime], 9); },
     [](const TSettings&, const TSettings& r) { EXPECT_EQ(r.CallingTime, 250); }},
    {"SendAttemptsAreStoredTwice", [](TSettings& s) { s.SmsSendAttempts = 5; },
     [](const TDeviceImage& i) {
         EXPECT_EQ(i.Bytes[16], 5);
         EXPECT_EQ(i.Bytes[17], 5);
     },
     [](const TSettings&, const TSettings& r) { EXPECT_EQ(r.SmsSendAttempts, 5); }},
    {"PairsGoReactionFirstNotificationBeforeReaction",
     [](TSettings& s) {
         s.InputNotify[2][1] = 0x11;   // input 3, reaction 2
         s.InputReaction[2][1] = 0x22;
         s.SpecialNotify[4][0] = 0x33; // slot 5, reaction 1
         s.SpecialReaction[4][0] = 0x44;
         s.SpecialReaction[5][1] = 0x55; // slot 6, reaction 2
     },
     [](const TDeviceImage& i) {
         EXPECT_EQ(i.Bytes[56 + 2 * 3], 0x11);
         EXPECT_EQ(i.Bytes[57 + 2 * 3], 0x22);
         EXPECT_EQ(i.Bytes[72 + 2 * 5], 0x33);
         EXPECT_EQ(i.Bytes[73 + 2 * 5], 0x44);
         EXPECT_EQ(i.Bytes[85 + 2 * 6], 0x55);
     },
     [](const TSettings& w, const TSettings& r) {
         EXPECT_EQ(std::memcmp(w.InputReaction, r.InputReaction, 16), 0);
         EXPECT_EQ(std::memcmp(w.SpecialNotify, r.SpecialNotify, 12), 0);
         EXPECT_EQ(std::memcmp(w.SpecialReaction, r.SpecialReaction, 12), 0);
     }},
    {"TwelveCharacterSmsCentreIsQuotedInItsSlot",
     [](TSettings& s) { s.SmsCentre.assign("+48601000310"); },
     [](const TDeviceImage& i) {
         EXPECT_EQ(At(i, 105, 15), std::string("\"+48601000310\"\0", 15));
     },
     [](const TSettings&, const TSettings& r) { EXPECT_EQ(r.SmsCentre.view(), "+48601000310"); }},
    {"ThirteenCharacterPhoneMeetsTheNextOpeningQuote",
     [](TSettings& s) {
         s.UserPhone[0].assign(Number13);
         s.UserPhone[1].assign("600700800");
     },
     [](const TDeviceImage& i) {
         EXPECT_EQ(At(i, 120, 15), "\"" + Number13 + "\"");
         EXPECT_EQ(i.Bytes[135], '"');
     },
     [](const TSettings&, const TSettings& r) {
         EXPECT_EQ(r.UserPhone[0].view(), Number13);
         EXPECT_EQ(r.UserPhone[1].view(), "600700800");
     }},
    {"ThirteenCharacterLastPhoneBeforeAnEmptyText",
     [](TSettings& s) { s.UserPhone[3].assign(Number13); },
     [](const TDeviceImage& i) { EXPECT_EQ(i.Bytes[O::InputTexts], 0); },
     [](const TSettings&, const TSettings& r) {
         EXPECT_EQ(r.UserPhone[3].view(), Number13);
         EXPECT_TRUE(r.InputSmsText[0][0].empty());
     }},
    // A 15-character number from a file is packed cut to 13 characters so its
    // quote and zero never land in the next number's slot.
    {"FifteenCharacterNumbersNeverSpillIntoTheNextSlot",
     [](TSettings& s) {
         s.SmsCentre.assign("123456789012345");
         s.UserPhone[1].assign("abcdefghijklmn");
         s.InputSmsText[0][0].assign("Alarm");
     },
     [](const TDeviceImage& i) {
         EXPECT_EQ(At(i, 105, 15), "\"1234567890123\"");
         EXPECT_EQ(i.Bytes[120], 0);
         EXPECT_EQ(At(i, 135, 15), "\"abcdefghijklm\"");
         EXPECT_EQ(i.Bytes[150], 0);
     },
     [](const TSettings&, const TSettings& r) {
         EXPECT_EQ(r.SmsCentre.view(), "1234567890123");
         EXPECT_TRUE(r.UserPhone[0].empty());
         EXPECT_EQ(r.UserPhone[1].view(), "abcdefghijklm");
         EXPECT_TRUE(r.UserPhone[2].empty());
         EXPECT_EQ(r.InputSmsText[0][0].view(), "Alarm");
     }},
    {"FourCharacterPin", [](TSettings& s) { s.Pin.assign("1234"); },
     [](const TDeviceImage& i) { EXPECT_EQ(At(i, 98, 7), std::string("\"1234\"\0", 7)); },
     [](const TSettings&, const TSettings& r) { EXPECT_EQ(r.Pin.view(), "1234"); }},
    {"TwoCharacterPinBringsItsStaleCharacters",
     [](TSettings& s) {
         s.Pin.assign("9876");
         s.Pin.assign("12");
     },
     [](const TDeviceImage& i) { EXPECT_EQ(At(i, 98, 7), std::string("\"1276\"\0", 7)); },
     [](const TSettings&, const TSettings& r) { EXPECT_EQ(r.Pin.view(), "1276"); }},
    {"EmptyPinLeavesItsSlotZero",
     [](TSettings& s) {
         s.Pin.assign("1234");
         s.Pin.clear();
     },
     [](const TDeviceImage& i) { EXPECT_EQ(At(i, 98, 7), std::string(7, '\0')); },
     [](const TSettings&, const TSettings& r) { EXPECT_TRUE(r.Pin.empty()); }},
    {"EmptyAccessCodeStillSendsItsFourStaleCharacters",
     [](TSettings& s) {
         s.SmsAccessCode.assign("4321");
         s.SmsAccessCode.clear();
     },
     [](const TDeviceImage& i) { EXPECT_EQ(At(i, 35, 4), "4321"); },
     [](const TSettings&, const TSettings& r) { EXPECT_EQ(r.SmsAccessCode.view(), "4321"); }},
    {"NeverUsedAccessCodeReadsBackAsFourZeros", [](TSettings&) {},
     [](const TDeviceImage& i) { EXPECT_EQ(At(i, 35, 4), std::string(4, '\0')); },
     [](const TSettings&, const TSettings& r) {
         EXPECT_EQ(r.SmsAccessCode.view(), std::string(4, '\0'));
     }},
    {"CodesKeepTheirOrder",
     [](TSettings& s) {
         std::memcpy(s.OutputOnCode[0], "A1", 2);
         std::memcpy(s.OutputOnCode[1], "B2", 2);
         std::memcpy(s.OutputOffCode[0], "C3", 2);
         std::memcpy(s.OutputOffCode[1], "D4", 2);
     },
     [](const TDeviceImage& i) { EXPECT_EQ(At(i, 27, 8), "A1B2C3D4"); },
     [](const TSettings& w, const TSettings& r) {
         EXPECT_EQ(std::memcmp(w.OutputOnCode, r.OutputOnCode, 8), 0);
     }},
    {"FullTextsSideBySideReadBackWhole",
     [](TSettings& s) {
         s.InputSmsText[0][0].assign(Text36);
         s.InputSmsText[1][0].assign("Drugi");
         s.SpecialSmsText[5][1].assign(Text36);
     },
     [](const TDeviceImage& i) {
         EXPECT_EQ(At(i, 180, 36), Text36);
         EXPECT_EQ(At(i, 216, 6), std::string("Drugi\0", 6));
         EXPECT_EQ(At(i, 1152, 36), Text36);
         EXPECT_EQ(i.Bytes[1188], 0);
     },
     [](const TSettings&, const TSettings& r) {
         EXPECT_EQ(r.InputSmsText[0][0].view(), Text36);
         EXPECT_EQ(r.InputSmsText[1][0].view(), "Drugi");
         EXPECT_EQ(r.SpecialSmsText[5][1].view(), Text36);
     }},
    {"TimesAtTheEnd",
     [](TSettings& s) {
         s.ArmingTime = 7;
         s.InputDelayTime = 8;
         s.SirenTime = 9;
     },
     [](const TDeviceImage& i) { EXPECT_EQ(At(i, 1190, 3), "\x07\x08\x09"); },
     [](const TSettings&, const TSettings& r) {
         EXPECT_EQ(r.ArmingTime, 7);
         EXPECT_EQ(r.InputDelayTime, 8);
         EXPECT_EQ(r.SirenTime, 9);
     }},
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class FieldPacking : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldPacking, PacksAndReadsBack) {
    TSettings s = Defaults();
    GetParam().edit(s);
    const TDeviceImage image = Pack(s);
    GetParam().checkImage(image);
    EXPECT_TRUE(ImageChecksumValid(image));
    for (std::size_t i = 1193; i < 2048; ++i)
        ASSERT_EQ(image.Bytes[i], 0) << "image byte " << i;
    GetParam().checkRead(s, Unpack(image));
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldPacking, ::testing::ValuesIn(FieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImageToSettings, ReadsTheSecondCopyOfSendAttempts) {
    TDeviceImage image = Pack(Defaults());
    image.Bytes[16] = 7;
    image.Bytes[17] = 5;
    EXPECT_EQ(Unpack(image).SmsSendAttempts, 5);
}

TEST(ImageToSettings, ADamagedChecksumIsReadLikeAnyOther) {
    TSettings s = Defaults();
    s.RejectTime = 42;
    TDeviceImage image = Pack(s);
    image.Bytes[O::Checksum] ^= 0xFF;
    EXPECT_FALSE(ImageChecksumValid(image));
    EXPECT_EQ(Unpack(image).RejectTime, 42);
}

TEST(ImageToSettings, LeavesReservedBytesAndStaleCharactersAlone) {
    TSettings before = Defaults();
    before.Reserved13 = 1;
    before.Reserved40 = 2;
    std::memset(before.Reserved85, 3, 4);
    before.InputSmsText[3][1].assign("stary tekst");
    const TSettings after = Unpack(Pack(Defaults()), before);
    EXPECT_EQ(after.Reserved13, 1);
    EXPECT_EQ(after.Reserved40, 2);
    EXPECT_EQ(after.Reserved85[3], 3);
    EXPECT_EQ(after.InputSmsText[3][1].Len, 0);
    EXPECT_EQ(std::memcmp(after.InputSmsText[3][1].Chars, "stary tekst", 11), 0);
}

// Scans of a damaged image stop at its end instead of running past it.
TEST(ImageToSettings, UnterminatedScansStopAtTheEndOfTheImage) {
    TDeviceImage image{};
    std::memset(image.Bytes, 'x', sizeof image.Bytes);
    image.Bytes[O::UserPhone + O::NumberSlot * 3] = '"'; // no closing quote follows
    const TSettings s = Unpack(image);
    EXPECT_TRUE(s.SmsCentre.empty());
    EXPECT_EQ(s.UserPhone[3].view(), std::string(15, 'x'));
    EXPECT_EQ(s.SpecialSmsText[5][1].view(), std::string(36, 'x'));
    EXPECT_TRUE(s.Pin.empty());
}

// Random records that stay within what the module holds come back unchanged,
// and packing what was read gives the same image again.
TEST(RoundTrip, RandomRecordsWithinTheModulesLimitsComeBack) {
    std::mt19937 rng(20261211);
    auto byte = [&] { return static_cast<Byte>(rng()); };
    // Any characters but the quote and the zero, which end a scan.
    auto text = [&](std::size_t maxLength) {
        std::string t(rng() % (maxLength + 1), ' ');
        for (char& c : t) {
            const Byte b = static_cast<Byte>(1 + rng() % 255);
            c = static_cast<char>(b == '"' ? '#' : b);
        }
        return t;
    };
    for (int round = 0; round < 200; ++round) {
        TSettings s{};
        auto* raw = reinterpret_cast<Byte*>(&s);
        for (std::size_t i = 0; i < sizeof s; ++i)
            raw[i] = byte();
        s.SmsAccessCode.assign(std::string(4, 'a' + round % 26));
        s.Pin.assign(round % 3 ? text(0) + "4711" : "");
        s.SmsCentre.assign(text(13));
        for (auto& phone : s.UserPhone)
            phone.assign(text(13));
        for (auto& texts : s.InputSmsText)
            for (auto& t : texts)
                t.assign(text(36));
        for (auto& texts : s.SpecialSmsText)
            for (auto& t : texts)
                t.assign(text(36));

        const TDeviceImage image = Pack(s);
        const TSettings back = Unpack(image, s);
        ASSERT_EQ(std::memcmp(&back, &s, sizeof s), 0) << "round " << round;
        const TDeviceImage again = Pack(back);
        ASSERT_EQ(std::memcmp(again.Bytes, image.Bytes, sizeof image.Bytes), 0);
    }
}

} // namespace
