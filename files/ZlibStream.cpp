// Streaming deflate and inflate with zlib's own API (after zlib's zpipe.c).

#include "ZlibStream.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {
constexpr std::size_t Chunk = 16384;
}

std::vector<std::uint8_t> DeflateStream(const std::uint8_t* data, std::size_t size) {
    z_stream zs{};
    if (deflateInit(&zs, Z_DEFAULT_COMPRESSION) != Z_OK)
        return {};
    std::vector<std::uint8_t> out;
    std::uint8_t buffer[Chunk];
    zs.next_in = const_cast<Bytef*>(data);
    zs.avail_in = static_cast<uInt>(size);
    int status = Z_OK;
    do {
        zs.next_out = buffer;
        zs.avail_out = Chunk;
        status = deflate(&zs, Z_FINISH);
        out.insert(out.end(), buffer, buffer + (Chunk - zs.avail_out));
    } while (status == Z_OK || (status == Z_BUF_ERROR && zs.avail_out == 0));
    deflateEnd(&zs);
    if (status != Z_STREAM_END)
        out.clear();
    return out;
}

InflateResult InflateStream(int fd, std::size_t keep, std::size_t limit) {
    InflateResult result;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return result;

    std::uint8_t in[Chunk];
    std::uint8_t out[Chunk];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (zs.avail_in == 0) {
            const ssize_t got = ::read(fd, in, sizeof in);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                result.outcome = InflateResult::Outcome::ReadFailed;
                result.readErrno = errno;
                break;
            }
            if (got == 0) {
                result.outcome = InflateResult::Outcome::Truncated;
                break;
            }
            zs.next_in = in;
            zs.avail_in = static_cast<uInt>(got);
        }
        zs.next_out = out;
        zs.avail_out = Chunk;
        status = inflate(&zs, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
            result.outcome = InflateResult::Outcome::Damaged;
            break;
        }
        const std::size_t produced = Chunk - zs.avail_out;
        if (result.head.size() < keep) {
            const std::size_t take = std::min(produced, keep - result.head.size());
            result.head.insert(result.head.end(), out, out + take);
        }
        result.totalOut += produced;
        if (result.totalOut > limit) {
            result.outcome = InflateResult::Outcome::Damaged;
            break;
        }
        if (status == Z_STREAM_END)
            result.outcome = InflateResult::Outcome::Complete;
    }
    inflateEnd(&zs);
    return result;
}
