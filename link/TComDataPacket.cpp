// The collector's deliver loop.

#include "TComDataPacket.h"

#include <QDebug>

#include <exception>

void TComDataPacket::AddChunk(const QByteArray& chunk) {
    m_buffer.append(chunk);
    try {
        Deliver();
    } catch (const std::exception& e) {
        // The receive path runs inside Qt's event loop: a failure must stop
        // here and reach whoever ends the transfer.
        if (m_onError)
            m_onError(QString::fromUtf8(e.what()));
        else
            qWarning("Receive handler failed: %s", e.what());
    } catch (...) {
        if (m_onError)
            m_onError(QStringLiteral("Nieznany błąd odbioru danych."));
    }
    m_inHandler = false;
    if (m_buffer.size() >= m_maxLength)
        m_buffer.clear();
}

void TComDataPacket::Deliver() {
    for (;;) {
        m_discardedInHandler = false;
        Call(m_buffer);
        if (m_discardedInHandler) {
            Call(QByteArray());
            return;
        }
        const qsizetype stop = m_stop.isEmpty() ? -1 : m_buffer.indexOf(m_stop);
        if (stop < 0)
            return;
        m_buffer.remove(0, stop + m_stop.size());
    }
}

void TComDataPacket::Call(const QByteArray& text) {
    if (!m_onCustomStop)
        return;
    // The handler gets its own copy (shared, so nothing is copied unless the
    // buffer changes): a discard inside it leaves its text intact.
    const QByteArray copy = text;
    m_inHandler = true;
    m_onCustomStop(copy);
    m_inHandler = false;
}

void TComDataPacket::DiscardBuffer() {
    if (m_buffer.isEmpty())
        return;
    m_buffer.clear();
    if (m_inHandler)
        m_discardedInHandler = true;
}
