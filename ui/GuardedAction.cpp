// Catches what an action raises and shows it, so no exception crosses Qt's
// event loop.

#include "GuardedAction.h"

#include <QMessageBox>

#include <exception>
#include <utility>

namespace {

BoxReporter& ErrorReporter() {
    static BoxReporter reporter;
    return reporter;
}

} // namespace

void ShowErrorBox(QWidget* parent, const QString& message) {
    if (const BoxReporter& reporter = ErrorReporter()) {
        reporter(parent, message);
        return;
    }
    QMessageBox::critical(parent, QStringLiteral("Velotar"), message);
}

void ShowWarningBox(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Uwaga"), message, QMessageBox::Ok, parent);
    box.exec();
}

void RunGuarded(QWidget* parent, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        ShowErrorBox(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(parent, QStringLiteral("Nieznany błąd."));
    }
}

BoxReporter SetErrorReporter(BoxReporter reporter) {
    return std::exchange(ErrorReporter(), std::move(reporter));
}
