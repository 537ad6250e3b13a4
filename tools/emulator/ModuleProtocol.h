#pragma once
// What the alarm module does with the bytes it receives: it recognises the
// commands "*2*1" (start programming), "*3*1" (read), "*5*1" (repeat the
// final acknowledgement) and the data frames "*0" + image bytes + "*1",
// keeps its 2048-byte memory and says what it answers. Frames are counted
// by length, never searched for "*1": image bytes may hold "*1" themselves.
// No I/O and no timing here; the line scheduler does that.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ModuleProtocol final {
public:
    static constexpr std::size_t MemorySize = 2048;
    static constexpr std::size_t ReadImageBytes = 1700;
    static constexpr std::size_t FirstFrameBytes = 25;
    static constexpr std::size_t FrameBytes = 45;
    static constexpr int FramesPerProgramming = 27;
    static constexpr std::uint8_t ReadLeadByte = 0x00;

    // One answer of the module. Step names the moment so that faults can be
    // aimed at it: "start" (answer to "*2*1"), "frame1" .. "frame27",
    // "resend" (answer to "*5*1") and "read" (answer to "*3*1").
    struct Answer {
        std::string Step;
        std::string Bytes;
    };

    std::array<std::uint8_t, MemorySize> Memory{};

    // A read answer with this many image bytes instead of 1700 (a fault).
    int ShortReadBytes = -1;

    // Told what happened, one short line per event ("rx *2*1", "rx frame 3").
    std::function<void(const std::string&)> OnEvent;
    // Told after a frame has changed the memory.
    std::function<void()> OnMemoryChanged;

    // Takes received bytes and returns the answers they complete, in order.
    std::vector<Answer> Feed(const std::string& bytes);

    int FramesReceived() const { return m_frame; }

private:
    enum class Mode { Commands, Frames };

    // Handles the front of m_pending; false when more bytes are needed.
    bool TakeOne(std::vector<Answer>& answers);
    bool TakeFrame(std::vector<Answer>& answers);
    bool TakeCommand(std::vector<Answer>& answers);
    std::string ReadAnswer() const;
    void Event(const std::string& text) const;

    std::string m_pending;
    Mode m_mode = Mode::Commands;
    int m_frame = 0;
    std::size_t m_offset = 0;
};
