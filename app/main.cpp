// Start of Velotar: the main window (whose creation fills the port list,
// the SMS-centre presets and the defaults), then the two reaction dialogs and
// the About box, all hidden; the window is shown centred with the tab
// "Podstawowe" in front. No command line, environment or configuration file
// is read: the only state the program keeps is what the installer saves.

#include "About.h"
#include "UFconfigNumberWeRe.h"
#include "Uformagl.h"
#include "UfconfigWorkWeRe.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velotar"));

    TGlownaF window;
    window.FconfigNumberWeRe = new TFconfigNumberWeRe(&window);
    window.FConfigWorkWeRe = new TFConfigWorkWeRe(&window);
    window.AboutBox = new TAboutBox(&window);

    window.PageControl2->setCurrentIndex(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    window.show();
    return QApplication::exec();
}
