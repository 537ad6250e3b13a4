// The menu commands of the main window that are not transfers or files:
// the end of the program, the About box and the mail to technical support.

#include "Uformagl.h"

#include "About.h"
#include "GuardedAction.h"
#include "Maker.h"

#include <QAction>
#include <QDesktopServices>
#include <QUrl>
#include <QUrlQuery>

void TGlownaF::Wyjscie1Click() {
    // Ends the program at once, as the close box does: no question about
    // unsaved settings or a transfer in progress.
    close();
}

void TGlownaF::InfoClick() {
    if (AboutBox)
        AboutBox->exec();
}

void TGlownaF::Kotaktzdziaemtechnicznym1Click() {
    QUrl mail(QStringLiteral("mailto:") + Maker::SupportMailbox());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), Maker::SupportSubject());
    mail.setQuery(query);
    QDesktopServices::openUrl(mail); // the outcome is ignored
}

void TGlownaF::WireMenus() {
    connect(Wyjscie1, &QAction::triggered, this, [this] { RunGuarded(this, [this] { Wyjscie1Click(); }); });
    connect(Oprogramie1, &QAction::triggered, this, [this] { RunGuarded(this, [this] { InfoClick(); }); });
    connect(Kotaktzdziaemtechnicznym1, &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { Kotaktzdziaemtechnicznym1Click(); }); });
}
