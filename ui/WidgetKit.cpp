// Makers for the window's controls.

#include "WidgetKit.h"

#include "TEdit.h"
#include "TSpinEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace Kit {

TEdit* Edit(QWidget* parent, const QString& name, int typingLimit) {
    auto* e = new TEdit(parent);
    e->setObjectName(name);
    e->SetTypingLimit(typingLimit);
    return e;
}

TSpinEdit* Spin(QWidget* parent, const QString& name, int minimum, int maximum) {
    auto* s = new TSpinEdit(parent);
    s->setObjectName(name);
    s->SetLimits(minimum, maximum);
    s->setFixedWidth(maximum > 99 ? 50 : 44);
    return s;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QLabel* Label(QWidget* parent, const QString& text, const QString& name) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QGroupBox* Group(QWidget* parent, const QString& name, const QString& title, const QRect& place) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setGeometry(place);
    return g;
}

QFrame* HLine(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace Kit
