// module-emulator: plays the alarm module on a pseudo-terminal. The first
// line it prints is the path to type into Velotar's port box; after that it
// prints one line per thing the module received, for tests to follow.

#include "EmulatorOptions.h"
#include "LineScheduler.h"
#include "ModuleProtocol.h"
#include "Udecl.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <pty.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = LineScheduler::Clock;

bool LoadMemory(const std::string& path, ModuleProtocol& module) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.read(reinterpret_cast<char*>(module.Memory.data()), module.Memory.size());
    return true;
}

// Written under a temporary name and renamed, so a test that reads the file
// never sees half of it.
void SaveMemory(const std::string& path, const ModuleProtocol& module) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(module.Memory.data()), module.Memory.size());
    }
    std::rename(temporary.c_str(), path.c_str());
}

// A fresh module holds the factory configuration.
void SeedDefaults(ModuleProtocol& module) {
    TSettings settings{};
    SetDefaultSettings(settings);
    TDeviceImage image{};
    SettingsToImage(settings, image);
    std::copy(std::begin(image.Bytes), std::end(image.Bytes), module.Memory.begin());
}

// Only a piped stdin ends the emulator when it closes (the tests' way of
// making sure no emulator outlives them); a terminal or /dev/null does not.
bool WatchStdin() {
    struct stat st {};
    return fstat(STDIN_FILENO, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode));
}

timespec Until(std::optional<Clock::time_point> due) {
    if (!due)
        return {1, 0};
    const auto wait = std::max(Clock::duration::zero(), *due - Clock::now());
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

} // namespace

int main(int argc, char** argv) {
    EmulatorOptions options;
    std::string error;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << EmulatorOptions::Usage();
        return 0;
    }
    if (!options.Parse(args, error)) {
        std::cerr << "module-emulator: " << error << "\n" << EmulatorOptions::Usage();
        return 2;
    }
    signal(SIGPIPE, SIG_IGN);
    // Paced bytes are due every 87 microseconds; the kernel's default 50
    // microsecond slack on our sleeps would stretch the line we emulate.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);

    ModuleProtocol module;
    if (options.LoadFile.empty())
        SeedDefaults(module);
    else if (!LoadMemory(options.LoadFile, module)) {
        std::cerr << "module-emulator: cannot read " << options.LoadFile << "\n";
        return 1;
    }
    module.ShortReadBytes = options.ShortRead;
    module.OnEvent = [](const std::string& event) { std::cout << event << std::endl; };
    if (!options.SaveFile.empty())
        module.OnMemoryChanged = [&] { SaveMemory(options.SaveFile, module); };

    // The emulator keeps its own end of the terminal open, so the line stays
    // up while the tool closes and reopens the port between transfers.
    int master = -1;
    int slave = -1;
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&master, &slave, nullptr, &raw, nullptr) != 0) {
        std::cerr << "module-emulator: openpty: " << std::strerror(errno) << "\n";
        return 1;
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    std::cout << ttyname(slave) << std::endl;

    LineScheduler line(module, options);
    const bool watchStdin = WatchStdin();
    for (;;) {
        const auto now = Clock::now();
        line.Advance(now);
        if (const std::string due = line.TakeDue(now); !due.empty()) {
            const ssize_t written = write(master, due.data(), due.size());
            const std::size_t sent = written > 0 ? static_cast<std::size_t>(written) : 0;
            if (sent < due.size())
                line.PutBack(due.substr(sent), now);
        }
        if (line.HangupDue(now)) {
            std::cout << "hangup" << std::endl;
            return 0; // closing our ends of the pty hangs up the tool's port
        }

        pollfd fds[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const timespec timeout = Until(line.NextDue());
        if (ppoll(fds, watchStdin ? 2 : 1, &timeout, nullptr) < 0 && errno != EINTR)
            return 1;
        if (fds[0].revents & POLLIN) {
            char buffer[4096];
            const ssize_t n = read(master, buffer, sizeof buffer);
            if (n > 0)
                line.Received(std::string(buffer, static_cast<std::size_t>(n)), Clock::now());
        }
        if (watchStdin && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            char buffer[256];
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                return 0;
        }
    }
}
