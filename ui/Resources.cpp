// Registers the compiled-in resources once and gives the program's icon.

#include "Resources.h"

#include <QIcon>
#include <QtGlobal>

void LoadUiResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(velotar);
        return true;
    }();
    (void)loaded;
}

QIcon ProgramIcon() {
    // The sizes a title bar and a task bar ask for; each file is decoded
    // when added, so the large ones are left to the desktop's icon theme.
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/velotar/icons/velotar-%1.png").arg(size), QSize(size, size));
    return icon;
}
