#pragma once
// The module's whole configuration as the program keeps it: the settings
// record (1228 bytes), the user notes (1128 bytes, kept only in settings
// files) and the module's 2048-byte memory image, with the defaults and the
// conversion between the record and the image.
//
// The two records are a stored format: settings files written earlier hold
// them byte for byte, reserved bytes included, so every field keeps its
// offset. Arrays are indexed from 0 here: input n, reaction r of the window
// and the module is element [n - 1][r - 1].

#include "ShortString.h"

#include <cstddef>
#include <cstdint>

using Byte = std::uint8_t;

constexpr int InputCount = 8;       // alarm inputs 1..8
constexpr int SpecialSlotCount = 6; // special slots 1..6 (outputs 1, 2, special inputs 3..6)
constexpr int ReactionCount = 2;    // each input reacts on both edges
constexpr int UserCount = 4;        // users who get SMS and CLIP calls
constexpr int OutputCount = 2;

struct TSettings {
    Byte InputReactionTime[InputCount];   // x 0.1 s
    Byte OutputOffTime[OutputCount];      // s
    Byte CallingTime;                     // s, stored in the image plus 15
    Byte RejectTime;                      // s
    Byte OptionFlags;                     // bits 0..5, see the window's option boxes
    Byte Reserved13;
    Byte SmsConfirmTime;                  // s
    Byte SmsSendAttempts;
    Byte InputLockTime[InputCount];       // x 10 s
    Byte ReportPeriod;                    // h
    Byte OutputOnCode[OutputCount][2];    // two characters, two zeros = no code
    Byte OutputOffCode[OutputCount][2];
    ShortString<4> SmsAccessCode;
    Byte ClipUserActions;
    Byte ClipUnknownActions;
    Byte Reserved40;
    Byte InputReaction[InputCount][ReactionCount];
    Byte InputNotify[InputCount][ReactionCount];
    Byte SpecialReaction[SpecialSlotCount][ReactionCount];
    Byte Reserved85[4];
    Byte SpecialNotify[SpecialSlotCount][ReactionCount];
    ShortString<7> Pin;
    ShortString<15> SmsCentre;
    ShortString<15> UserPhone[UserCount];
    ShortString<36> InputSmsText[InputCount][ReactionCount];
    ShortString<36> SpecialSmsText[SpecialSlotCount][ReactionCount];
    Byte ArmingTime;
    Byte InputDelayTime;
    Byte SirenTime;
};

struct TUserNote {
    ShortString<30> Name;
    ShortString<250> Notes; // line breaks stored as CR LF
};

struct TUserNotes {
    TUserNote User[UserCount];
};

struct TDeviceImage {
    static constexpr std::size_t Size = 2048;
    Byte Bytes[Size];
};

// The layout is the file format and the window's byte map: prove every offset.
static_assert(alignof(TSettings) == 1 && alignof(TUserNotes) == 1 && alignof(TDeviceImage) == 1);
static_assert(sizeof(TSettings) == 1228);
static_assert(offsetof(TSettings, InputReactionTime) == 0);
static_assert(offsetof(TSettings, OutputOffTime) == 8);
static_assert(offsetof(TSettings, CallingTime) == 10);
static_assert(offsetof(TSettings, RejectTime) == 11);
static_assert(offsetof(TSettings, OptionFlags) == 12);
static_assert(offsetof(TSettings, Reserved13) == 13);
static_assert(offsetof(TSettings, SmsConfirmTime) == 14);
static_assert(offsetof(TSettings, SmsSendAttempts) == 15);
static_assert(offsetof(TSettings, InputLockTime) == 16);
static_assert(offsetof(TSettings, ReportPeriod) == 24);
static_assert(offsetof(TSettings, OutputOnCode) == 25);
static_assert(offsetof(TSettings, OutputOffCode) == 29);
static_assert(offsetof(TSettings, SmsAccessCode) == 33);
static_assert(offsetof(TSettings, ClipUserActions) == 38);
static_assert(offsetof(TSettings, ClipUnknownActions) == 39);
static_assert(offsetof(TSettings, Reserved40) == 40);
static_assert(offsetof(TSettings, InputReaction) == 41);
static_assert(offsetof(TSettings, InputNotify) == 57);
static_assert(offsetof(TSettings, SpecialReaction) == 73);
static_assert(offsetof(TSettings, Reserved85) == 85);
static_assert(offsetof(TSettings, SpecialNotify) == 89);
static_assert(offsetof(TSettings, Pin) == 101);
static_assert(offsetof(TSettings, SmsCentre) == 109);
static_assert(offsetof(TSettings, UserPhone) == 125);
static_assert(offsetof(TSettings, InputSmsText) == 189);
static_assert(offsetof(TSettings, SpecialSmsText) == 781);
static_assert(offsetof(TSettings, ArmingTime) == 1225);
static_assert(offsetof(TSettings, InputDelayTime) == 1226);
static_assert(offsetof(TSettings, SirenTime) == 1227);
static_assert(sizeof(TUserNote) == 282 && offsetof(TUserNote, Notes) == 31);
static_assert(sizeof(TUserNotes) == 1128);
static_assert(sizeof(TDeviceImage) == 2048);

// The program's single instances, all zero at program start.
extern TSettings Settings;
extern TUserNotes UserNotes;
extern TDeviceImage DeviceImage;

// Writes the start-up values into a record; everything else keeps its bytes.
void SetDefaultSettings(TSettings& settings);
void SetDefaultSettings();

void ClearDeviceImage(TDeviceImage& image);
void ClearDeviceImage();

// Packs the record into the module's memory image (the image is rebuilt whole).
void SettingsToImage(const TSettings& settings, TDeviceImage& image);
void SettingsToImage();

// Takes back every field that the image carries; other bytes keep their values.
void ImageToSettings(const TDeviceImage& image, TSettings& settings);
void ImageToSettings();

// The checksum the module keeps at image byte 41 over bytes 2..40.
Byte ImageChecksum(const TDeviceImage& image);
bool ImageChecksumValid(const TDeviceImage& image);

// Byte offsets in the module's image.
namespace ImageOffset {
constexpr std::size_t Marker = 0;            // 0xFF 0xFF
constexpr std::size_t ReactionTime = 2;
constexpr std::size_t OutputOffTime = 10;
constexpr std::size_t CallingTime = 12;
constexpr std::size_t RejectTime = 13;
constexpr std::size_t OptionFlags = 14;
constexpr std::size_t SmsConfirmTime = 15;
constexpr std::size_t SmsSendAttempts = 16;  // and again at 17
constexpr std::size_t SmsSendAttemptsRead = 17;
constexpr std::size_t LockTime = 18;
constexpr std::size_t ReportPeriod = 26;
constexpr std::size_t OutputOnCode = 27;     // then the two off codes, 2 bytes each
constexpr std::size_t SmsAccessCode = 35;
constexpr std::size_t ClipUserActions = 39;
constexpr std::size_t ClipUnknownActions = 40;
constexpr std::size_t Checksum = 41;
constexpr std::size_t ChecksumFirst = 2;
constexpr std::size_t ChecksumLast = 40;
constexpr std::size_t InputPairs = 42;       // reaction 1 of inputs, then reaction 2
constexpr std::size_t SpecialPairs = 74;     // reaction 1 of slots, then reaction 2
constexpr std::size_t Pin = 98;
constexpr std::size_t SmsCentre = 105;
constexpr std::size_t UserPhone = 120;       // four slots of NumberSlot bytes
constexpr std::size_t NumberSlot = 15;
constexpr std::size_t InputTexts = 180;      // reaction 1 of inputs, then reaction 2
constexpr std::size_t SpecialTexts = 756;    // reaction 1 of slots, then reaction 2
constexpr std::size_t TextSlot = 36;
constexpr std::size_t ArmingTime = 1190;
constexpr std::size_t InputDelayTime = 1191;
constexpr std::size_t SirenTime = 1192;
} // namespace ImageOffset

// The longest SMS-centre or phone number packed into the image: the quotes and
// 13 characters fill the 15-byte slot, and the closing zero falls on the next
// slot's first byte, which that slot's own opening quote (or zero) replaces.
// A longer number from a file would spill its quote into the next slot and
// damage that number, so it is packed cut to this length.
constexpr std::size_t MaxPackedNumberLength = 13;
