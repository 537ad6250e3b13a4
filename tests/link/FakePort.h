#pragma once
// A scripted serial port for the transfer tests: records what is written
// and fails on request, as a port that cannot be opened or a write that
// does not complete.

#include "TTransferPort.h"
#include "VelotarError.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct FakePort final : TTransferPort {
    QString name;
    bool open = false;
    int opens = 0;
    int closes = 0;
    QList<QByteArray> writes;
    bool failOpen = false;
    int failWriteNumber = -1; // the write with this index fails (and closes the port)

    void SetPortName(const QString& n) override { name = n; }
    void Open() override {
        if (failOpen)
            throw VelotarError("Unable to open com port (error 2: No such file or directory): COM9");
        if (!open)
            ++opens;
        open = true;
    }
    void Close() override {
        if (open)
            ++closes;
        open = false;
    }
    bool IsOpen() const override { return open; }
    void WriteText(const QByteArray& text) override { WriteBytes(text); }
    void WriteBytes(const QByteArray& bytes) override {
        if (writes.size() == failWriteNumber) {
            open = false;
            throw VelotarError("zapis do portu nieudany");
        }
        writes.append(bytes);
    }
};
