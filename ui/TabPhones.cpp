// Tab "numery telefonów": for each of the four users the phone number, the
// name and free notes.

#include "Tabs.h"

#include "TEdit.h"
#include "TMemo.h"
#include "TTabSheet.h"
#include "WidgetKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace Tabs {

QWidget* BuildPhones(QWidget* tabArea) {
    auto* page = new TTabSheet(QStringLiteral("TabSheet2"), tabArea);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(12, 6, 12, 6);
    grid->setVerticalSpacing(3);
    int row = 0;
    for (int k = 1; k <= 4; ++k) {
        const QString n = QString::number(k);
        if (k > 1)
            grid->addWidget(Kit::HLine(page), row++, 0, 1, 4);
        QLabel* head = Kit::Label(page, QStringLiteral("Użytkownik ") + n);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        grid->addWidget(head, row, 0, 1, 2);
        grid->addWidget(Kit::Label(page, QStringLiteral("Uwagi")), row, 3);
        ++row;
        auto* memo = new TMemo(page);
        memo->setObjectName(QStringLiteral("Muser") + n);
        grid->addWidget(Kit::Label(page, QStringLiteral("tel.")), row, 0);
        grid->addWidget(Kit::Edit(page, QStringLiteral("Enruser") + n, 13), row, 1);
        grid->addWidget(memo, row, 3, 2, 1);
        ++row;
        grid->addWidget(Kit::Label(page, QStringLiteral("Nazwa")), row, 0);
        grid->addWidget(Kit::Edit(page, QStringLiteral("Eosoba") + n, 0), row, 1);
        ++row;
    }
    grid->setColumnMinimumWidth(1, 200);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(3, 1);
    return page;
}

} // namespace Tabs
