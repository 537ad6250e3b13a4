#pragma once
// The list of serial ports offered in the port box.

#include <QStringList>

// Replaces the list's contents with the machine's serial device paths (such
// as /dev/ttyUSB0, the same text a user may type), sorted ascending without
// regard to case.
void ListComPorts(QStringList& Items);

// The device paths of the serial ports in the kernel's table of terminal
// devices (/sys/class/tty on a running system), in the table's order.
QStringList SerialDevicesIn(const QString& ttyClassDir);

// The sorting and replacing step on its own: Items becomes names sorted
// ascending ignoring case (so COM10 comes before COM2).
void ReplaceWithSortedPortNames(QStringList& Items, QStringList names);
