#pragma once
// The window layer's resources (the program's picture) live in a static
// library, so they are registered by hand before first use.

class QIcon;

void LoadUiResources();

// The program's picture at the window icon's sizes, from pixels rendered at
// build time (cheap to load: no image decoder or plugin is needed).
QIcon ProgramIcon();
