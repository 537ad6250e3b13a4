#pragma once
// Reads a fuzzer's input as a sequence of small decisions and byte runs.

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

class FuzzInput final {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_at >= m_size; }
    std::uint8_t Byte() { return AtEnd() ? 0 : m_data[m_at++]; }
    // A run of up to 255 bytes whose length is the next byte.
    QByteArray Run() {
        const std::size_t wanted = Byte();
        const std::size_t n = std::min(wanted, m_size - std::min(m_at, m_size));
        QByteArray run(reinterpret_cast<const char*>(m_data + m_at), static_cast<int>(n));
        m_at += n;
        return run;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};
