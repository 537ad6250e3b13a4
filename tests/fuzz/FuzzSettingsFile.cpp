// Opening a settings file made of arbitrary bytes: it is either refused with
// an error and the records stay as they were, or it is opened, and saving
// what was opened and opening that again gives the same bytes.

#include "Udecl.h"
#include "Uplik.h"
#include "VelotarError.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::string WriteToMemoryFile(const std::uint8_t* data, std::size_t size, int& fd) {
    fd = ::memfd_create("zmk", 0);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size))
        std::abort();
    return "/proc/self/fd/" + std::to_string(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int fd = -1;
    const std::string path = WriteToMemoryFile(data, size, fd);

    TSettings settings;
    TUserNotes notes;
    std::memset(&settings, 0xA5, sizeof settings);
    std::memset(&notes, 0x5A, sizeof notes);
    const TSettings settingsBefore = settings;
    const TUserNotes notesBefore = notes;
    bool opened = true;
    try {
        LoadSettingsFile(path, settings, notes);
    } catch (const VelotarError&) {
        opened = false;
    }
    ::close(fd);

    if (!opened) {
        if (std::memcmp(&settings, &settingsBefore, sizeof settings) != 0 ||
            std::memcmp(&notes, &notesBefore, sizeof notes) != 0)
            std::abort(); // a refused file changed the records
        return 0;
    }

    char folder[] = "/tmp/velotar-fuzz-XXXXXX";
    if (!::mkdtemp(folder))
        std::abort();
    const std::string saved = std::string(folder) + "/again.zmk";
    SaveSettingsFile(settings, notes, saved);
    TSettings settingsAgain{};
    TUserNotes notesAgain{};
    LoadSettingsFile(saved, settingsAgain, notesAgain);
    ::unlink(saved.c_str());
    ::rmdir(folder);
    if (std::memcmp(&settings, &settingsAgain, sizeof settings) != 0 ||
        std::memcmp(&notes, &notesAgain, sizeof notes) != 0)
        std::abort(); // an opened file did not survive a save
    return 0;
}
