// How close a whole programming run and a whole read come to the line's own
// limit. The emulator paces every byte at 115200 baud 8N1 (10 bits a byte)
// in both directions and answers at once, so the time above the bound is
// what the serial layer and the transfer engine add.

#include "EmulatorProcess.h"
#include "TComDataPacket.h"
#include "TComPort.h"
#include "TTransferEngine.h"
#include "TransferWiring.h"
#include "Udecl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double BitsPerByte = 10.0;
constexpr double Baud = 115200.0;

double LineSeconds(int bytes) {
    return bytes * BitsPerByte / Baud;
}

// Programming: "*2*1", frame 1 (29 bytes) and 26 frames of 49 bytes out,
// 28 answers "OK*1" back. Reading: "*3*1" out, 1703 bytes back.
const double ProgrammingBound = LineSeconds(4 + 29 + 26 * 49 + 28 * 4);
const double ReadingBound = LineSeconds(4 + 1703);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    EmulatorProcess module({"--pace"});
    if (module.Path().isEmpty()) {
        std::fprintf(stderr, "the module emulator did not start\n");
        return 1;
    }
    TSettings settings{};
    SetDefaultSettings(settings);
    SettingsToImage(settings, DeviceImage);

    TComPort port;
    TComDataPacket packet;
    TTransferEngine engine(port, packet);
    WireTransfer(engine, port, packet);
    QEventLoop loop;
    QString last;
    engine.SetCallbacks({[&](const QString& line) { last = line; return 0; },
                         [](int, const QString&) {},
                         [](bool) {},
                         [] {}});
    QObject::connect(&engine.Timer1, &QTimer::timeout, &loop, &QEventLoop::quit);

    const auto measure = [&](auto start, const QString& done) {
        last.clear();
        QElapsedTimer clock;
        clock.start();
        start();
        while (last != done && engine.Timer1.isActive())
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        return last == done ? clock.nsecsElapsed() / 1e9 : -1.0;
    };

    std::vector<double> programming, reading;
    for (int i = 0; i < runs; ++i) {
        programming.push_back(measure([&] { engine.StartProgramming(module.Path()); },
                                      QStringLiteral("Programowanie zakończone pomyślnie.")));
        reading.push_back(measure([&] { engine.StartReading(module.Path()); },
                                  QStringLiteral("zaladowane ustawienia z eprom")));
    }
    const auto report = [&](const char* name, std::vector<double> times, double bound) {
        if (std::count(times.begin(), times.end(), -1.0) > 0) {
            std::printf("%-12s failed\n", name);
            return;
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        std::printf("%-12s bound %.1f ms  median %.1f ms  best %.1f ms  ratio %.3f (best %.3f)\n", name,
                    bound * 1e3, median * 1e3, times.front() * 1e3, median / bound, times.front() / bound);
    };
    std::printf("%d runs at 115200 baud 8N1 through a pseudo-terminal\n", runs);
    report("programming", programming, ProgrammingBound);
    report("reading", reading, ReadingBound);
    return 0;
}
