#pragma once
// Keeps a serial device for one owner at a time. The terminal's exclusive
// mode is ignored for root, and the lock file that QSerialPort leaves in
// /run/lock counts as stale after 30 seconds even while its owner lives; an
// flock() on the device itself holds for every user for as long as we keep it.

#include <QString>

class PortLock final {
public:
    PortLock() = default;
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Takes the device; on failure returns the errno (EBUSY when another
    // owner holds it) and holds nothing.
    int Acquire(const QString& devicePath);
    void Release();
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
