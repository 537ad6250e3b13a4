#pragma once
// A page of the tab area. The tab area asks every page for its size when the
// window is first shown, and a page of controls answers by measuring every
// one of them, fonts and all: for the four pages behind the first that was
// three quarters of the work of showing the window. A sheet that has not
// been shown yet answers without measuring; once its tab has been in front,
// it gives its real size, so that the window cannot be made too narrow for
// it. Every control still exists from start-up on.

#include <QWidget>

class TTabSheet final : public QWidget {
    Q_OBJECT
public:
    TTabSheet(const QString& name, QWidget* tabArea);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_shown = false;
};
