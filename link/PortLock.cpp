// The device lock behind the exclusive open.

#include "PortLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

PortLock::~PortLock() {
    Release();
}

int PortLock::Acquire(const QString& devicePath) {
    Release();
    // Non-blocking, so a device that waits for carrier cannot hang the
    // window; no controlling terminal for us.
    const int fd = ::open(QFile::encodeName(devicePath).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return error;
    }
    m_fd = fd;
    return 0;
}

void PortLock::Release() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
