// The entry rules as the installer meets them: the key filter of the phone
// and PIN boxes, the checks on leaving the code boxes, the option boxes and
// the exclusion of CLIP actions on one output.

#include "WindowFixture.h"

#include <QApplication>

#include <cstring>

namespace {

TEST(FilterNumberKey, Table) {
    const QChar nul(u'\0');
    const struct {
        const char* text;
        int caret;
        char16_t key;
        char16_t plus;
        char16_t minus;
        bool passes;
    } cases[] = {
        {"", 0, u'7', u'+', u'-', true},     {"12", 2, u'\b', u'+', u'-', true},
        {"12", 2, u'\t', u'+', u'-', true},  {"", 0, u'+', u'+', u'-', true},
        {"", 0, u'-', u'+', u'-', true},     {"5", 1, u'+', u'+', u'-', true},
        {"56", 2, u'+', u'+', u'-', false},  {"+1", 0, u'+', u'+', u'-', false},
        {"+1", 0, u'-', u'+', u'-', false},  {"-1", 1, u'+', u'+', u'-', false},
        {"", 0, u'+', u'$', u'-', false},    {"", 0, u'-', u'+', u'$', false},
        {"", 0, u'-', u'$', u'$', false},    {"1", 1, u'a', u'+', u'-', false},
        {"1", 1, u' ', u'+', u'-', false},   {"1", 1, u'\r', u'+', u'-', false},
        {"1", 1, u'\x1b', u'+', u'-', false}, {"1", 1, u'\x16', u'+', u'-', false},
        {"1", 1, u'ż', u'+', u'-', false},
    };
    for (const auto& c : cases) {
        const QChar got = TGlownaF::FilterNumberKey(QString::fromLatin1(c.text), c.caret, QChar(c.key),
                                                    QChar(c.plus), QChar(c.minus));
        EXPECT_EQ(got, c.passes ? QChar(c.key) : nul)
            << "text '" << c.text << "' caret " << c.caret << " key " << int(c.key);
    }
}

class Typing : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ShowActive();
    }
    // Types into the box from its end.
    QString Type(const QString& name, const QString& keys) {
        TEdit* e = Edit(name);
        e->setFocus();
        e->end(false);
        QTest::keyClicks(e, keys);
        return e->text();
    }
};

TEST_F(Typing, PhoneBoxesTakeDigitsAndOneLeadingSign) {
    const struct {
        const char* start;
        const char* keys;
        const char* result;
    } cases[] = {
        {"", "+48a600-+", "+48600"}, {"", "-12", "-12"},         {"5", "+", "5+"},
        {"56", "+", "56"},           {"12 34", "5", "5"},        {"12 34", "a", ""},
        {"", "12345678901234", "1234567890123"},
    };
    // Every user's box follows the phone rule, not only user 1's.
    for (const QString& box : {QStringLiteral("Enruser1"), QStringLiteral("Enruser3")})
        for (const auto& c : cases) {
            Edit(box)->setText(QString::fromLatin1(c.start));
            EXPECT_EQ(Type(box, QString::fromLatin1(c.keys)), QString::fromLatin1(c.result))
                << box.toStdString() << " '" << c.start << "' + '" << c.keys << "'";
        }
}

TEST_F(Typing, PinTakesFourDigitsAndNoSign) {
    EXPECT_EQ(Type("EPin", "+1a-2 34567"), QStringLiteral("1234"));
}

TEST_F(Typing, EnterMovesTheFocusOnAndTypesNothing) {
    for (const char* name : {"EPin", "Enruser1"}) {
        TEdit* e = Edit(name);
        e->setText(QStringLiteral("1234"));
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Return);
        EXPECT_EQ(e->text(), QStringLiteral("1234")) << name;
        EXPECT_NE(QApplication::focusWidget(), e) << name;
    }
}

class LeavingABox : public Typing {
protected:
    // Leaves box by Tab and reports the boxes shown.
    std::vector<ModalBoxWatch::Box> Leave(TEdit* box) {
        ModalBoxWatch watch(window.get());
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab);
        ModalBoxWatch::Settle();
        return watch.boxes;
    }
};

TEST_F(LeavingABox, ControlCodesNeedTwoCharacters) {
    Check("ChBFlags_1")->setChecked(true);
    TEdit* code = Edit("EwylWy2");
    const struct {
        const char* text;
        bool warns;
    } cases[] = {{"", false}, {"A", true}, {"AB", false}};
    for (const auto& c : cases) {
        code->setText(QString::fromLatin1(c.text));
        const auto boxes = Leave(code);
        ASSERT_EQ(boxes.size(), c.warns ? 1u : 0u) << c.text;
        if (c.warns) {
            EXPECT_EQ(boxes[0].caption, QStringLiteral("Uwaga"));
            EXPECT_EQ(boxes[0].text, QStringLiteral("Sms sterujący musi mieć formę dwóch znaków"));
            EXPECT_EQ(QApplication::focusWidget(), code) << "the focus goes back to the box";
            EXPECT_EQ(code->text(), QStringLiteral("A"));
        }
    }
}

TEST_F(LeavingABox, PinAndAccessCodeNeedFourCharacters) {
    Check("ChBFlags_5")->setChecked(true);
    for (const char* name : {"EPin", "EPINMOD"}) {
        const struct {
            const char* text;
            bool warns;
        } cases[] = {{"", false}, {"1", true}, {"123", true}, {"1234", false}};
        for (const auto& c : cases) {
            Edit(name)->setText(QString::fromLatin1(c.text));
            const auto boxes = Leave(Edit(name));
            ASSERT_EQ(boxes.size(), c.warns ? 1u : 0u) << name << " '" << c.text << "'";
            if (c.warns) {
                EXPECT_EQ(boxes[0].caption, QStringLiteral("Uwaga"));
                EXPECT_EQ(boxes[0].text, QStringLiteral("Kod pin musi mieć 4 znaki."));
                EXPECT_EQ(QApplication::focusWidget(), Edit(name));
            }
        }
    }
}

TEST_F(LeavingABox, TwoShortBoxesInARowShowOneBoxAndNoLoop) {
    Check("ChBFlags_0")->setChecked(true);
    Edit("EZalWy1")->setText(QStringLiteral("A"));
    Edit("EwylWy1")->setText(QStringLiteral("B"));
    ModalBoxWatch watch(window.get());
    Edit("EZalWy1")->setFocus();
    QTest::mouseClick(Edit("EwylWy1"), Qt::LeftButton); // into the other short box
    ModalBoxWatch::Settle();
    EXPECT_EQ(watch.boxes.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), Edit("EZalWy1"));
}

TEST_F(LeavingABox, LeavingTheWindowAsksNothing) {
    Edit("EPin")->setText(QStringLiteral("12"));
    Edit("EPin")->setFocus();
    ModalBoxWatch watch;
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ModalBoxWatch::Settle();
    EXPECT_TRUE(watch.boxes.empty());
}

using OptionRules = WindowTest;

TEST_F(OptionRules, EachOptionEnablesWhatItGoverns) {
    const struct {
        const char* box;
        std::vector<const char*> governed;
    } rules[] = {
        {"ChBFlags_0", {"Label43", "Label45", "EZalWy1", "EwylWy1"}},
        {"ChBFlags_1", {"Label44", "Label46", "EZalWy2", "EwylWy2"}},
        {"ChBFlags_2", {"Label24", "SEWy_offTimer1", "Label47"}},
        {"ChBFlags_3", {"Label25", "SEWy_offTimer2", "Label48"}},
        {"ChBFlags_4", {"SEtestokr"}},
        {"ChBFlags_5", {"EPINMOD", "Label28"}},
    };
    for (const auto& r : rules) {
        for (bool on : {true, false}) {
            Check(r.box)->setChecked(on);
            for (const char* name : r.governed)
                EXPECT_EQ(Found<QWidget>(name)->isEnabled(), on) << r.box << " " << name;
        }
    }
}

TEST_F(OptionRules, UncheckingEmptiesTheCodesForGood) {
    Check("ChBFlags_5")->setChecked(true);
    Edit("EPINMOD")->setText(QStringLiteral("1234"));
    Check("ChBFlags_5")->setChecked(false);
    EXPECT_TRUE(Edit("EPINMOD")->text().isEmpty());
    Check("ChBFlags_5")->setChecked(true);
    EXPECT_TRUE(Edit("EPINMOD")->text().isEmpty());

    Check("ChBFlags_1")->setChecked(true);
    Edit("EZalWy2")->setText(QStringLiteral("ON"));
    Edit("EwylWy2")->setText(QStringLiteral("OF"));
    Spin("SEWy_offTimer2")->setValue(5);
    Check("ChBFlags_1")->setChecked(false);
    Check("ChBFlags_3")->setChecked(false);
    EXPECT_TRUE(Edit("EZalWy2")->text().isEmpty());
    EXPECT_TRUE(Edit("EwylWy2")->text().isEmpty());
    EXPECT_EQ(Spin("SEWy_offTimer2")->Value(), 5) << "a disabled timer keeps its value";
}

TEST_F(OptionRules, LoadedCodesOfAnOptionThatIsOffAreEmptied) {
    Settings.OptionFlags = 0x02;
    std::memcpy(Settings.OutputOnCode[0], "AB", 2);
    std::memcpy(Settings.OutputOffCode[0], "CD", 2);
    std::memcpy(Settings.OutputOnCode[1], "EF", 2);
    window->ShowSettings();
    window->ChBFlags_0Click();
    window->ChBFlags_2Click();
    window->ChBFlags_1Click();
    window->ChBFlags_3Click();
    EXPECT_TRUE(Edit("EZalWy1")->text().isEmpty());
    EXPECT_TRUE(Edit("EwylWy1")->text().isEmpty());
    EXPECT_FALSE(Edit("EZalWy1")->isEnabled());
    EXPECT_EQ(Edit("EZalWy2")->text(), QStringLiteral("EF"));
}

using ClipExclusion = WindowTest;

TEST_F(ClipExclusion, ActionsOnOneOutputExcludeEachOtherWithinTheirGroup) {
    const struct {
        const char* prefix;
        int own;
        int partners[2];
        int untouched[3];
    } cases[] = {
        {"ChbClipVerif", 0, {2, 4}, {1, 3, 5}},    {"ChbClipVerif", 3, {1, 5}, {0, 2, 4}},
        {"ChBClipNotVerif", 5, {1, 3}, {0, 2, 4}}, {"ChBClipNotVerif", 2, {0, 4}, {1, 3, 5}},
    };
    for (const auto& c : cases) {
        const QString p = QString::fromLatin1(c.prefix);
        const QString other = p == "ChbClipVerif" ? QStringLiteral("ChBClipNotVerif") : QStringLiteral("ChbClipVerif");
        auto box = [&](const QString& prefix, int d) { return Check(prefix + QString::number(d)); };
        box(p, c.own)->setChecked(true);
        for (int d : c.partners) {
            EXPECT_FALSE(box(p, d)->isEnabled()) << c.prefix << c.own << " -> " << d;
            EXPECT_FALSE(box(p, d)->isChecked());
        }
        for (int d : c.untouched)
            EXPECT_TRUE(box(p, d)->isEnabled()) << c.prefix << c.own << " -> " << d;
        for (int d = 0; d < 6; ++d)
            EXPECT_TRUE(box(other, d)->isEnabled()) << "the other group is untouched";
        box(p, c.own)->setChecked(false);
        for (int d : c.partners) {
            EXPECT_TRUE(box(p, d)->isEnabled());
            EXPECT_FALSE(box(p, d)->isChecked());
        }
    }
}

TEST_F(ClipExclusion, CheckingFromCodeUnchecksACheckedPartner) {
    Check("ChbClipVerif2")->setChecked(true); // disables 0 and 4
    Check("ChbClipVerif0")->setChecked(true); // code may still check a disabled box
    EXPECT_FALSE(Check("ChbClipVerif2")->isChecked());
    EXPECT_FALSE(Check("ChbClipVerif2")->isEnabled());
    EXPECT_FALSE(Check("ChbClipVerif4")->isEnabled());
    EXPECT_TRUE(Check("ChbClipVerif0")->isChecked());
}

TEST_F(ClipExclusion, ClickByTheInstallerRunsTheRule) {
    ShowActive();
    QCheckBox* own = Check("ChBClipNotVerif1");
    QTest::mouseClick(own, Qt::LeftButton, {}, QPoint(7, own->height() / 2));
    ASSERT_TRUE(own->isChecked());
    EXPECT_FALSE(Check("ChBClipNotVerif3")->isEnabled());
    EXPECT_FALSE(Check("ChBClipNotVerif5")->isEnabled());
}

} // namespace
