// Reading an arbitrary module image: no scan leaves the image (the image is a
// heap block of exactly 2048 bytes, so AddressSanitizer sees any overrun),
// every text comes out within its field, and packing what was read and
// reading it again is a fixed point.

#include "Udecl.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <std::size_t N>
void CheckLength(const ShortString<N>& s) {
    if (s.Len > N)
        std::abort();
}

void CheckLengths(const TSettings& s) {
    CheckLength(s.SmsAccessCode);
    CheckLength(s.Pin);
    CheckLength(s.SmsCentre);
    for (const auto& p : s.UserPhone)
        CheckLength(p);
    for (const auto& t : s.InputSmsText)
        CheckLength(t[0]), CheckLength(t[1]);
    for (const auto& t : s.SpecialSmsText)
        CheckLength(t[0]), CheckLength(t[1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto image = std::make_unique<TDeviceImage>();
    std::memset(image->Bytes, 0, sizeof image->Bytes);
    std::memcpy(image->Bytes, data, std::min(size, sizeof image->Bytes));

    TSettings read{};
    ImageToSettings(*image, read);
    CheckLengths(read);

    auto packed = std::make_unique<TDeviceImage>();
    SettingsToImage(read, *packed);
    TSettings again = read;
    ImageToSettings(*packed, again);
    CheckLengths(again);
    auto repacked = std::make_unique<TDeviceImage>();
    SettingsToImage(again, *repacked);
    if (std::memcmp(packed->Bytes, repacked->Bytes, sizeof packed->Bytes) != 0)
        std::abort();
    if (!ImageChecksumValid(*packed))
        std::abort();
    return 0;
}
