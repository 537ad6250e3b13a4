// Tab "Wejścia specjalne": the panic input (special slot 3) and the arming
// input (slot 5), each with its two reactions. Slots 4 and 6 have hidden
// controls only, which carry their SMS texts through the window unchanged.

#include "Tabs.h"

#include "TEdit.h"
#include "TTabSheet.h"
#include "WidgetKit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace Tabs {
namespace {

enum Column { BlockLabel, OutputButton, NotifyButton, SmsText };

struct Block {
    int slot;
    const char* label;
    const char* edge[2]; // captions of reaction 1 and 2
};

// On the arming input reaction 1 is ground removed, the reverse of slot 3.
const Block Blocks[] = {
    {3, "Wejście napadowe", {"podanie masy", "zanik masy"}},
    {5, "Wejście uzbrajające", {"zanik masy", "podanie masy"}},
};

} // namespace

QWidget* BuildSpecialInputs(QWidget* tabArea) {
    // The buttons sit directly on the page: the dialogs tell them from the
    // inputs' and the outputs' buttons by their parent's name, "TabSheet4".
    auto* page = new TTabSheet(QStringLiteral("TabSheet4"), tabArea);
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(8);
    grid->setContentsMargins(12, 8, 12, 8);

    const struct {
        Column column;
        const char* text;
    } headers[] = {
        {OutputButton, "Reakcja wyjść na:"},
        {NotifyButton, "Powiadomienie:"},
        {SmsText, "Treść wiadomości SMS:"},
    };
    for (const auto& h : headers)
        grid->addWidget(Kit::Label(page, QString::fromUtf8(h.text)), 0, h.column);

    int row = 1;
    for (const Block& b : Blocks) {
        grid->addWidget(Kit::HLine(page), row++, 0, 1, SmsText + 1);
        grid->addWidget(Kit::Label(page, QString::fromUtf8(b.label)), row, BlockLabel);
        for (int r = 1; r <= 2; ++r, ++row) {
            const QString we = QStringLiteral("SpecWe%1Re%2").arg(b.slot).arg(r);
            QPushButton* out = Kit::Button(page, QStringLiteral("BB_ConfigNumer") + we, QString::fromUtf8(b.edge[r - 1]));
            out->setMinimumWidth(96);
            grid->addWidget(out, row, OutputButton);
            grid->addWidget(Kit::Button(page, QStringLiteral("BBConfigWork") + we, QStringLiteral("SMS/CLIP")), row,
                            NotifyButton);
            grid->addWidget(Kit::Edit(page, QStringLiteral("ETSpecSMS_We%1_Re%2").arg(b.slot).arg(r), 35), row,
                            SmsText);
        }
    }
    grid->setColumnMinimumWidth(BlockLabel, 140);
    grid->setColumnStretch(SmsText, 1);
    grid->setRowStretch(row, 1);

    // Slots 4 and 6: never shown, kept so their bytes and texts pass through.
    for (int slot : {4, 6}) {
        for (int r = 1; r <= 2; ++r) {
            const QString we = QStringLiteral("SpecWe%1Re%2").arg(slot).arg(r);
            Kit::Button(page, QStringLiteral("BB_ConfigNumer") + we, QStringLiteral("podanie masy"))->hide();
            Kit::Button(page, QStringLiteral("BBConfigWork") + we, QStringLiteral("SMS/CLIP"))->hide();
            Kit::Edit(page, QStringLiteral("ETSpecSMS_We%1_Re%2").arg(slot).arg(r), 0)->hide();
        }
    }
    return page;
}

} // namespace Tabs
