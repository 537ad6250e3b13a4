#pragma once
// A page of the tab area. The tab area asks every page for its size when the
// window is first shown, and a page of controls answers by measuring every
// one of them, fonts and all: for the four pages behind the first that was
// three quarters of the work of showing the window. A sheet answers without
// measuring; its controls are measured and laid out when its tab is first
// brought to the front. Every control still exists from start-up on.

#include <QWidget>

class TTabSheet final : public QWidget {
    Q_OBJECT
public:
    TTabSheet(const QString& name, QWidget* tabArea);

    QSize sizeHint() const override { return {}; }
    QSize minimumSizeHint() const override { return {}; }
};
