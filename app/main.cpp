// Start of Velotar: the main window and its dialogs, shown centred with the
// tab "Podstawowe" in front. No command line, environment or configuration
// file is read: the only state the program keeps is what the installer saves.

#include "ProgramStart.h"
#include "Uformagl.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velotar"));
    const auto window = CreateProgramWindows();
    ShowMainWindow(*window);
    return QApplication::exec();
}
