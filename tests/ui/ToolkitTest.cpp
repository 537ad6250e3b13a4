// The thin layer over Qt that the window relies on: typing limits that bind
// only typing, the module's code page, spin fields that clamp, lookup by
// name in any letter case, and the error boundary of the handlers.

#include "Cp1250.h"
#include "GuardedAction.h"
#include "TEdit.h"
#include "TMemo.h"
#include "TSpinEdit.h"
#include "VelotarError.h"
#include "WindowFixture.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class ShownWidget : public ::testing::Test {
protected:
    template <class W>
    W* Make() {
        auto* w = new W(&host);
        host.show();
        QApplication::setActiveWindow(&host);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
        w->setFocus();
        return w;
    }
    QWidget host;
};

using TypingLimit = ShownWidget;

TEST_F(TypingLimit, ProgramTextIsKeptWholeAndTypingStopsAtTheLimit) {
    auto* e = Make<TEdit>();
    e->SetTypingLimit(35);
    const QString fromFile(36, QChar('a'));
    e->setText(fromFile);
    EXPECT_EQ(e->text(), fromFile); // a 36-character text from a file stays whole

    e->end(false);
    QTest::keyClicks(e, "b");
    EXPECT_EQ(e->text(), fromFile) << "typing may not make an over-long text longer";

    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(e->text().size(), 35) << "an over-long text can be shortened";
    QTest::keyClicks(e, "c");
    EXPECT_EQ(e->text().size(), 35);

    e->clear();
    QTest::keyClicks(e, QString(40, QChar('x')));
    EXPECT_EQ(e->text(), QString(35, QChar('x')));
}

TEST_F(TypingLimit, CharactersOutsideTheModulesCodePageAreRefused) {
    auto* e = Make<TEdit>();
    TypeText(e, QStringLiteral("Zażółć€"));
    TypeText(e, QStringLiteral("Ωж"));
    EXPECT_EQ(e->text(), QStringLiteral("Zażółć€"));
}

TEST_F(TypingLimit, MemoRefusesForeignCharactersAndKeepsCrLf) {
    auto* m = Make<TMemo>();
    TypeText(m, QStringLiteral("ąΩ"));
    EXPECT_EQ(m->toPlainText(), QStringLiteral("ą"));

    m->SetRecordText(QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(m->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(m->RecordText(), QStringLiteral("one\r\ntwo"));
}

TEST(Cp1250Text, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    EXPECT_EQ(Cp1250::Encode(Cp1250::Decode(all)), all);
    // Plain ASCII text takes a short way round the converter: every byte on
    // its own must come out as it does inside a text with Polish letters.
    const QString decoded = Cp1250::Decode(all);
    for (int i = 0; i < 256; ++i) {
        const std::string one(1, static_cast<char>(i));
        EXPECT_EQ(Cp1250::Decode(one), decoded.mid(i, 1)) << i;
        EXPECT_EQ(Cp1250::Encode(decoded.mid(i, 1)), one) << i;
    }
    EXPECT_EQ(Cp1250::Encode(QStringLiteral("ąę")), std::string("\xB9\xEA"));
    EXPECT_TRUE(Cp1250::CanHold(QChar(0x20AC)));  // €
    EXPECT_FALSE(Cp1250::CanHold(QChar(0x03A9))); // Ω
}

using SpinField = ShownWidget;

TEST_F(SpinField, ValuesAreBroughtIntoTheLimits) {
    auto* s = Make<TSpinEdit>();
    s->SetLimits(10, 255);
    const struct {
        int set;
        int shown;
    } cases[] = {{0, 10}, {9, 10}, {10, 10}, {200, 200}, {255, 255}, {256, 255}};
    for (const auto& c : cases) {
        s->setValue(c.set);
        EXPECT_EQ(s->Value(), c.shown) << c.set;
    }
}

TEST_F(SpinField, TextThatIsNoNumberCountsAsTheLowerLimit) {
    auto* s = Make<TSpinEdit>();
    s->SetLimits(10, 255);
    s->setValue(77);
    s->selectAll();
    QTest::keyClick(s, Qt::Key_Backspace);
    EXPECT_EQ(s->Value(), 10) << "an emptied field";
    QTest::keyClicks(s, "x7");
    EXPECT_EQ(s->text(), QStringLiteral("7")) << "digits only";
    EXPECT_EQ(s->Value(), 10) << "below the lower limit";
    QTest::keyClicks(s, "99");
    EXPECT_EQ(s->text(), QStringLiteral("79")) << "no more digits than the upper limit has";
}

TEST(ErrorBoundary, AnErrorOfAnActionIsShownAndGoesNoFurther) {
    std::vector<QString> shown;
    const BoxReporter previous =
        SetErrorReporter([&](QWidget*, const QString& message) { shown.push_back(message); });
    bool after = false;
    EXPECT_NO_THROW(RunGuarded(nullptr, [] { throw VelotarError("Unable to open com port /dev/none"); }));
    EXPECT_NO_THROW(RunGuarded(nullptr, [] { throw std::runtime_error("Błąd odczytu"); }));
    RunGuarded(nullptr, [&] { after = true; });
    SetErrorReporter(previous);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], QStringLiteral("Unable to open com port /dev/none"));
    EXPECT_EQ(shown[1], QStringLiteral("Błąd odczytu"));
    EXPECT_TRUE(after);
}

TEST(ErrorBoundary, WithoutAReporterTheErrorBoxIsModal) {
    ModalBoxWatch watch;
    RunGuarded(nullptr, [] { throw VelotarError("Error"); });
    ASSERT_EQ(watch.boxes.size(), 1u);
    EXPECT_EQ(watch.boxes[0].text, QStringLiteral("Error"));
}

} // namespace
