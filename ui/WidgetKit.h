#pragma once
// Small makers for the window's controls: each gives the control its fixed
// object name, caption and limits in one call, so the tab builders read as
// tables of what stands where.

#include <QRect>
#include <QString>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class TEdit;
class TSpinEdit;

namespace Kit {

// typingLimit 0: no limit.
TEdit* Edit(QWidget* parent, const QString& name, int typingLimit);
TSpinEdit* Spin(QWidget* parent, const QString& name, int minimum, int maximum);
QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption);
QLabel* Label(QWidget* parent, const QString& text, const QString& name = {});
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption);
// A group placed at its 96-dpi position within its tab.
QGroupBox* Group(QWidget* parent, const QString& name, const QString& title, const QRect& place);
QFrame* HLine(QWidget* parent);

} // namespace Kit
