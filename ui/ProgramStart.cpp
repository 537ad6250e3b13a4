// Creating and showing the program's windows.

#include "ProgramStart.h"

#include "About.h"
#include "ProgramStyle.h"
#include "UFconfigNumberWeRe.h"
#include "Uformagl.h"
#include "UfconfigWorkWeRe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>

std::unique_ptr<TGlownaF> CreateProgramWindows() {
    UseProgramStyle();
    auto window = std::make_unique<TGlownaF>();
    window->FconfigNumberWeRe = new TFconfigNumberWeRe(window.get());
    window->FConfigWorkWeRe = new TFConfigWorkWeRe(window.get());
    window->AboutBox = new TAboutBox(window.get());
    return window;
}

void ShowMainWindow(TGlownaF& window) {
    window.PageControl2->setCurrentIndex(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    window.show();
}
