// Atomic replacement of a file: temporary file, write, fsync, rename.

#include "AtomicFile.h"

#include "VelotarError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
    throw VelotarError("Nie można zapisać pliku \"" + path + "\": " + std::strerror(error));
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A link is replaced through what it points to, so the link itself survives.
std::string ResolveLink(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// An existing file keeps its permissions; a new one gets the usual ones.
mode_t ModeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

void WriteFileAtomically(const std::string& shownPath, const std::vector<std::uint8_t>& data) {
    const std::string path = ResolveLink(shownPath);
    const std::string folder = FolderOf(path);
    std::string temp = folder + "/.velotar-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        Fail(shownPath, errno);

    const bool ok = WriteAll(fd, data.data(), data.size()) && ::fchmod(fd, ModeFor(path)) == 0 &&
                    ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 && ok) {
        const int closeError = errno;
        ::unlink(temp.c_str());
        Fail(shownPath, closeError);
    }
    if (!ok) {
        ::unlink(temp.c_str());
        Fail(shownPath, writeError);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        Fail(shownPath, renameError);
    }
    // Make the new name itself durable; a failure here loses nothing already written.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}
