#pragma once
// Puts the module's answers on the line as a real line would: with the
// chosen faults (late, chunked, bare, garbage, silent, cut short, hung up)
// and, when pacing, at 10 bits a byte and 115200 baud in both directions.
// Pure logic over a clock handed in, so the pty loop only moves bytes.

#include "EmulatorOptions.h"
#include "ModuleProtocol.h"

#include <chrono>
#include <deque>
#include <optional>
#include <string>

class LineScheduler final {
public:
    using Clock = std::chrono::steady_clock;
    // One byte of 8N1 at 115200 baud: start bit, 8 data bits, stop bit.
    static constexpr std::chrono::nanoseconds ByteTime{10'000'000'000LL / 115200};

    LineScheduler(ModuleProtocol& protocol, const EmulatorOptions& options);

    // Bytes the tool wrote, read from the line at now.
    void Received(const std::string& bytes, Clock::time_point now);
    // Hands the module every received byte that has fully arrived by now.
    void Advance(Clock::time_point now);
    // The bytes due on the line by now, in order; removed from the queue.
    std::string TakeDue(Clock::time_point now);
    // Puts back bytes the line would not take yet (a full pty buffer).
    void PutBack(const std::string& bytes, Clock::time_point now);
    // True once a hang-up fault is due and everything before it was sent.
    bool HangupDue(Clock::time_point now) const;
    // When something is next due, if anything is waiting.
    std::optional<Clock::time_point> NextDue() const;

private:
    struct Timed {
        Clock::time_point Due;
        char Byte;
    };

    void Schedule(ModuleProtocol::Answer answer, Clock::time_point now);
    bool Answers(const ModuleProtocol::Answer& answer) const;

    ModuleProtocol& m_protocol;
    const EmulatorOptions& m_options;
    std::deque<Timed> m_incoming;
    std::deque<Timed> m_outgoing;
    Clock::time_point m_incomingEnd{};
    Clock::time_point m_outgoingEnd{};
    std::optional<Clock::time_point> m_hangupAt;
};
