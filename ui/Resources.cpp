// Registers the compiled-in resources once.

#include "Resources.h"

#include <QtGlobal>

void LoadUiResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(velotar);
        return true;
    }();
    (void)loaded;
}
