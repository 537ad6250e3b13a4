// A tab page that is measured only once it has been shown.

#include "TTabSheet.h"

TTabSheet::TTabSheet(const QString& name, QWidget* tabArea) : QWidget(tabArea) {
    setObjectName(name);
}

QSize TTabSheet::sizeHint() const { return m_shown ? QWidget::sizeHint() : QSize(); }

QSize TTabSheet::minimumSizeHint() const {
    return m_shown ? QWidget::minimumSizeHint() : QSize();
}

void TTabSheet::showEvent(QShowEvent* event) {
    if (!m_shown) {
        m_shown = true;
        updateGeometry();
    }
    QWidget::showEvent(event);
}
