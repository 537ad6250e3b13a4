// The module's side of the line protocol.

#include "ModuleProtocol.h"

#include <algorithm>

namespace {
const std::string Ok = "OK*1";
const std::string Stop = "*1";
} // namespace

std::vector<ModuleProtocol::Answer> ModuleProtocol::Feed(const std::string& bytes) {
    m_pending += bytes;
    std::vector<Answer> answers;
    while (!m_pending.empty() && TakeOne(answers)) {
    }
    return answers;
}

bool ModuleProtocol::TakeOne(std::vector<Answer>& answers) {
    if (m_mode == Mode::Frames && m_pending.size() >= 2 && m_pending.compare(0, 2, "*0") == 0)
        return TakeFrame(answers);
    return TakeCommand(answers);
}

bool ModuleProtocol::TakeFrame(std::vector<Answer>& answers) {
    const std::size_t size = m_frame == 0 ? FirstFrameBytes : FrameBytes;
    const std::size_t total = size + 4;
    if (m_pending.size() < total)
        return false;
    if (m_pending.compare(total - 2, 2, Stop) != 0) {
        Event("rx bad frame");
        m_pending.erase(0, 1); // resynchronise on the next byte
        return true;
    }
    const std::size_t room = m_offset < MemorySize ? MemorySize - m_offset : 0;
    std::copy_n(m_pending.begin() + 2, std::min(size, room), Memory.begin() + m_offset);
    m_offset += size;
    m_pending.erase(0, total);
    ++m_frame;
    Event("rx frame " + std::to_string(m_frame));
    if (OnMemoryChanged)
        OnMemoryChanged();
    if (m_frame >= FramesPerProgramming) {
        m_mode = Mode::Commands;
        Event("programmed");
    }
    answers.push_back({"frame" + std::to_string(m_frame), Ok});
    return true;
}

bool ModuleProtocol::TakeCommand(std::vector<Answer>& answers) {
    if (m_pending[0] != '*') {
        m_pending.erase(0, 1);
        return true;
    }
    if (m_pending.size() < 4)
        return false;
    const char digit = m_pending[1];
    if (m_pending.compare(2, 2, Stop) != 0 || digit < '0' || digit > '9') {
        m_pending.erase(0, 1);
        return true;
    }
    m_pending.erase(0, 4);
    Event(std::string("rx *") + digit + "*1");
    switch (digit) {
    case '2':
        m_mode = Mode::Frames;
        m_frame = 0;
        m_offset = 0;
        answers.push_back({"start", Ok});
        break;
    case '3':
        answers.push_back({"read", ReadAnswer()});
        break;
    case '5':
        answers.push_back({"resend", Ok});
        break;
    default:
        break; // unknown commands go unanswered, as on the real module
    }
    return true;
}

std::string ModuleProtocol::ReadAnswer() const {
    const std::size_t count =
        ShortReadBytes >= 0 ? std::min<std::size_t>(ShortReadBytes, ReadImageBytes) : ReadImageBytes;
    std::string answer(1, static_cast<char>(ReadLeadByte));
    answer.append(reinterpret_cast<const char*>(Memory.data()), count);
    answer += Stop;
    return answer;
}

void ModuleProtocol::Event(const std::string& text) const {
    if (OnEvent)
        OnEvent(text);
}
