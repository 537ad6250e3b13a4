#pragma once
// The packet collector: gathers the chunks received from the module into
// one buffer and hands the whole buffer to the receive handler after every
// chunk, cutting it after each stop text ("*1"). Pure logic over bytes, so
// its behaviour at every chunk boundary can be tested by feeding chunks.

#include <QByteArray>
#include <QString>

#include <functional>

class TComDataPacket final {
public:
    using CustomStopHandler = std::function<void(const QByteArray& Str)>;
    using ErrorHandler = std::function<void(const QString& message)>;

    void SetStopString(const QByteArray& stop) { m_stop = stop; }
    void SetMaxBufferLength(int length) { m_maxLength = length; }
    void SetOnCustomStop(CustomStopHandler handler) { m_onCustomStop = std::move(handler); }
    // Where an exception thrown by the handler ends up: never in Qt's event loop.
    void SetOnError(ErrorHandler handler) { m_onError = std::move(handler); }

    // Appends a received chunk and delivers:
    // 1. the handler sees the whole buffer;
    // 2. if it discarded a non-empty buffer meanwhile, it is called once more
    //    with the empty text and delivery ends;
    // 3. otherwise the buffer is cut after its first stop text and the handler
    //    sees what remains (even when empty), again from 1; without a stop
    //    text delivery ends.
    // A buffer of the maximum length or more is then emptied.
    void AddChunk(const QByteArray& chunk);

    // Empties the buffer at once (the handler's text stays valid: it is a copy).
    void DiscardBuffer();

    const QByteArray& Buffer() const { return m_buffer; }

private:
    void Deliver();
    void Call(const QByteArray& text);

    QByteArray m_stop = QByteArrayLiteral("*1");
    int m_maxLength = 1024;
    QByteArray m_buffer;
    CustomStopHandler m_onCustomStop;
    ErrorHandler m_onError;
    bool m_inHandler = false;
    bool m_discardedInHandler = false;
};
