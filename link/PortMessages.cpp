// Error texts of the serial layer.

#include "PortMessages.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>

QString OpenFailureMessage(const QString& portName, int errorCode, const QString& deviceGroup) {
    QString message = QStringLiteral("Unable to open com port (error %1: %2): %3")
                          .arg(errorCode)
                          .arg(QString::fromLocal8Bit(std::strerror(errorCode)), portName);
    if (errorCode == EACCES || errorCode == EPERM)
        message += QStringLiteral(
                       "\nBrak uprawnień do portu: dodaj swoje konto do grupy %1 "
                       "(sudo usermod -aG %1 $USER), potem wyloguj się i zaloguj ponownie.")
                       .arg(deviceGroup);
    return message;
}

QString DeviceGroup(const QString& devicePath) {
    struct stat st {};
    if (::stat(QFile::encodeName(devicePath).constData(), &st) == 0)
        if (const group* owner = ::getgrgid(st.st_gid); owner && st.st_gid != 0)
            return QString::fromLocal8Bit(owner->gr_name);
    return QStringLiteral("dialout");
}
