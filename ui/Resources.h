#pragma once
// The window layer's resources (the program's picture) live in a static
// library, so they are registered by hand before first use.

class QIcon;

void LoadUiResources();

// The program's picture at every icon size, from PNGs rendered at build time
// (cheap to load: no SVG plugin is needed to start the program).
QIcon ProgramIcon();
