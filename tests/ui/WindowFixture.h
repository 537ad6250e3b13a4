#pragma once
// A fresh main window on all-zero records, as at program start, plus the
// helpers the window tests share: reaching controls by name and watching the
// modal boxes that the window opens.

#include "GuardedAction.h"
#include "TEdit.h"
#include "TSpinEdit.h"
#include "Udecl.h"
#include "Uformagl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QCheckBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Types text as key presses carrying those characters, Polish letters and
// characters of other scripts included (QTest::keyClicks knows ASCII only).
inline void TypeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = TSettings{};
        UserNotes = TUserNotes{};
        window = std::make_unique<TGlownaF>();
    }
    void TearDown() override { window.reset(); }

    // Shows the window and gives it the focus, for typing and focus moves.
    void ShowActive() {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    TEdit* Edit(const QString& name) const { return Found<TEdit>(name); }
    TSpinEdit* Spin(const QString& name) const { return Found<TSpinEdit>(name); }
    QCheckBox* Check(const QString& name) const { return Found<QCheckBox>(name); }

    template <class T>
    T* Found(const QString& name) const {
        T* c = window->Control<T>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }

    std::unique_ptr<TGlownaF> window;
};

// Records every modal box shown while it lives and closes it with OK. Given
// a window, it makes that window active again at once, as a desktop does
// when a box closes, so the focus moves that follow are real ones.
class ModalBoxWatch final {
public:
    struct Box {
        QString caption;
        QString text;
    };

    explicit ModalBoxWatch(QWidget* reactivate = nullptr) {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this, reactivate] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxes.push_back({box->windowTitle(), box->text()});
            box->accept();
            if (reactivate)
                QApplication::setActiveWindow(reactivate);
        });
        m_poll.start();
    }

    // Lets the event loop run until the queued exit rules and their boxes are
    // through: a bounded number of turns, no time-based check.
    static void Settle() {
        for (int i = 0; i < 20; ++i) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            QTest::qWait(5);
        }
    }

    std::vector<Box> boxes;

private:
    QTimer m_poll;
};
