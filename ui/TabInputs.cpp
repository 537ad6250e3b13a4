// Tab "Wejścia": the eight alarm inputs in a scrolling area, each with its
// reaction and lock times and, for both reactions, the output-reaction
// button, the notification button and the SMS text.

#include "Tabs.h"

#include "TEdit.h"
#include "TSpinEdit.h"
#include "TTabSheet.h"
#include "WidgetKit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Tabs {
namespace {

// Inputs 4, 6 and 8 react to the supply, the others to ground.
bool ReactsToSupply(int n) { return n == 4 || n == 6 || n == 8; }

QString EdgeCaption(int n, int r) {
    if (ReactsToSupply(n))
        return r == 1 ? QStringLiteral("podanie +12V") : QStringLiteral("zanik +12V");
    return r == 1 ? QStringLiteral("podanie masy") : QStringLiteral("zanik masy");
}

enum Column { RowLabel, ReactionTime, LockTime, OutputButton, NotifyButton, SmsText };

} // namespace

QWidget* BuildInputs(QWidget* tabArea) {
    auto* page = new TTabSheet(QStringLiteral("TabSheet3"), tabArea);
    auto* pageBox = new QVBoxLayout(page);
    pageBox->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("ScrollArea1"));
    scroll->setWidgetResizable(true);
    pageBox->addWidget(scroll);

    // The dialogs tell these buttons from the special inputs' by this name.
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("ScrollBox1"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(8);
    scroll->setWidget(box);

    const struct {
        Column column;
        const char* text;
    } headers[] = {
        {ReactionTime, "Czas reakcji  [ x 0,1s]"},
        {LockTime, "Blokada wejścia po reakcji. [x 10s]"},
        {OutputButton, "Reakcja wyjść na:"},
        {NotifyButton, "Powiadomienie:"},
        {SmsText, "Treść wiadomości SMS:"},
    };
    for (const auto& h : headers) {
        QLabel* l = Kit::Label(box, QString::fromUtf8(h.text));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(l, 0, h.column);
    }

    int row = 1;
    for (int n = 1; n <= 8; ++n) {
        const QString sn = QString::number(n);
        grid->addWidget(Kit::HLine(box), row++, 0, 1, SmsText + 1);
        grid->addWidget(Kit::Label(box, QStringLiteral("Wejście %1 (%2)").arg(n).arg(ReactsToSupply(n) ? '+' : '-')),
                        row, RowLabel);
        grid->addWidget(Kit::Spin(box, QStringLiteral("SEtimerPod") + sn, 1, 255), row, ReactionTime);
        grid->addWidget(Kit::Spin(box, QStringLiteral("SEtimerTorBuf") + sn, 1, 255), row, LockTime);
        for (int r = 1; r <= 2; ++r, ++row) {
            const QString we = QStringLiteral("We%1Re%2").arg(n).arg(r);
            QPushButton* out = Kit::Button(box, QStringLiteral("BB_ConfigNumer") + we, EdgeCaption(n, r));
            out->setMinimumWidth(96);
            grid->addWidget(out, row, OutputButton);
            grid->addWidget(Kit::Button(box, QStringLiteral("BBConfigWork") + we, QStringLiteral("CLIP/SMS")), row,
                            NotifyButton);
            grid->addWidget(Kit::Edit(box, QStringLiteral("ETSMS_We%1_Re%2").arg(n).arg(r), 35), row, SmsText);
        }
    }
    grid->setColumnMinimumWidth(ReactionTime, 90);
    grid->setColumnMinimumWidth(LockTime, 110);
    grid->setColumnStretch(SmsText, 1);
    grid->setRowStretch(row, 1);
    return page;
}

} // namespace Tabs
