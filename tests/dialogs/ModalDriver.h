#pragma once
// Drives a modal dialog the way the installer does: start the opening, wait
// until its dialog is the active modal widget, act on it (click boxes, then
// OK, "Anuluj" or the close box) and let the opening return.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

enum class CloseBy { Ok, Anuluj, CloseBox, Escape };

// The box a user ticks: a click on its indicator.
inline void ClickBox(QWidget& dialog, const char* name) {
    auto* box = dialog.findChild<QCheckBox*>(QLatin1StringView(name));
    ASSERT_NE(box, nullptr) << name;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, box->height() / 2));
}

inline void Close(QWidget& dialog, CloseBy how) {
    switch (how) {
    case CloseBy::Ok:
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                          Qt::LeftButton);
        break;
    case CloseBy::Anuluj:
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn2")),
                          Qt::LeftButton);
        break;
    case CloseBy::CloseBox:
        dialog.close();
        break;
    case CloseBy::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    }
}

// Runs `open`, which must show a dialog modally, and `act` on that dialog
// once it is up. Returns what `open` returned.
inline bool RunModal(const std::function<bool()>& open, const std::function<void(QDialog&)>& act) {
    bool acted = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        acted = true;
        act(*dialog);
        if (dialog->isVisible()) { // a failed step must not leave the test waiting
            ADD_FAILURE() << "the dialog was not closed";
            dialog->reject();
        }
    });
    poll.start();
    const bool result = open();
    EXPECT_TRUE(acted) << "no modal dialog was shown";
    return result;
}
