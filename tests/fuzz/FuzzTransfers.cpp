// Both transfer state machines fed arbitrary sequences of clicks, answers,
// time-outs, failing writes and lost lines. Whatever comes, the installer
// never gets disabled buttons without a running time-out, the states stay
// within their values, and the image is never read or written outside.

#include "FakePort.h"
#include "FuzzInput.h"
#include "TComDataPacket.h"
#include "TTransferEngine.h"
#include "TransferWiring.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The engine's time-out is a QTimer: it needs an application object.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FakePort port;
    TComDataPacket packet;
    auto image = std::make_unique<TDeviceImage>();
    TTransferEngine engine(port, packet, *image);
    bool busy = false;
    engine.SetCallbacks({[](const QString&) { return 0; }, [](int, const QString&) {},
                         [&busy](bool b) { busy = b; }, [] {}});
    WireCollector(engine, packet);

    int failArmed = 0; // a failing write stays armed for the next two steps
    while (!input.AtEnd()) {
        const std::uint8_t op = input.Byte();
        if (failArmed > 0 && --failArmed == 0)
            port.failWriteNumber = -1;
        try {
            switch (op % 8) {
            case 0:
            case 1:
            case 2: // the module answers
                packet.AddChunk(input.Run());
                break;
            case 3: // the time-out runs out, if it runs
                if (engine.Timer1.isActive())
                    engine.Timer1Timer();
                break;
            case 4: // "programuj", only while its button is enabled
                port.failOpen = op & 0x10;
                if (!busy)
                    engine.StartProgramming(QStringLiteral("/dev/ttyUSB0"));
                break;
            case 5: // "Odczyt ustawień."
                port.failOpen = op & 0x10;
                engine.StartReading(QStringLiteral("/dev/ttyUSB0"));
                break;
            case 6: // the next write fails
                port.failWriteNumber = static_cast<int>(port.writes.size());
                failArmed = 3;
                break;
            case 7: // the adapter is pulled out
                port.open = false;
                engine.LineLost(QStringLiteral("linia przerwana"));
                break;
            }
        } catch (const VelotarError&) {
            // A click that fails shows an error box; the states must still hold.
        }
        Require(!busy || engine.Timer1.isActive(),
                "buttons disabled with no time-out to give them back");
        Require(busy || engine.ProgramState == 0, "programming runs with the buttons enabled");
        Require(engine.ProgramState >= 0 && engine.ProgramState <= 3, "programming state");
        Require(engine.ReadState == 0 || engine.ReadState == 2, "reading state");
        Require(engine.ImageOffset >= 0 && engine.ImageOffset <= 1195, "image offset");
        Require(engine.ReadState == 0 || engine.Timer1.isActive(), "a read that nothing will end");
    }
    return 0;
}
