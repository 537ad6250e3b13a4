// The port list: sorted without regard to case, replacing what was there.

#include "PortMessages.h"
#include "PortTools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(PortList, SortsIgnoringCaseAndReplaces) {
    struct Case {
        QStringList found;
        QStringList listed;
    };
    const Case cases[] = {
        {{"COM2", "COM10", "COM1"}, {"COM1", "COM10", "COM2"}},
        {{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0"},
         {"/dev/ttyACM0", "/dev/ttyUSB10", "/dev/ttyUSB2"}},
        {{"com3", "COM2", "Com1"}, {"Com1", "COM2", "com3"}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        QStringList items{"left from before"};
        ReplaceWithSortedPortNames(items, c.found);
        EXPECT_EQ(items, c.listed) << c.found.join(u' ').toStdString();
    }
}

// A kernel table of terminal devices as the port list sees it: an entry per
// terminal, with a device behind real ports and a UART type on the serial
// core's ones.
TEST(PortList, OffersTerminalsWithADeviceBehindThem) {
    struct Entry {
        const char* name;
        bool device;
        const char* type; // nullptr: the driver shows no type
        bool offered;
    };
    const Entry entries[] = {
        {"tty0", false, nullptr, false},    // a virtual console
        {"ptmx", false, nullptr, false},
        {"ttyS0", true, "4\n", true},       // a 16550A on the board
        {"ttyS1", true, "0\n", false},      // a slot with no UART fitted
        {"ttyUSB0", true, nullptr, true},   // a USB adapter
        {"ttyACM0", true, nullptr, true},
        {"serial!ttyX1", true, nullptr, true},
    };
    QTemporaryDir table;
    ASSERT_TRUE(table.isValid());
    QStringList expected;
    for (const Entry& e : entries) {
        const QString dir = table.filePath(e.name);
        ASSERT_TRUE(QDir().mkpath(e.device ? dir + "/device" : dir));
        if (e.type) {
            QFile type(dir + "/type");
            ASSERT_TRUE(type.open(QIODevice::WriteOnly));
            type.write(e.type);
        }
        if (e.offered)
            expected << QStringLiteral("/dev/") + QString::fromLatin1(e.name).replace(u'!', u'/');
    }
    QStringList found = SerialDevicesIn(table.path());
    found.sort();
    expected.sort();
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(SerialDevicesIn(table.filePath("missing")).isEmpty());
}

TEST(PortList, MachinePortsReplaceTheListAsDevicePaths) {
    QStringList items{"left from before"};
    ListComPorts(items);
    EXPECT_FALSE(items.contains("left from before"));
    QStringList sorted = items;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(items, sorted);
    for (const QString& name : items)
        EXPECT_TRUE(name.startsWith("/dev/")) << name.toStdString();
}

TEST(PortMessages, OpenFailureNamesCodeReasonAndForPermissionTheGroup) {
    const QString missing = OpenFailureMessage("/dev/ttyUSB7", ENOENT, "dialout");
    EXPECT_TRUE(missing.startsWith("Unable to open com port (error 2: ")) << missing.toStdString();
    EXPECT_TRUE(missing.contains("/dev/ttyUSB7"));
    EXPECT_FALSE(missing.contains(u'\n'));

    const QString denied = OpenFailureMessage("/dev/ttyUSB0", EACCES, "uucp");
    EXPECT_TRUE(denied.startsWith("Unable to open com port (error 13: "));
    const QString hint = denied.section(u'\n', 1);
    EXPECT_TRUE(hint.contains("uucp")) << hint.toStdString();
    EXPECT_TRUE(hint.contains(QStringLiteral("zaloguj ponownie")));
}

} // namespace
