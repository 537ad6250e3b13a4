#pragma once
// An engine with its collector and callbacks that record what the window
// would show: the log (trimmed by nobody, so indices are plain), the busy
// state and how often the read image was taken.

#include "TComDataPacket.h"
#include "TTransferEngine.h"
#include "Udecl.h"

#include <QStringList>

#include <cstring>
#include <vector>

struct TransferRecorder {
    QStringList log;
    std::vector<bool> busy;
    int imageReads = 0;

    TTransferCallbacks Callbacks() {
        return {
            [this](const QString& line) { log.append(line); return int(log.size()) - 1; },
            [this](int index, const QString& line) { log[index] = line; },
            [this](bool b) { busy.push_back(b); },
            [this] { ++imageReads; },
        };
    }
};

// The image the module should end up with: the defaults with a few fields set.
inline TDeviceImage SampleImage() {
    TSettings settings{};
    SetDefaultSettings(settings);
    settings.Pin.assign("1234");
    settings.UserPhone[0].assign("+48601234567");
    settings.InputSmsText[2][1].assign("Alarm wejście 3");
    settings.SirenTime = 42;
    TDeviceImage image{};
    SettingsToImage(settings, image);
    return image;
}

// What a module sends for a read: a lead byte, image bytes 0..1699, "*1".
inline QByteArray ReadAnswer(const TDeviceImage& image) {
    QByteArray answer(1, '\x55');
    answer.append(reinterpret_cast<const char*>(image.Bytes), 1700);
    answer.append("*1");
    return answer;
}

inline bool SameBytes(const TDeviceImage& a, const TDeviceImage& b) {
    return std::memcmp(a.Bytes, b.Bytes, sizeof a.Bytes) == 0;
}
