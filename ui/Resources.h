#pragma once
// The window layer's resources (the program's picture) live in a static
// library, so they are registered by hand before first use.

void LoadUiResources();
