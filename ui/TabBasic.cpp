// Tab "Podstawowe": SIM PIN and SMS centre, SMS settings, the periodic
// report, unrecognised SMS, programming by SMS, the CLIP actions and the
// additional timers.

#include "Tabs.h"

#include "TEdit.h"
#include "TSpinEdit.h"
#include "TTabSheet.h"
#include "WidgetKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace Tabs {

const char* const ClipActionCaptions[7] = {
    "Załącz Wy 1",        "Załącz Wy 2",        "Wyłącz Wy 1",
    "Wyłącz Wy 2",        "Zmień stan na Wy 1", "Zmień stan na Wy 2",
    "Odeślij raport do użytkownika 1",
};

namespace {

// A label, a spin field and its unit in one row of a grid.
// The labels take the spin field's parent.
void SpinRow(QGridLayout* grid, int row, const QString& caption, TSpinEdit* spin, const QString& unit) {
    QWidget* parent = spin->parentWidget();
    grid->addWidget(Kit::Label(parent, caption), row, 0);
    grid->addWidget(spin, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(Kit::Label(parent, unit), row, 2);
}

void BuildBasicGroup(QWidget* page) {
    auto* g = Kit::Group(page, QStringLiteral("GroupBox2"), QStringLiteral("podstawowe"), {8, 0, 257, 129});
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->addWidget(Kit::Label(g, QStringLiteral("Pin karty")), 0, 0);
    auto* pin = Kit::Edit(g, QStringLiteral("EPin"), 4);
    pin->setFixedWidth(64);
    grid->addWidget(pin, 0, 1, Qt::AlignLeft);
    grid->addWidget(Kit::Label(g, QStringLiteral("centrum sms")), 1, 0);
    auto* centre = new QComboBox(g);
    centre->setObjectName(QStringLiteral("CBcentrum"));
    grid->addWidget(centre, 1, 1);
    grid->addWidget(Kit::Label(g, QStringLiteral("nr centrum sms")), 2, 0);
    grid->addWidget(Kit::Edit(g, QStringLiteral("Ecsms"), 0), 2, 1);
    grid->setColumnStretch(1, 1);
}

void BuildSmsGroup(QWidget* page) {
    auto* g = Kit::Group(page, QStringLiteral("GroupBox7"), QStringLiteral("Ustawienia SMS"), {8, 136, 257, 81});
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 2, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    SpinRow(grid, 0, QStringLiteral("Oczekianie na potwiedzenie"),
            Kit::Spin(g, QStringLiteral("SEInNONCSTAT18"), 10, 255), QStringLiteral("[s]"));
    SpinRow(grid, 1, QStringLiteral("ilość prób wysłania sms-a"),
            Kit::Spin(g, QStringLiteral("SEInONstat916"), 1, 10), {});
    grid->setColumnStretch(0, 1);
}

void BuildReportGroup(QWidget* page) {
    auto* g = Kit::Group(page, QStringLiteral("GroupBox10"), QStringLiteral("Raport okresowy do użytkownika 1"),
                         {8, 224, 257, 49});
    auto* row = new QHBoxLayout(g);
    row->setContentsMargins(9, 0, 9, 2);
    row->addWidget(Kit::Check(g, QStringLiteral("ChBFlags_4"), QStringLiteral("Przyślij raport co")));
    row->addWidget(Kit::Spin(g, QStringLiteral("SEtestokr"), 1, 24));
    row->addWidget(Kit::Label(g, QStringLiteral("[h]")));
    row->addStretch(1);
}

void BuildUnknownSmsGroup(QWidget* page) {
    auto* g = Kit::Group(page, QStringLiteral("GroupBox12"), QStringLiteral("Niezidentyfikowany SMS"),
                         {8, 280, 257, 57});
    auto* box = new QVBoxLayout(g);
    box->setContentsMargins(9, 0, 9, 2);
    box->addWidget(Kit::Check(g, QStringLiteral("ChbClipVerif7"),
                              QStringLiteral("Odsyłaj nierozpoznane SMSy do\nUżytkownika 1")));
}

void BuildSmsProgrammingGroup(QWidget* page) {
    auto* g = Kit::Group(page, QStringLiteral("GroupBox6"), QStringLiteral("Funkcje programowania przez SMS"),
                         {272, 0, 401, 81});
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(2);
    grid->addWidget(Kit::Check(g, QStringLiteral("ChBFlags_5"), QStringLiteral("Zezwolenie na programowanie sms-em.")),
                    0, 0, 1, 3);
    grid->addWidget(Kit::Label(g, QStringLiteral("Kod dostępu przez SMS"), QStringLiteral("Label28")), 1, 0);
    auto* code = Kit::Edit(g, QStringLiteral("EPINMOD"), 4);
    code->setFixedWidth(64);
    grid->addWidget(code, 1, 1);
    grid->setColumnStretch(2, 1);
}

// One CLIP group: the seven action boxes, one under another.
QGroupBox* ClipGroup(QWidget* parent, const QString& name, const QString& title, const QString& stem) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setMinimumSize(185, 153);
    auto* box = new QVBoxLayout(g);
    box->setSpacing(0);
    box->setContentsMargins(4, 2, 2, 4);
    for (int digit = 0; digit < 7; ++digit)
        box->addWidget(Kit::Check(g, stem + QString::number(digit), QString::fromUtf8(ClipActionCaptions[digit])));
    return g;
}

void BuildClipGroup(QWidget* page) {
    auto* g = Kit::Group(page, QStringLiteral("GroupBox3"), QStringLiteral("Ustawienia clipa"), {272, 88, 401, 249});
    auto* outer = new QVBoxLayout(g);
    outer->setContentsMargins(6, 4, 6, 6);
    auto* timers = new QGridLayout;
    SpinRow(timers, 0, QStringLiteral("Dzwoń przez"), Kit::Spin(g, QStringLiteral("SEcallingTimer"), 1, 240),
            QStringLiteral("[s]"));
    SpinRow(timers, 1, QStringLiteral("Odrzuć po"), Kit::Spin(g, QStringLiteral("SECALL_TIMER"), 1, 255),
            QStringLiteral("[s]"));
    timers->setColumnStretch(3, 1);
    timers->setVerticalSpacing(2);
    outer->addLayout(timers);
    auto* pair = new QHBoxLayout;
    pair->setSpacing(6);
    pair->addWidget(ClipGroup(g, QStringLiteral("GroupBox8"), QStringLiteral("Clip od użytkownika"),
                              QStringLiteral("ChbClipVerif")));
    QGroupBox* unknown = ClipGroup(g, QStringLiteral("GroupBox9"), QStringLiteral("Clip od nieznanego numeru"),
                                   QStringLiteral("ChBClipNotVerif"));
    // Never shown: it only carries bit 7 of the unknown-number byte through
    // the window, so a value from a file or the module is not lost.
    Kit::Check(unknown, QStringLiteral("ChBClipNotVerif7"), QStringLiteral("ClipNotVerif7"))->hide();
    pair->addWidget(unknown);
    outer->addLayout(pair);
}

void BuildExtraGroup(QWidget* page) {
    auto* g = Kit::Group(page, QStringLiteral("GroupBox13"), QStringLiteral("Dodatkowe"), {8, 344, 665, 65});
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(2);
    grid->setContentsMargins(9, 2, 9, 4);
    grid->addWidget(Kit::Check(g, QStringLiteral("CHB_funkcjaczaswy"), QStringLiteral("Załącz \"czas uzbrajania\"")),
                    0, 0);
    grid->addWidget(Kit::Label(g, QStringLiteral("czas opóźnienia reakcji wejścia")), 1, 0, Qt::AlignRight);
    grid->addWidget(Kit::Spin(g, QStringLiteral("SE1191"), 1, 255), 1, 1);
    grid->addWidget(Kit::Label(g, QStringLiteral("czas uzbrajania")), 0, 2, Qt::AlignRight);
    grid->addWidget(Kit::Spin(g, QStringLiteral("SE1190"), 1, 255), 0, 3);
    grid->addWidget(Kit::Label(g, QStringLiteral("czas działania wyjścia syreny")), 1, 2, Qt::AlignRight);
    grid->addWidget(Kit::Spin(g, QStringLiteral("SE1192"), 1, 255), 1, 3);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(1, 80);
}

} // namespace

void FitBasicColumns(QWidget* page) {
    const QStringList left = {"GroupBox2", "GroupBox7", "GroupBox10", "GroupBox12"};
    const QStringList right = {"GroupBox6", "GroupBox3"};
    auto widest = [page](const QStringList& names, int least) {
        for (const QString& n : names)
            least = std::max(least, page->findChild<QWidget*>(n)->sizeHint().width());
        return least;
    };
    const int leftWidth = widest(left, 257);
    const int rightX = 8 + leftWidth + 7;
    const int rightWidth = widest(right, 401);
    for (const QString& n : left) {
        QWidget* g = page->findChild<QWidget*>(n);
        g->resize(leftWidth, g->height());
    }
    for (const QString& n : right) {
        QWidget* g = page->findChild<QWidget*>(n);
        g->setGeometry(rightX, g->y(), rightWidth, g->height());
    }
    QWidget* extra = page->findChild<QWidget*>(QStringLiteral("GroupBox13"));
    extra->resize(rightX + rightWidth - 8, extra->height());
}

QWidget* BuildBasic(QWidget* tabArea) {
    auto* page = new TTabSheet(QStringLiteral("TabSheet1"), tabArea);
    // Built in the order the installer tabs through them.
    BuildBasicGroup(page);
    BuildSmsGroup(page);
    BuildReportGroup(page);
    BuildUnknownSmsGroup(page);
    BuildSmsProgrammingGroup(page);
    BuildClipGroup(page);
    BuildExtraGroup(page);
    return page;
}

} // namespace Tabs
