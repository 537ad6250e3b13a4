// Listing the machine's serial ports through the system's own enumeration.

#include "PortTools.h"

#include <QSerialPortInfo>

void ReplaceWithSortedPortNames(QStringList& Items, QStringList names) {
    names.sort(Qt::CaseInsensitive);
    Items = std::move(names);
}

void ListComPorts(QStringList& Items) {
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports)
        names.append(port.systemLocation());
    ReplaceWithSortedPortNames(Items, std::move(names));
}
