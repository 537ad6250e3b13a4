// Listing the machine's serial ports from the kernel's own table of terminal
// devices. Asking udev for the same list reads a few thousand files at
// every start of the program; the table is one directory and a file or two
// per port.

#include "PortTools.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

namespace {

QByteArray ReadAttribute(const QByteArray& path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64).trimmed();
}

// A terminal is a serial port when some device stands behind it (virtual
// consoles and pseudo-terminals have none). The serial core shows the UART
// type of its ports; type 0 is a slot the driver reserved with no UART
// fitted, as most of /dev/ttyS0..31 on a PC.
bool IsSerialPort(const QByteArray& entry) {
    struct stat info {};
    if (::stat((entry + "/device").constData(), &info) != 0)
        return false;
    return ReadAttribute(entry + "/type") != "0"; // no type shown: not the serial core
}

} // namespace

void ReplaceWithSortedPortNames(QStringList& Items, QStringList names) {
    names.sort(Qt::CaseInsensitive);
    Items = std::move(names);
}

QStringList SerialDevicesIn(const QString& ttyClassDir) {
    QStringList devices;
    const QByteArray dir = QFile::encodeName(ttyClassDir);
    DIR* table = ::opendir(dir.constData());
    if (!table)
        return devices;
    while (const dirent* entry = ::readdir(table)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.') || !IsSerialPort(dir + '/' + name))
            continue;
        // Devices in a subdirectory of /dev are named with '!' for '/'.
        devices.append(QStringLiteral("/dev/") + QFile::decodeName(name).replace(u'!', u'/'));
    }
    ::closedir(table);
    return devices;
}

void ListComPorts(QStringList& Items) {
    ReplaceWithSortedPortNames(Items, SerialDevicesIn(QStringLiteral("/sys/class/tty")));
}
