#pragma once
// The program's windows as the installer gets them (the main window with the
// reaction dialogs), error boxes caught instead of shown, and what the
// end-to-end tests share: the log, the idle state after a transfer, modal
// dialogs driven as the installer drives them, and a snapshot of everything
// the window shows.

#include "GuardedAction.h"
#include "ProgramStart.h"
#include "TTransferEngine.h"
#include "Udecl.h"
#include "Uformagl.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

template <class Record>
bool SameRecord(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// Runs open, which shows a dialog modally, and act on that dialog once it is
// the active modal widget. A dialog that act leaves open is rejected, so a
// failed step cannot hang the test. Returns whether act ran.
inline bool DriveModal(const std::function<void()>& open, const std::function<void(QWidget&)>& act) {
    bool acted = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        acted = true;
        act(*dialog);
        if (auto* d = qobject_cast<QDialog*>(dialog); d && d->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            d->reject();
        }
    });
    poll.start();
    open();
    return acted;
}

class ProgramWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = TSettings{};
        UserNotes = TUserNotes{};
        ClearDeviceImage();
        m_previousReporter =
            SetErrorReporter([this](QWidget*, const QString& message) { errors << message; });
        window = CreateProgramWindows();
        window->show();
    }
    void TearDown() override {
        window.reset();
        SetErrorReporter(std::move(m_previousReporter));
        // A test that failed mid-transfer must not hand its busy cursor on.
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    // Gives the window the focus, for typing.
    void ShowActive() {
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    TTransferEngine& Transfer() const { return *window->Transfer; }

    template <class T>
    T* Found(const QString& name) const {
        T* c = window->Control<T>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    // The port the installer types into the port box.
    void UsePort(const QString& path) { window->CBcom->setEditText(path); }

    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QStringList Log() const {
        QStringList lines;
        for (int i = 0; i < window->ListBox1->count(); ++i)
            lines << window->ListBox1->item(i)->text();
        return lines;
    }
    bool WaitForLog(const QString& line, int ms = 5000) {
        return QTest::qWaitFor([&] { return Log().contains(line); }, ms);
    }

    // Both transfers idle, the buttons usable, the default cursor, no time-out running.
    ::testing::AssertionResult Idle() const {
        const TTransferEngine& t = Transfer();
        if (t.ProgramState != 0 || t.ReadState != 0)
            return ::testing::AssertionFailure()
                   << "states " << t.ProgramState << "/" << t.ReadState;
        if (!window->Bprogramuj->isEnabled() || !window->BBload->isEnabled())
            return ::testing::AssertionFailure() << "a transfer button stays disabled";
        if (QApplication::overrideCursor())
            return ::testing::AssertionFailure() << "the busy cursor stays";
        if (t.Timer1.isActive())
            return ::testing::AssertionFailure() << "the time-out still runs";
        return ::testing::AssertionSuccess();
    }
    bool WaitUntilIdle(int ms = 5000) {
        return QTest::qWaitFor([&] { return bool(Idle()); }, ms);
    }

    // Every named control with what it shows and whether it is enabled.
    QStringList WindowShows() const {
        QStringList shown;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            // The window's own controls: not those inside its dialogs, nor Qt's inner parts.
            if (w->window() != window.get() || w->objectName().isEmpty()
                || w->objectName().startsWith(QStringLiteral("qt_")))
                continue;
            QString value;
            if (auto* e = qobject_cast<QLineEdit*>(w))
                value = e->text();
            else if (auto* s = qobject_cast<QAbstractSpinBox*>(w))
                value = s->text();
            else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
                value = m->toPlainText();
            else if (auto* c = qobject_cast<QComboBox*>(w))
                value = c->currentText();
            else if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
                value = b->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
            else
                continue;
            shown << w->objectName() + (w->isEnabled() ? QStringLiteral("=") : QStringLiteral("(off)=")) + value;
        }
        return shown;
    }

    // The window shows what it showed then; the differences otherwise.
    ::testing::AssertionResult ShowsAsBefore(const QStringList& before) const {
        const QStringList now = WindowShows();
        if (now == before)
            return ::testing::AssertionSuccess();
        auto failure = ::testing::AssertionFailure();
        for (qsizetype i = 0; i < std::max(now.size(), before.size()); ++i)
            if (now.value(i) != before.value(i))
                failure << "\n  was " << before.value(i).toStdString() << ", now " << now.value(i).toStdString();
        return failure;
    }

    QStringList errors;
    std::unique_ptr<TGlownaF> window;

private:
    BoxReporter m_previousReporter;
};
