// What starting the program loads. Reading any picture file makes Qt load
// every image plugin of the system (a dozen libraries and their own), which
// costs start-up more time than the window's own controls; the window icon
// and the standard pictures of the first screen are therefore compiled in
// or drawn. This runs as its own process, so nothing else loaded them first.

#include "ProgramStart.h"
#include "UFconfigNumberWeRe.h"
#include "Uformagl.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QStringList LoadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/") || line.contains("/iconengines/"))
            plugins << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    plugins.removeDuplicates();
    return plugins;
}

TEST(ProgramStart, ShowsTheWindowWithItsPicturesAndNoImagePlugin) {
    ASSERT_TRUE(QFile::exists(QStringLiteral("/proc/self/maps")));
    const auto window = CreateProgramWindows();
    ShowMainWindow(*window);
    QApplication::processEvents();

    EXPECT_EQ(LoadedImagePlugins().join(u' ').toStdString(), "");
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (const int size : {16, 32, 48})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_FALSE(window->FconfigNumberWeRe->BitBtn1->icon().isNull());
}

} // namespace
