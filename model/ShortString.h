#pragma once
// A short string as the module's records keep it: one length byte followed by
// N character bytes (Windows-1250). The character bytes after the text belong
// to the record: they keep what an earlier, longer text left there, they are
// saved in settings files, and the PIN and the SMS access code go to the
// module with them. The length byte may hold anything when it comes from a
// foreign file; every accessor clamps it to N, so nothing reads or writes past
// the field.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

template <std::size_t N>
struct ShortString {
    static_assert(N >= 1 && N <= 255, "a length byte holds at most 255");
    static constexpr std::size_t Capacity = N;

    std::uint8_t Len = 0;
    std::uint8_t Chars[N] = {};

    // The text's length, never more than N whatever the length byte says.
    std::size_t length() const { return std::min<std::size_t>(Len, N); }
    bool empty() const { return length() == 0; }

    // The text as raw 8-bit characters.
    std::string_view view() const {
        return {reinterpret_cast<const char*>(Chars), length()};
    }
    std::string str() const { return std::string(view()); }

    // Character i counted from 1, as the record's tables count them; 0 outside.
    std::uint8_t at(std::size_t i) const { return i >= 1 && i <= N ? Chars[i - 1] : 0; }

    // Stores min(size, N) characters and sets the length to that; the
    // character bytes after them keep what they held.
    void assign(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.begin(), n, Chars);
        Len = static_cast<std::uint8_t>(n);
    }

    // Empties the text only: the character bytes stay as they are.
    void clear() { Len = 0; }

    // Appends one character when there is room; returns false when full.
    bool append(std::uint8_t c) {
        const std::size_t n = length();
        if (n >= N)
            return false;
        Chars[n] = c;
        Len = static_cast<std::uint8_t>(n + 1);
        return true;
    }

    // True when the length byte lies within 0..N.
    bool lengthValid() const { return Len <= N; }

    friend bool operator==(const ShortString& a, const ShortString& b) {
        return a.view() == b.view();
    }
};
