// Renders the main window once per tab (tab1.png .. tab5.png) and the About
// box (about.png) into the folder given as the first argument (default: the
// current folder). Optional second argument: a settings file to show first.

#include "About.h"
#include "ProgramStart.h"
#include "Uformagl.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    // The windows as the program starts them, in the program's own style.
    const auto program = CreateProgramWindows();
    TGlownaF& window = *program;
    ShowMainWindow(window);
    for (int i = 0; i < window.PageControl2->count(); ++i) {
        window.PageControl2->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(QStringLiteral("tab%1.png").arg(i + 1));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    window.AboutBox->show();
    QApplication::processEvents();
    const QString about = QDir(folder).filePath(QStringLiteral("about.png"));
    window.AboutBox->grab().save(about);
    std::printf("%s\n", qPrintable(about));
    return 0;
}
