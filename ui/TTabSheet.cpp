// A tab page that is measured only when shown.

#include "TTabSheet.h"

TTabSheet::TTabSheet(const QString& name, QWidget* tabArea) : QWidget(tabArea) {
    setObjectName(name);
}
