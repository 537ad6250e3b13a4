// Timing and faults of the emulated line.

#include "LineScheduler.h"

#include <algorithm>

namespace {
using namespace std::string_literals;
// Noise as a disturbed line brings it: never a "*1", so it ends nothing.
const std::string Garbage = "\x00\xff#?!\x13\x11garbage\x7f"s;
} // namespace

LineScheduler::LineScheduler(ModuleProtocol& protocol, const EmulatorOptions& options)
    : m_protocol(protocol), m_options(options) {}

void LineScheduler::Received(const std::string& bytes, Clock::time_point now) {
    for (char b : bytes) {
        // Paced, a byte is complete only when its 10 bits have passed.
        Clock::time_point due = now;
        if (m_options.Pace)
            due = std::max(now, m_incomingEnd) + ByteTime;
        m_incomingEnd = due;
        m_incoming.push_back({due, b});
    }
}

void LineScheduler::Advance(Clock::time_point now) {
    std::string arrived;
    while (!m_incoming.empty() && m_incoming.front().Due <= now) {
        arrived += m_incoming.front().Byte;
        m_incoming.pop_front();
    }
    if (arrived.empty())
        return;
    for (auto& answer : m_protocol.Feed(arrived))
        Schedule(std::move(answer), now);
}

bool LineScheduler::Answers(const ModuleProtocol::Answer& answer) const {
    if (m_options.Silent)
        return false;
    if (m_options.StopAfterFrame >= 0 && answer.Step.rfind("frame", 0) == 0)
        return std::stoi(answer.Step.substr(5)) <= m_options.StopAfterFrame;
    return true;
}

void LineScheduler::Schedule(ModuleProtocol::Answer answer, Clock::time_point now) {
    if (!Answers(answer) || m_hangupAt)
        return;
    std::string bytes = std::move(answer.Bytes);
    if (answer.Step == m_options.GarbageStep)
        bytes = Garbage;
    if (answer.Step == m_options.BareStep && bytes.rfind("OK", 0) == 0)
        bytes.erase(0, 2);
    const bool hangup = answer.Step == m_options.HangupStep;
    if (hangup)
        bytes.resize(bytes.size() / 2);

    Clock::time_point start = now;
    if (answer.Step == m_options.LateStep)
        start += m_options.LateBy;
    const std::size_t chunk = m_options.ChunkSize > 0 ? m_options.ChunkSize : bytes.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const Clock::time_point chunkStart = start + (i / chunk) * m_options.ChunkGap;
        Clock::time_point due = std::max(chunkStart, m_outgoingEnd);
        if (m_options.Pace)
            due += ByteTime;
        m_outgoingEnd = due;
        m_outgoing.push_back({due, bytes[i]});
    }
    if (hangup)
        m_hangupAt = std::max(start, m_outgoingEnd);
}

std::string LineScheduler::TakeDue(Clock::time_point now) {
    std::string due;
    while (!m_outgoing.empty() && m_outgoing.front().Due <= now) {
        due += m_outgoing.front().Byte;
        m_outgoing.pop_front();
    }
    return due;
}

void LineScheduler::PutBack(const std::string& bytes, Clock::time_point now) {
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it)
        m_outgoing.push_front({now, *it});
}

bool LineScheduler::HangupDue(Clock::time_point now) const {
    return m_hangupAt && *m_hangupAt <= now && m_outgoing.empty();
}

std::optional<LineScheduler::Clock::time_point> LineScheduler::NextDue() const {
    std::optional<Clock::time_point> next = m_hangupAt;
    for (const auto* queue : {&m_incoming, &m_outgoing})
        if (!queue->empty() && (!next || queue->front().Due < *next))
            next = queue->front().Due;
    return next;
}
