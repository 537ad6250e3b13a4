#pragma once
// zlib behind two free functions: a whole buffer deflated as one zlib stream
// at the default level, and a zlib stream inflated from a file descriptor.

#include <cstddef>
#include <cstdint>
#include <vector>

// One zlib stream (RFC 1950) of data, default level, 15-bit window, memory
// level 8: it begins with 0x78 0x9C.
std::vector<std::uint8_t> DeflateStream(const std::uint8_t* data, std::size_t size);

struct InflateResult {
    enum class Outcome {
        Complete,   // the stream reached its end and its checksum matched
        Truncated,  // the input ended before the stream did
        Damaged,    // not a zlib stream, or its data or checksum is wrong
        ReadFailed, // the file could not be read; errno tells why
    };
    Outcome outcome = Outcome::Damaged;
    int readErrno = 0;
    std::size_t totalOut = 0;          // decompressed bytes seen, kept or not
    std::vector<std::uint8_t> head;    // the first `keep` decompressed bytes
};

// Inflates the zlib stream read from fd. Keeps the first `keep` bytes and
// runs on to the stream's end, so that its checksum is verified; what the
// stream holds beyond `keep`, and whatever follows it in the file, is dropped.
// A stream that decompresses to more than `limit` bytes counts as damaged.
InflateResult InflateStream(int fd, std::size_t keep, std::size_t limit);
