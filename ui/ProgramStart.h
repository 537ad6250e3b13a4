#pragma once
// The program's windows, created in the order of its start: the main window
// (whose creation fills the port list, the presets and the defaults), then
// the output-reaction dialog, the notification dialog and the About box, all
// hidden and owned by the main window. Used by the program and by the tests
// and benchmarks that start it as the installer does.

#include <memory>

class TGlownaF;

std::unique_ptr<TGlownaF> CreateProgramWindows();

// Centres the main window on the desktop with the tab "Podstawowe" in front
// and shows it.
void ShowMainWindow(TGlownaF& window);
