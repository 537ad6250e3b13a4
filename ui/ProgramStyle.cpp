// Drawn standard pictures: the menu bar's extension chevrons, the tick and
// cross of the "OK" and "Anuluj" buttons and Fusion's group frame.

#include "ProgramStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOption>

#include <algorithm>
#include <functional>

namespace {

constexpr int GroupBoxTopMargin = 3; // Fusion's space above a group's frame

// A picture drawn on a 16-unit square, at the sizes a button or a menu bar
// asks for on ordinary and high-density screens.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen Stroke(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QIcon Tick() {
    return DrawnIcon([](QPainter& p) {
        p.setPen(Stroke(QColor(0x1e, 0x8c, 0x2d), 2.4));
        QPainterPath tick;
        tick.moveTo(3, 8.5);
        tick.lineTo(6.5, 12);
        tick.lineTo(13, 4);
        p.drawPath(tick);
    });
}

QIcon Cross() {
    return DrawnIcon([](QPainter& p) {
        p.setPen(Stroke(QColor(0xc8, 0x1e, 0x1e), 2.4));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}

// Two chevrons pointing along the bar, towards the entries that did not fit.
QIcon Chevrons(bool vertical, bool rightToLeft) {
    return DrawnIcon([=](QPainter& p) {
        p.setPen(Stroke(QColor(0x40, 0x40, 0x40), 1.4));
        if (vertical) {
            p.translate(16, 0);
            p.rotate(90);
        } else if (rightToLeft) {
            p.translate(16, 0);
            p.scale(-1, 1);
        }
        for (const qreal x : {4.5, 8.5}) {
            QPainterPath chevron;
            chevron.moveTo(x, 5);
            chevron.lineTo(x + 3, 8);
            chevron.lineTo(x, 11);
            p.drawPath(chevron);
        }
    });
}

} // namespace

TProgramStyle::TProgramStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

QIcon TProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                  const QWidget* widget) const {
    const bool rightToLeft = (option ? option->direction : QGuiApplication::layoutDirection()) ==
                             Qt::RightToLeft;
    switch (standardIcon) {
    case SP_DialogOkButton:
        return Tick();
    case SP_DialogCancelButton:
        return Cross();
    case SP_ToolBarHorizontalExtensionButton:
        return Chevrons(false, rightToLeft);
    case SP_ToolBarVerticalExtensionButton:
        return Chevrons(true, false);
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

void TProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion frames a group with a picture file; the same soft, rounded
    // line drawn here. The frame starts below the title, as Fusion's does.
    const auto* group = qobject_cast<const QGroupBox*>(widget);
    const bool bare = group && !group->isCheckable() && group->title().isEmpty();
    const int top = bare ? GroupBoxTopMargin
                         : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                    option->fontMetrics.height()) +
                               GroupBoxTopMargin;
    const QRect frame = option->rect.adjusted(1, top + 1, -1, -1);
    // Straight lines with the corners left out look rounded at this size and
    // cost a fraction of an antialiased path over a whole tab of groups.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Shades of black over whatever the group sits on, as Fusion's picture.
    painter->fillRect(frame.adjusted(1, 1, 0, 0), QColor(0, 0, 0, 3));
    painter->setPen(QColor(0, 0, 0, 26));
    painter->drawLine(frame.left() + 1, frame.top(), frame.right() - 1, frame.top());
    painter->drawLine(frame.left() + 1, frame.bottom(), frame.right() - 1, frame.bottom());
    painter->drawLine(frame.left(), frame.top() + 1, frame.left(), frame.bottom() - 1);
    painter->drawLine(frame.right(), frame.top() + 1, frame.right(), frame.bottom() - 1);
    painter->restore();
}

void UseProgramStyle() {
    if (qobject_cast<TProgramStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new TProgramStyle(QApplication::style()->name()));
}
