// The window's make-up that other parts of the program rely on: every
// control under its name with its kind, limits and caption; the parents by
// which the reaction dialogs tell the button groups apart; the menus; the
// message log with its seven lines.

#include "About.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

using Window = WindowTest;

TEST_F(Window, TabsInTheirOrder) {
    const char* titles[] = {"Podstawowe", "numery telefonów", "Wejścia", "Wejścia specjalne", "Wyjścia"};
    ASSERT_EQ(window->PageControl2->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window->PageControl2->tabText(i), QString::fromUtf8(titles[i]));
        EXPECT_EQ(window->PageControl2->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tralvo v2.0"));
}

// The pages behind the first are measured only when their tab comes to the
// front: each must then fill the tab area, with every edit and button inside
// the page at a usable size and none lying over another, and from then on
// hold the window at least as wide as the page needs.
TEST_F(Window, EveryPageIsLaidOutWhenItsTabComesToTheFront) {
    ShowActive();
    for (int i = 0; i < window->PageControl2->count(); ++i) {
        window->PageControl2->setCurrentIndex(i);
        // A page's new size travels up one layout per pass of the event loop.
        for (int pass = 0; pass < 3; ++pass)
            QApplication::processEvents();
        QWidget* sheet = window->PageControl2->widget(i);
        EXPECT_EQ(sheet->size(), sheet->parentWidget()->size()) << i;
        // Once seen, a page keeps the window from being made too narrow for it.
        if (const QLayout* layout = sheet->layout()) {
            EXPECT_GE(window->minimumSizeHint().width(), layout->minimumSize().width()) << i;
        }
        QList<QRect> taken;
        for (QWidget* c : sheet->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractButton*>(c);
            // Spin fields' own edits and hidden controls are left out.
            if (!control || !c->isVisibleTo(sheet) || qobject_cast<QAbstractSpinBox*>(c->parentWidget()))
                continue;
            const QRect place(c->mapTo(sheet, QPoint(0, 0)), c->size());
            EXPECT_GE(c->width(), 20) << c->objectName().toStdString();
            EXPECT_GE(c->height(), 12) << c->objectName().toStdString();
            EXPECT_TRUE(place.left() >= 0 && place.right() < sheet->width()) << c->objectName().toStdString();
            for (const QRect& other : taken)
                EXPECT_FALSE(place.intersects(other)) << c->objectName().toStdString();
            taken << place;
        }
    }
}

TEST_F(Window, EditsHaveTheirTypingLimits) {
    const struct {
        QString name;
        int limit;
        bool shown;
    } cases[] = {
        {"EPin", 4, true},           {"EPINMOD", 4, true},           {"Ecsms", 0, true},
        {"Enruser1", 13, true},      {"Enruser4", 13, true},         {"Eosoba2", 0, true},
        {"EZalWy1", 2, true},        {"EwylWy2", 2, true},           {"ETSMS_We1_Re1", 35, true},
        {"ETSMS_We8_Re2", 35, true}, {"ETSpecSMS_We3_Re1", 35, true}, {"ETSpecSMS_We5_Re2", 35, true},
        {"ETSpecSMS_We1_Re2", 35, true}, {"ETSpecSMS_We2_Re1", 35, true},
        {"ETSpecSMS_We4_Re1", 0, false}, {"ETSpecSMS_We6_Re2", 0, false},
    };
    window->show();
    for (const auto& c : cases) {
        TEdit* e = Edit(c.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->TypingLimit(), c.limit) << c.name.toStdString();
        EXPECT_EQ(!e->isHidden(), c.shown) << c.name.toStdString();
    }
}

TEST_F(Window, SpinFieldsHaveTheirLimits) {
    const struct {
        QString name;
        int minimum;
        int maximum;
    } cases[] = {
        {"SEInNONCSTAT18", 10, 255}, {"SEInONstat916", 1, 10},  {"SEtestokr", 1, 24},
        {"SEcallingTimer", 1, 240},  {"SECALL_TIMER", 1, 255},  {"SE1190", 1, 255},
        {"SE1191", 1, 255},          {"SE1192", 1, 255},        {"SEWy_offTimer1", 1, 255},
        {"SEWy_offTimer2", 1, 255},  {"SEtimerPod5", 1, 255},   {"SEtimerTorBuf7", 1, 255},
    };
    for (const auto& c : cases) {
        TSpinEdit* s = Spin(c.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->minimum(), c.minimum) << c.name.toStdString();
        EXPECT_EQ(s->maximum(), c.maximum) << c.name.toStdString();
    }
}

TEST_F(Window, ReactionButtonsSitWhereTheDialogsLookForThem) {
    window->show();
    const struct {
        QString pattern; // %1 slot, %2 reaction
        std::vector<int> numbers;
        QString parent;
        bool shown;
    } groups[] = {
        {"BB_ConfigNumerWe%1Re%2", {1, 2, 3, 4, 5, 6, 7, 8}, "ScrollBox1", true},
        {"BBConfigWorkWe%1Re%2", {1, 2, 3, 4, 5, 6, 7, 8}, "ScrollBox1", true},
        {"BB_ConfigNumerSpecWe%1Re%2", {3, 5}, "TabSheet4", true},
        {"BBConfigWorkSpecWe%1Re%2", {3, 5}, "TabSheet4", true},
        {"BB_ConfigNumerSpecWe%1Re%2", {4, 6}, "TabSheet4", false},
        {"BBConfigWorkSpecWe%1Re%2", {4, 6}, "TabSheet4", false},
        {"BBConfigWorkSpecWe%1Re%2", {1, 2}, "GroupBox11", true},
    };
    for (const auto& g : groups)
        for (int n : g.numbers)
            for (int r = 1; r <= 2; ++r) {
                const QString name = g.pattern.arg(n).arg(r);
                auto* b = Found<QPushButton>(name);
                ASSERT_NE(b, nullptr);
                EXPECT_EQ(b->parentWidget()->objectName(), g.parent) << name.toStdString();
                EXPECT_EQ(!b->isHidden(), g.shown) << name.toStdString();
            }
}

TEST_F(Window, CaptionsThatNameTheEdge) {
    const struct {
        QString name;
        QString caption;
    } cases[] = {
        {"BB_ConfigNumerWe1Re1", "podanie masy"},     {"BB_ConfigNumerWe1Re2", "zanik masy"},
        {"BB_ConfigNumerWe4Re1", "podanie +12V"},     {"BB_ConfigNumerWe8Re2", "zanik +12V"},
        {"BB_ConfigNumerSpecWe3Re1", "podanie masy"}, {"BB_ConfigNumerSpecWe5Re1", "zanik masy"},
        {"BB_ConfigNumerSpecWe5Re2", "podanie masy"}, {"BBConfigWorkWe2Re1", "CLIP/SMS"},
        {"BBConfigWorkSpecWe3Re2", "SMS/CLIP"},       {"BBConfigWorkSpecWe1Re1", "załączone"},
        {"BBConfigWorkSpecWe2Re2", "wyłączone"},      {"Bprogramuj", "programuj"},
        {"BBload", "Odczyt ustawień."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found<QPushButton>(c.name)->text(), c.caption) << c.name.toStdString();
    const char* clip[] = {"Załącz Wy 1", "Załącz Wy 2", "Wyłącz Wy 1", "Wyłącz Wy 2",
                          "Zmień stan na Wy 1", "Zmień stan na Wy 2", "Odeślij raport do użytkownika 1"};
    for (int d = 0; d < 7; ++d)
        for (const char* prefix : {"ChbClipVerif", "ChBClipNotVerif"})
            EXPECT_EQ(Check(prefix + QString::number(d))->text(), QString::fromUtf8(clip[d]));
    window->show();
    EXPECT_TRUE(Check("ChBClipNotVerif7")->isHidden());
    EXPECT_FALSE(Check("ChbClipVerif7")->isHidden());
}

TEST_F(Window, ControlsAreFoundInAnyLetterCase) {
    EXPECT_EQ(window->Control<TEdit>("etsms_we3_re2"), window->Control<TEdit>("ETSMS_We3_Re2"));
    EXPECT_NE(window->Control<TEdit>("ENRUSER1"), nullptr);
    EXPECT_EQ(window->Control<TSpinEdit>("EPin"), nullptr) << "a control of another kind";
    EXPECT_EQ(window->Control<QWidget>("NoSuchControl"), nullptr);
}

TEST_F(Window, MenusCarryTheirItems) {
    QStringList items;
    for (QAction* top : window->menuBar()->actions()) {
        items << top->text();
        for (QAction* a : top->menu()->actions()) {
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
            if (a->menu())
                for (QAction* sub : a->menu()->actions())
                    items << sub->text();
        }
    }
    EXPECT_EQ(items, (QStringList{"Plik", "Odczytaj ...", "Zapisz jako ...", "-", "Wyjscie", "Pomoc",
                                  "O programie", "Rozwiązywanie problemów", "Kontakt z działem technicznym"}));
}

TEST_F(Window, WyjscieClosesTheWindowAtOnce) {
    ShowActive();
    window->Wyjscie1->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Window, AboutBoxIsShownModally) {
    window->AboutBox = new TAboutBox(window.get());
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
        shown = box != nullptr;
        if (!box)
            return;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("About"));
        EXPECT_EQ(box->findChild<QLabel*>("ProductName")->text(), QStringLiteral("Velotar"));
        EXPECT_EQ(box->findChild<QLabel*>("Version")->text(), QStringLiteral("Version 0.9"));
        QTest::mouseClick(box->OKButton, Qt::LeftButton);
    });
    window->Oprogramie1->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(Window, LogKeepsTheSevenNewestLines) {
    for (int i = 1; i <= 8; ++i)
        window->AddLogLine(QString::number(i));
    auto lines = [this] {
        QStringList l;
        for (int i = 0; i < window->ListBox1->count(); ++i)
            l << window->ListBox1->item(i)->text();
        return l;
    };
    EXPECT_EQ(lines(), (QStringList{"2", "3", "4", "5", "6", "7", "8"}));
    const int index = window->AddLogLine(QStringLiteral("9"));
    EXPECT_EQ(index, 6);
    EXPECT_EQ(lines(), (QStringList{"3", "4", "5", "6", "7", "8", "9"}));
    window->ReplaceLogLine(index, QStringLiteral("Postęp: 50% ##"));
    EXPECT_EQ(lines().last(), QStringLiteral("Postęp: 50% ##"));
}

TEST_F(Window, TransferButtonsAreSwitchedTogether) {
    window->SetTransferButtonsEnabled(false);
    EXPECT_FALSE(window->Bprogramuj->isEnabled());
    EXPECT_FALSE(window->BBload->isEnabled());
    window->SetTransferButtonsEnabled(true);
    EXPECT_TRUE(window->Bprogramuj->isEnabled());
    EXPECT_TRUE(window->BBload->isEnabled());
}

} // namespace
