#pragma once
// The desktop's own style, with the few standard pictures the window needs
// at start-up drawn in code: reading Qt's picture files makes Qt load every
// image plugin on the system first (a dozen libraries), only to show a
// menu-bar chevron, the dialogs' tick and cross and the groups' frames.

#include <QProxyStyle>

class TProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit TProgramStyle(const QString& baseStyle);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Puts the program's style over the application's current one, once.
void UseProgramStyle();
