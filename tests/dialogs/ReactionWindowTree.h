#pragma once
// A stand-in for the main window as the openings see it: the three parents
// whose names tell the button groups apart, holding buttons with the
// window's names, the users' name and phone edits, and the two dialogs
// created once with the window as their owner.

#include "ReactionOpeners.h"
#include "Udecl.h"
#include "UFconfigNumberWeRe.h"
#include "UfconfigWorkWeRe.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

struct ReactionWindowTree {
    QWidget Window;
    QWidget* ScrollBox1 = Named(new QWidget(&Window), "ScrollBox1");
    QWidget* TabSheet4 = Named(new QWidget(&Window), "TabSheet4");
    QWidget* GroupBox11 = Named(new QWidget(&Window), "GroupBox11");
    TFconfigNumberWeRe& Reaction = *new TFconfigNumberWeRe(&Window);
    TFConfigWorkWeRe& Notify = *new TFConfigWorkWeRe(&Window);
    TSettings Record{};

    ReactionWindowTree() {
        SetDefaultSettings(Record);
        for (int k = 1; k <= UserCount; ++k) {
            Named(new QLineEdit(&Window), "Eosoba" + std::to_string(k));
            Named(new QLineEdit(&Window), "Enruser" + std::to_string(k));
        }
    }

    // The parent is looked up by its name, as the test tables give it.
    QWidget& Button(const char* parentName, const char* name) {
        QWidget* parent = Window.findChild<QWidget*>(QLatin1StringView(parentName));
        if (auto* existing = parent->findChild<QPushButton*>(QLatin1StringView(name),
                                                             Qt::FindDirectChildrenOnly))
            return *existing;
        return *Named(new QPushButton(parent), name);
    }

    QLineEdit& Edit(const std::string& name) {
        return *Window.findChild<QLineEdit*>(QString::fromStdString(name));
    }

    // The record read by offset, so that the tests check the byte map itself.
    Byte& At(std::size_t offset) { return reinterpret_cast<Byte*>(&Record)[offset]; }

    template <class W> static W* Named(W* widget, const std::string& name) {
        widget->setObjectName(QString::fromStdString(name));
        return widget;
    }
};
