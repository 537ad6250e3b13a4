// Tab "Wyjścia": for each output the SMS switching with its two codes and the
// automatic switch-off time, and below them the SMS confirmation of the
// outputs' switching.

#include "Tabs.h"

#include "TEdit.h"
#include "TSpinEdit.h"
#include "TTabSheet.h"
#include "WidgetKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace Tabs {
namespace {

// Object names of the labels that the option rules enable and disable.
struct OutputLabels {
    const char* onCode;
    const char* offCode;
    const char* offAfter;
    const char* unit;
};
const OutputLabels Labels[2] = {{"Label43", "Label45", "Label24", "Label47"}, {"Label44", "Label46", "Label25", "Label48"}};

void BuildOutputGroup(QWidget* page, int k) {
    const QString sk = QString::number(k);
    const OutputLabels& names = Labels[k - 1];
    auto* g = Kit::Group(page, QStringLiteral("GroupBox%1").arg(k + 3), QStringLiteral("Wyjście ") + sk,
                         {k == 1 ? 40 : 296, 8, 249, 177});
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(4);
    grid->addWidget(Kit::Check(g, QStringLiteral("ChBFlags_%1").arg(k - 1),
                               QStringLiteral("załącz/wyłącz wyjście %1 SMSsem").arg(k)),
                    0, 0, 1, 3);
    const struct {
        const char* label;
        const char* caption;
        const char* edit;
    } codes[] = {{names.onCode, "Kod załączenia", "EZalWy"}, {names.offCode, "Kod wyłączenia", "EwylWy"}};
    int row = 1;
    for (const auto& c : codes) {
        grid->addWidget(Kit::Label(g, QString::fromUtf8(c.caption), QString::fromLatin1(c.label)), row, 0);
        auto* e = Kit::Edit(g, QString::fromLatin1(c.edit) + sk, 2);
        e->setFixedWidth(40);
        grid->addWidget(e, row++, 1);
    }
    grid->addWidget(Kit::Check(g, QStringLiteral("ChBFlags_%1").arg(k + 1),
                               QStringLiteral("Czas wyłączenia wyjścia %1").arg(k)),
                    row++, 0, 1, 3);
    grid->addWidget(Kit::Label(g, QStringLiteral("Wyłacz wyjście %1 po czasie").arg(k), QString::fromLatin1(names.offAfter)),
                    row, 0);
    grid->addWidget(Kit::Spin(g, QStringLiteral("SEWy_offTimer") + sk, 1, 255), row, 1);
    grid->addWidget(Kit::Label(g, QStringLiteral("[s]"), QString::fromLatin1(names.unit)), row, 2);
    grid->setColumnStretch(2, 1);
}

void BuildConfirmationGroup(QWidget* page) {
    // The dialogs tell the output buttons by their parent's name, "GroupBox11".
    auto* g = Kit::Group(page, QStringLiteral("GroupBox11"), QStringLiteral("Potwierdzenie reakcji wyjścia"),
                         {40, 192, 505, 161});
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(2);
    grid->addWidget(Kit::Label(g, QStringLiteral("Komunikat SMS gdy:")), 0, 1);
    grid->addWidget(Kit::Label(g, QStringLiteral("Treść wiadomości SMS:")), 0, 2);
    int row = 1;
    for (int k = 1; k <= 2; ++k) {
        grid->addWidget(Kit::Label(g, QStringLiteral("Wyjście %1").arg(k)), row, 0);
        for (int r = 1; r <= 2; ++r, ++row) {
            grid->addWidget(Kit::Button(g, QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(k).arg(r),
                                        r == 1 ? QStringLiteral("załączone") : QStringLiteral("wyłączone")),
                            row, 1);
            grid->addWidget(Kit::Edit(g, QStringLiteral("ETSpecSMS_We%1_Re%2").arg(k).arg(r), 35), row, 2);
        }
    }
    grid->setColumnStretch(2, 1);
}

} // namespace

QWidget* BuildOutputs(QWidget* tabArea) {
    auto* page = new TTabSheet(QStringLiteral("TabSheet5"), tabArea);
    BuildOutputGroup(page, 1);
    BuildOutputGroup(page, 2);
    BuildConfirmationGroup(page);
    return page;
}

} // namespace Tabs
