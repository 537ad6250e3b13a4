#pragma once
// The texts the installer sees when the serial port fails.

#include <QString>

// "Unable to open com port (error N: reason): path", and when the reason is
// a missing permission, one more line telling how to get it.
QString OpenFailureMessage(const QString& portName, int errorCode, const QString& deviceGroup);

// The group that owns the device (the one to join for access); "dialout"
// when the device cannot be inspected.
QString DeviceGroup(const QString& devicePath);
