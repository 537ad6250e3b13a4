// Parsing the emulator's command line.

#include "EmulatorOptions.h"

#include <charconv>
#include <functional>
#include <map>

namespace {

bool ToInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= 0;
}

} // namespace

std::string EmulatorOptions::Usage() {
    return "usage: module-emulator [options]\n"
           "Opens a pseudo-terminal, prints its path on the first line and answers as\n"
           "the alarm module does until it is killed or its piped stdin closes.\n"
           "  --load FILE        start with this 2048-byte memory\n"
           "  --save FILE        write the memory to FILE after every frame\n"
           "  --silent           never answer\n"
           "  --late STEP:MS     answer STEP MS milliseconds late\n"
           "  --chunk N          send every answer in chunks of N bytes\n"
           "  --chunk-gap MS     pause between chunks (default 20)\n"
           "  --bare STEP        answer \"*1\" without \"OK\" at STEP\n"
           "  --stop-after N     answer frames up to N, then nothing\n"
           "  --garbage STEP     send noise instead of the answer at STEP\n"
           "  --short-read N     a read answer carries only N image bytes\n"
           "  --hangup STEP      send half of the answer at STEP, then close the line\n"
           "  --pace             every byte takes 10 bits at 115200 baud, both ways\n"
           "STEP is start, frame1 .. frame27, resend or read.\n";
}

bool EmulatorOptions::Parse(const std::vector<std::string>& args, std::string& error) {
    using Setter = std::function<bool(const std::string&)>;
    const auto number = [](int& target) {
        return Setter([&target](const std::string& v) { return ToInt(v, target); });
    };
    const auto text = [](std::string& target) {
        return Setter([&target](const std::string& v) { target = v; return !v.empty(); });
    };
    const auto millis = [](std::chrono::milliseconds& target) {
        return Setter([&target](const std::string& v) {
            int ms = 0;
            if (!ToInt(v, ms))
                return false;
            target = std::chrono::milliseconds(ms);
            return true;
        });
    };
    const std::map<std::string, Setter> withValue = {
        {"--load", text(LoadFile)},
        {"--save", text(SaveFile)},
        {"--late", [this](const std::string& v) {
             const auto colon = v.find(':');
             int ms = 0;
             if (colon == std::string::npos || !ToInt(v.substr(colon + 1), ms))
                 return false;
             LateStep = v.substr(0, colon);
             LateBy = std::chrono::milliseconds(ms);
             return !LateStep.empty();
         }},
        {"--chunk", number(ChunkSize)},
        {"--chunk-gap", millis(ChunkGap)},
        {"--bare", text(BareStep)},
        {"--stop-after", number(StopAfterFrame)},
        {"--garbage", text(GarbageStep)},
        {"--short-read", number(ShortRead)},
        {"--hangup", text(HangupStep)},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--silent") {
            Silent = true;
        } else if (arg == "--pace") {
            Pace = true;
        } else if (auto it = withValue.find(arg); it != withValue.end()) {
            if (i + 1 >= args.size() || !it->second(args[i + 1])) {
                error = "bad or missing value for " + arg;
                return false;
            }
            ++i;
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    return true;
}
