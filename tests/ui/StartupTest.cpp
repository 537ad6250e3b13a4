// What the installer sees right after start-up: defaults shown, every text
// empty, every box off, spin fields at their lower limits, and exactly the
// controls of options that are off disabled.

#include "WindowFixture.h"

#include "TTransferEngine.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <set>

namespace {

QStringList FamilyNames() {
    QStringList names;
    for (int n = 1; n <= 8; ++n)
        for (int r = 1; r <= 2; ++r)
            names << QStringLiteral("ETSMS_We%1_Re%2").arg(n).arg(r);
    for (int n = 1; n <= 6; ++n)
        for (int r = 1; r <= 2; ++r)
            names << QStringLiteral("ETSpecSMS_We%1_Re%2").arg(n).arg(r);
    for (int k = 1; k <= 4; ++k)
        names << QStringLiteral("Enruser%1").arg(k) << QStringLiteral("Eosoba%1").arg(k);
    names << "EZalWy1" << "EwylWy1" << "EZalWy2" << "EwylWy2" << "EPin" << "Ecsms" << "EPINMOD";
    return names;
}

// Spin fields and their lower limits.
struct SpinStart {
    const char* name;
    int shown;
};
const SpinStart Spins[] = {
    {"SEInNONCSTAT18", 10}, {"SEInONstat916", 1}, {"SEtestokr", 1},    {"SEcallingTimer", 1},
    {"SECALL_TIMER", 1},    {"SE1190", 1},        {"SE1191", 1},       {"SE1192", 1},
    {"SEWy_offTimer1", 1},  {"SEWy_offTimer2", 1}, {"SEtimerPod1", 1}, {"SEtimerPod8", 1},
    {"SEtimerTorBuf1", 1},  {"SEtimerTorBuf8", 1},
};

const std::set<QString> DisabledAtStart = {
    "EPINMOD", "Label28", "SEtestokr", "EZalWy1", "EwylWy1", "EZalWy2", "EwylWy2", "Label43", "Label44",
    "Label45", "Label46", "SEWy_offTimer1", "SEWy_offTimer2", "Label24", "Label25", "Label47", "Label48",
};

using StartUp = WindowTest;

TEST_F(StartUp, EveryTextIsEmptyAndTheSmsCentreShowsInne) {
    for (const QString& name : FamilyNames()) {
        TEdit* e = Edit(name);
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->text().isEmpty()) << name.toStdString();
    }
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(Found<QPlainTextEdit>(QStringLiteral("Muser%1").arg(k))->toPlainText().isEmpty());
    auto* centre = Found<QComboBox>("CBcentrum");
    EXPECT_EQ(centre->currentText(), QStringLiteral("inne"));
    EXPECT_FALSE(centre->isEditable()) << "a pick-only list";
}

TEST_F(StartUp, EveryCheckBoxIsOffAndEverySpinFieldAtItsLowerLimit) {
    for (QCheckBox* c : window->findChildren<QCheckBox*>())
        EXPECT_FALSE(c->isChecked()) << c->objectName().toStdString();
    for (const SpinStart& s : Spins)
        EXPECT_EQ(Spin(s.name)->Value(), s.shown) << s.name;
    for (TSpinEdit* s : window->findChildren<TSpinEdit*>())
        EXPECT_EQ(s->Value(), s->minimum()) << s->objectName().toStdString();
}

TEST_F(StartUp, ExactlyTheControlsOfOptionsThatAreOffAreDisabled) {
    for (QWidget* w : window->centralWidget()->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)
                             || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)
                             || qobject_cast<QComboBox*>(w) || qobject_cast<QPlainTextEdit*>(w);
        if (!control || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))
            || qobject_cast<QTabBar*>(w->parentWidget()))
            continue;
        const bool expectDisabled = DisabledAtStart.count(w->objectName()) > 0;
        EXPECT_EQ(w->isEnabled(), !expectDisabled) << w->objectName().toStdString();
    }
}

TEST_F(StartUp, TransfersAreIdleAndTheFirstTabIsInFront) {
    EXPECT_TRUE(window->Bprogramuj->isEnabled());
    EXPECT_TRUE(window->BBload->isEnabled());
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 6000);
    EXPECT_EQ(window->Transfer->ProgramState, 0);
    EXPECT_EQ(window->Transfer->ReadState, 0);
    EXPECT_TRUE(window->Transfer->ReceivedBytes.isEmpty());
    ASSERT_NE(window->ComPort, nullptr);
    ASSERT_NE(window->DataPacket, nullptr);
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_EQ(window->PageControl2->currentIndex(), 0);
    EXPECT_TRUE(window->CBcom->isEditable()) << "a typed port name such as /dev/pts/3 is used";
}

TEST_F(StartUp, StoringTheUntouchedWindowWritesTheShownLowerLimits) {
    window->StoreSettings();
    EXPECT_EQ(Settings.SmsConfirmTime, 10);
    EXPECT_EQ(Settings.CallingTime, 1);
    EXPECT_EQ(Settings.SmsSendAttempts, 1);
    EXPECT_EQ(Settings.SmsCentre.Len, 0);
    EXPECT_EQ(Settings.SpecialReaction[4][1], 0x80);
}

} // namespace
