// Settings files: the settings record and the user notes, byte for byte,
// as one zlib stream.

#include "Uplik.h"

#include "AtomicFile.h"
#include "RecordCheck.h"
#include "Udecl.h"
#include "VelotarError.h"
#include "ZlibStream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t FileDataSize = sizeof(TSettings) + sizeof(TUserNotes);
static_assert(FileDataSize == 2356);

// No settings file is anywhere near this; more is a damaged or foreign file.
constexpr std::size_t InflateLimit = 16 * 1024 * 1024;

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The message an installer sees for a file that is not one of ours or is
// damaged, as the program has always shown it.
[[noreturn]] void FailDamaged() { throw VelotarError("Error"); }

class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};

} // namespace

void SaveSettingsFile(const TSettings& settings, const TUserNotes& notes,
                      const std::string& fileName) {
    std::uint8_t data[FileDataSize];
    std::memcpy(data, &settings, sizeof settings);
    std::memcpy(data + sizeof settings, &notes, sizeof notes);
    const std::vector<std::uint8_t> stream = DeflateStream(data, sizeof data);
    if (stream.empty())
        throw VelotarError("Nie można zapisać pliku " + Quoted(fileName) +
                           ": błąd kompresji danych.");
    WriteFileAtomically(fileName, stream);
}

void SaveSettingsFile(const TSettings& settings, const std::string& fileName) {
    SaveSettingsFile(settings, UserNotes, fileName);
}

void LoadSettingsFile(const std::string& fileName, TSettings& settings, TUserNotes& notes) {
    const FileHandle file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.fd() < 0)
        throw VelotarError("Nie można otworzyć pliku " + Quoted(fileName) + ": " +
                           std::strerror(errno));

    const InflateResult read = InflateStream(file.fd(), FileDataSize, InflateLimit);
    switch (read.outcome) {
    case InflateResult::Outcome::Complete:
        break;
    case InflateResult::Outcome::ReadFailed:
        throw VelotarError("Nie można odczytać pliku " + Quoted(fileName) + ": " +
                           std::strerror(read.readErrno));
    case InflateResult::Outcome::Truncated:
        if (read.totalOut == 0 && read.head.empty())
            throw VelotarError("Plik " + Quoted(fileName) +
                               " jest pusty albo urwany: nie zawiera ustawień.");
        if (read.head.size() < FileDataSize)
            throw VelotarError("Plik " + Quoted(fileName) + " jest urwany: kończy się po " +
                               std::to_string(read.head.size()) + " z " +
                               std::to_string(FileDataSize) + " bajtów ustawień.");
        throw VelotarError("Plik " + Quoted(fileName) +
                           " jest urwany: brakuje jego końca z sumą kontrolną.");
    case InflateResult::Outcome::Damaged:
        FailDamaged();
    }
    if (read.head.size() < FileDataSize)
        throw VelotarError("Plik " + Quoted(fileName) + " jest za krótki: zawiera " +
                           std::to_string(read.head.size()) + " z " +
                           std::to_string(FileDataSize) + " bajtów ustawień.");

    TSettings loadedSettings;
    TUserNotes loadedNotes;
    std::memcpy(&loadedSettings, read.head.data(), sizeof loadedSettings);
    std::memcpy(&loadedNotes, read.head.data() + sizeof loadedSettings, sizeof loadedNotes);
    const std::string overlong = FindOverlongText(loadedSettings, loadedNotes);
    if (!overlong.empty())
        throw VelotarError("Plik " + Quoted(fileName) + " jest uszkodzony: pole " + overlong +
                           " ma długość większą, niż może pomieścić.");

    // Only a whole, checked file reaches the records.
    settings = loadedSettings;
    notes = loadedNotes;
}

void LoadSettingsFile(const std::string& fileName, TSettings& settings) {
    LoadSettingsFile(fileName, settings, UserNotes);
}
