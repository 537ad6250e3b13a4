#pragma once
// The boundary between Qt's event loop and the program's actions. An error
// raised by an action (a port that cannot be opened, a file that cannot be
// read) ends that action and is shown to the installer in an error box; the
// program goes on. The message boxes go through replaceable reporters so the
// tests can see them without a modal box blocking.

#include <QString>

#include <functional>

class QWidget;

// Runs action; a VelotarError or any other std::exception it raises is shown
// by the error reporter with its message. Never lets an exception out.
void RunGuarded(QWidget* parent, const std::function<void()>& action);

// Shows an error box (QMessageBox::critical) unless a reporter is set.
void ShowErrorBox(QWidget* parent, const QString& message);

// Shows the modal box of the entry rules: caption "Uwaga", one OK button.
void ShowWarningBox(QWidget* parent, const QString& message);

using BoxReporter = std::function<void(QWidget* parent, const QString& message)>;

// Replaces how error boxes are shown; an empty function restores the real
// box. Returns the reporter that was in place.
BoxReporter SetErrorReporter(BoxReporter reporter);
