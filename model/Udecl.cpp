// Defaults of the settings record and the packing of the record into the
// module's memory image and back.

#include "Udecl.h"

#include <algorithm>
#include <cstring>

TSettings Settings{};
TUserNotes UserNotes{};
TDeviceImage DeviceImage{};

namespace {

constexpr Byte Quote = 0x22;
constexpr Byte InactiveReaction = 0x80;
constexpr int CallingTimeBias = 15;

// Calls f(n, r) for every input or slot n (0-based) and reaction r (0-based),
// grouped as the image holds them: all of reaction 1, then all of reaction 2.
template <int Count, typename F>
void ForEachByReaction(F f) {
    for (int r = 0; r < ReactionCount; ++r)
        for (int n = 0; n < Count; ++n)
            f(n, r);
}

// Byte position of the pair (notification, reaction) for slot n, reaction r
// in a block of pairs that starts at base.
template <int Count>
std::size_t PairAt(std::size_t base, int n, int r) {
    return base + 2 * (static_cast<std::size_t>(r) * Count + n);
}

template <int Count>
std::size_t TextSlotAt(std::size_t base, int n, int r) {
    return base + ImageOffset::TextSlot * (static_cast<std::size_t>(r) * Count + n);
}

void PackQuoted(TDeviceImage& image, std::size_t start, std::string_view text) {
    if (text.empty())
        return;
    text = text.substr(0, MaxPackedNumberLength);
    image.Bytes[start] = Quote;
    std::copy(text.begin(), text.end(), image.Bytes + start + 1);
    image.Bytes[start + text.size() + 1] = Quote;
    image.Bytes[start + text.size() + 2] = 0;
}

void PackText(TDeviceImage& image, std::size_t start, std::string_view text) {
    std::copy(text.begin(), text.end(), image.Bytes + start);
}

// A quoted number: characters up to the closing quote, at most the field's
// 15 kept. The module's own firmware scans without bound; we stop at the
// end of the image, keeping what was read until then.
template <std::size_t N>
void UnpackQuoted(const TDeviceImage& image, std::size_t start, ShortString<N>& field) {
    field.clear();
    if (image.Bytes[start] != Quote)
        return;
    for (std::size_t i = start + 1; i < TDeviceImage::Size && image.Bytes[i] != Quote; ++i)
        field.append(image.Bytes[i]);
}

// A zero-terminated text; a full 36-character text has no terminator and the
// scan runs on into the next slot, whose characters are passed over.
template <std::size_t N>
void UnpackText(const TDeviceImage& image, std::size_t start, ShortString<N>& field) {
    field.clear();
    for (std::size_t i = start; i < TDeviceImage::Size && image.Bytes[i] != 0; ++i)
        field.append(image.Bytes[i]);
}

} // namespace

void SetDefaultSettings(TSettings& s) {
    s.SmsAccessCode.clear();
    s.Pin.clear();
    for (auto& phone : s.UserPhone)
        phone.clear();
    std::memset(s.OutputOnCode, 0, sizeof s.OutputOnCode);
    std::memset(s.OutputOffCode, 0, sizeof s.OutputOffCode);
    for (auto& texts : s.InputSmsText)
        for (auto& text : texts)
            text.clear();
    for (auto& texts : s.SpecialSmsText)
        for (auto& text : texts)
            text.clear();
    std::fill_n(&s.InputReaction[0][0], InputCount * ReactionCount, InactiveReaction);
    std::fill_n(&s.InputNotify[0][0], InputCount * ReactionCount, Byte{0});
    std::fill_n(&s.SpecialReaction[0][0], SpecialSlotCount * ReactionCount, InactiveReaction);
    std::fill_n(&s.SpecialNotify[0][0], SpecialSlotCount * ReactionCount, Byte{0});
    std::fill_n(s.InputReactionTime, InputCount, Byte{1});
    std::fill_n(s.InputLockTime, InputCount, Byte{1});
    s.ArmingTime = 1;
    s.InputDelayTime = 1;
    s.SirenTime = 1;
}

void ClearDeviceImage(TDeviceImage& image) { std::memset(image.Bytes, 0, sizeof image.Bytes); }

Byte ImageChecksum(const TDeviceImage& image) {
    unsigned sum = 0;
    for (std::size_t i = ImageOffset::ChecksumFirst; i <= ImageOffset::ChecksumLast; ++i)
        sum += image.Bytes[i];
    return static_cast<Byte>(255 - sum % 256);
}

bool ImageChecksumValid(const TDeviceImage& image) {
    return image.Bytes[ImageOffset::Checksum] == ImageChecksum(image);
}

void SettingsToImage(const TSettings& s, TDeviceImage& image) {
    namespace O = ImageOffset;
    Byte* b = image.Bytes;
    ClearDeviceImage(image);
    b[O::Marker] = 0xFF;
    b[O::Marker + 1] = 0xFF;

    std::copy_n(s.InputReactionTime, InputCount, b + O::ReactionTime);
    std::copy_n(s.OutputOffTime, OutputCount, b + O::OutputOffTime);
    b[O::CallingTime] = static_cast<Byte>(s.CallingTime + CallingTimeBias);
    b[O::RejectTime] = s.RejectTime;
    b[O::OptionFlags] = s.OptionFlags;
    b[O::SmsConfirmTime] = s.SmsConfirmTime;
    b[O::SmsSendAttempts] = s.SmsSendAttempts;
    b[O::SmsSendAttemptsRead] = s.SmsSendAttempts;
    std::copy_n(s.InputLockTime, InputCount, b + O::LockTime);
    b[O::ReportPeriod] = s.ReportPeriod;
    // The four codes lie back to back in both layouts: on 1, on 2, off 1, off 2.
    std::copy_n(&s.OutputOnCode[0][0], sizeof s.OutputOnCode, b + O::OutputOnCode);
    std::copy_n(&s.OutputOffCode[0][0], sizeof s.OutputOffCode,
                b + O::OutputOnCode + sizeof s.OutputOnCode);
    // The module always takes four characters of the access code, whatever
    // its length byte says.
    std::copy_n(s.SmsAccessCode.Chars, 4, b + O::SmsAccessCode);
    b[O::ClipUserActions] = s.ClipUserActions;
    b[O::ClipUnknownActions] = s.ClipUnknownActions;
    b[O::Checksum] = 0;

    ForEachByReaction<InputCount>([&](int n, int r) {
        const std::size_t at = PairAt<InputCount>(O::InputPairs, n, r);
        b[at] = s.InputNotify[n][r];
        b[at + 1] = s.InputReaction[n][r];
    });
    ForEachByReaction<SpecialSlotCount>([&](int n, int r) {
        const std::size_t at = PairAt<SpecialSlotCount>(O::SpecialPairs, n, r);
        b[at] = s.SpecialNotify[n][r];
        b[at + 1] = s.SpecialReaction[n][r];
    });

    // The PIN slot always carries four characters; a shorter PIN brings the
    // field's later character bytes along, as the module has always got them.
    if (!s.Pin.empty()) {
        b[O::Pin] = Quote;
        std::copy_n(s.Pin.Chars, 4, b + O::Pin + 1);
        b[O::Pin + 5] = Quote;
        b[O::Pin + 6] = 0;
    }

    // Ascending order matters: a 13-character number's zero falls on the
    // next slot's first byte, which that slot's own quote then replaces.
    PackQuoted(image, O::SmsCentre, s.SmsCentre.view());
    for (int k = 0; k < UserCount; ++k)
        PackQuoted(image, O::UserPhone + O::NumberSlot * k, s.UserPhone[k].view());

    ForEachByReaction<InputCount>([&](int n, int r) {
        PackText(image, TextSlotAt<InputCount>(O::InputTexts, n, r), s.InputSmsText[n][r].view());
    });
    ForEachByReaction<SpecialSlotCount>([&](int n, int r) {
        PackText(image, TextSlotAt<SpecialSlotCount>(O::SpecialTexts, n, r),
                 s.SpecialSmsText[n][r].view());
    });

    b[O::ArmingTime] = s.ArmingTime;
    b[O::InputDelayTime] = s.InputDelayTime;
    b[O::SirenTime] = s.SirenTime;
    b[O::Checksum] = ImageChecksum(image);
}

void ImageToSettings(const TDeviceImage& image, TSettings& s) {
    namespace O = ImageOffset;
    const Byte* b = image.Bytes;

    std::copy_n(b + O::ReactionTime, InputCount, s.InputReactionTime);
    std::copy_n(b + O::OutputOffTime, OutputCount, s.OutputOffTime);
    s.CallingTime = static_cast<Byte>(b[O::CallingTime] - CallingTimeBias);
    s.RejectTime = b[O::RejectTime];
    s.OptionFlags = b[O::OptionFlags];
    s.SmsConfirmTime = b[O::SmsConfirmTime];
    s.SmsSendAttempts = b[O::SmsSendAttemptsRead];
    std::copy_n(b + O::LockTime, InputCount, s.InputLockTime);
    s.ReportPeriod = b[O::ReportPeriod];
    std::copy_n(b + O::OutputOnCode, sizeof s.OutputOnCode, &s.OutputOnCode[0][0]);
    std::copy_n(b + O::OutputOnCode + sizeof s.OutputOnCode, sizeof s.OutputOffCode,
                &s.OutputOffCode[0][0]);

    // The module keeps no length for the access code: it is always four
    // characters, zeros included.
    s.SmsAccessCode.clear();
    for (std::size_t i = 0; i < 4; ++i)
        s.SmsAccessCode.append(b[O::SmsAccessCode + i]);
    s.ClipUserActions = b[O::ClipUserActions];
    s.ClipUnknownActions = b[O::ClipUnknownActions];

    ForEachByReaction<InputCount>([&](int n, int r) {
        const std::size_t at = PairAt<InputCount>(O::InputPairs, n, r);
        s.InputNotify[n][r] = b[at];
        s.InputReaction[n][r] = b[at + 1];
    });
    ForEachByReaction<SpecialSlotCount>([&](int n, int r) {
        const std::size_t at = PairAt<SpecialSlotCount>(O::SpecialPairs, n, r);
        s.SpecialNotify[n][r] = b[at];
        s.SpecialReaction[n][r] = b[at + 1];
    });

    s.Pin.clear();
    if (b[O::Pin] == Quote)
        for (std::size_t i = 1; i <= 4; ++i)
            s.Pin.append(b[O::Pin + i]);

    UnpackQuoted(image, O::SmsCentre, s.SmsCentre);
    for (int k = 0; k < UserCount; ++k)
        UnpackQuoted(image, O::UserPhone + O::NumberSlot * k, s.UserPhone[k]);

    ForEachByReaction<InputCount>([&](int n, int r) {
        UnpackText(image, TextSlotAt<InputCount>(O::InputTexts, n, r), s.InputSmsText[n][r]);
    });
    ForEachByReaction<SpecialSlotCount>([&](int n, int r) {
        UnpackText(image, TextSlotAt<SpecialSlotCount>(O::SpecialTexts, n, r),
                   s.SpecialSmsText[n][r]);
    });

    s.ArmingTime = b[O::ArmingTime];
    s.InputDelayTime = b[O::InputDelayTime];
    s.SirenTime = b[O::SirenTime];
}

void SetDefaultSettings() { SetDefaultSettings(Settings); }
void ClearDeviceImage() { ClearDeviceImage(DeviceImage); }
void SettingsToImage() { SettingsToImage(Settings, DeviceImage); }
void ImageToSettings() { ImageToSettings(DeviceImage, Settings); }
