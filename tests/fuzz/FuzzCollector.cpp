// The packet collector fed arbitrary chunks, with a handler that sometimes
// discards the buffer and sometimes throws: it never holds 1024 or more
// bytes after a delivery, a discard is followed by exactly one empty call,
// and nothing thrown leaves it.

#include "FuzzInput.h"
#include "TComDataPacket.h"

#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    TComDataPacket packet;
    std::uint8_t decisions = 0;
    bool expectEmptyCall = false;
    bool discarded = false;
    packet.SetOnCustomStop([&](const QByteArray& text) {
        if (expectEmptyCall && !text.isEmpty())
            std::abort(); // after a discard the handler sees the empty text
        expectEmptyCall = false;
        decisions = static_cast<std::uint8_t>(decisions * 5 + 3);
        if (!text.isEmpty() && decisions % 7 == 0) {
            packet.DiscardBuffer();
            expectEmptyCall = true;
            discarded = true;
        } else if (decisions % 31 == 0) {
            throw std::runtime_error("handler failed");
        }
    });
    packet.SetOnError([](const QString&) {});
    while (!input.AtEnd()) {
        decisions = input.Byte();
        discarded = false;
        packet.AddChunk(input.Run());
        if (packet.Buffer().size() >= 1024)
            std::abort();
        if (discarded && expectEmptyCall)
            std::abort(); // the empty call after a discard never came
    }
    return 0;
}
