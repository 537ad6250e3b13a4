// The record's start-up values.

#include "Udecl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

const Byte* Raw(const TSettings& s) { return reinterpret_cast<const Byte*>(&s); }

TEST(Defaults, OnAZeroRecordExactlyTheStartUpBytesAreSet) {
    TSettings s{};
    SetDefaultSettings(s);

    std::set<std::size_t> expectedOnes;
    for (std::size_t i = 0; i <= 7; ++i) expectedOnes.insert(i);
    for (std::size_t i = 16; i <= 23; ++i) expectedOnes.insert(i);
    for (std::size_t i = 1225; i <= 1227; ++i) expectedOnes.insert(i);
    std::set<std::size_t> expectedInactive;
    for (std::size_t i = 41; i <= 56; ++i) expectedInactive.insert(i);
    for (std::size_t i = 73; i <= 84; ++i) expectedInactive.insert(i);

    int nonZero = 0;
    for (std::size_t i = 0; i < sizeof s; ++i) {
        const Byte want = expectedOnes.count(i) ? 1 : expectedInactive.count(i) ? 0x80 : 0;
        EXPECT_EQ(Raw(s)[i], want) << "byte " << i;
        nonZero += Raw(s)[i] != 0;
    }
    EXPECT_EQ(nonZero, 47);
}

TEST(Defaults, OnlyLengthsOfTextsAreClearedAndUnlistedFieldsKeepTheirValues) {
    TSettings s{};
    s.InputSmsText[0][0].assign("ABC");
    s.SmsCentre.assign("+48601000310");
    s.Pin.assign("1234");
    s.CallingTime = 77;
    s.Reserved13 = 5;
    s.OptionFlags = 0x21;
    TUserNotes notes{};
    notes.User[2].Name.assign("Jan");
    UserNotes = notes;

    SetDefaultSettings(s);

    EXPECT_EQ(s.InputSmsText[0][0].Len, 0);
    EXPECT_EQ(std::memcmp(s.InputSmsText[0][0].Chars, "ABC", 3), 0);
    EXPECT_EQ(s.Pin.Len, 0);
    EXPECT_EQ(std::memcmp(s.Pin.Chars, "1234", 4), 0);
    EXPECT_EQ(s.SmsCentre.view(), "+48601000310");
    EXPECT_EQ(s.CallingTime, 77);
    EXPECT_EQ(s.Reserved13, 5);
    EXPECT_EQ(s.OptionFlags, 0x21);
    EXPECT_EQ(UserNotes.User[2].Name.view(), "Jan");
}

TEST(ShortStringAccess, AnOverlongLengthByteNeverReachesPastTheField) {
    struct {
        ShortString<4> field;
        Byte guard[4];
    } record{};
    record.field.Len = 200;
    std::memset(record.guard, 0xAA, sizeof record.guard);
    EXPECT_EQ(record.field.length(), 4u);
    EXPECT_EQ(record.field.view().size(), 4u);
    EXPECT_FALSE(record.field.append('x'));
    record.field.assign("abcdefgh");
    EXPECT_EQ(record.field.view(), "abcd");
    for (Byte g : record.guard)
        EXPECT_EQ(g, 0xAA);
}

} // namespace
