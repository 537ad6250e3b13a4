// The frame the two reaction dialogs share.

#include "ReactionDialogFrame.h"

#include <QDialog>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr QSize ButtonSize(75, 25);
}

void SetReactionDialogFrame(QDialog& dialog, QSize size) {
    QFont look(QStringLiteral("Tahoma")); // the nearest sans face stands in where Tahoma is missing
    look.setPixelSize(11);
    dialog.setFont(look);
    dialog.setFixedSize(size);
}

DialogButtons AddOkCancelButtons(QDialog& dialog, QPoint okAt, QPoint cancelAt) {
    DialogButtons buttons;
    buttons.Ok = new QPushButton(dialog.style()->standardIcon(QStyle::SP_DialogOkButton),
                                 QStringLiteral("OK"), &dialog);
    buttons.Ok->setObjectName(QStringLiteral("BitBtn1"));
    buttons.Ok->setGeometry({okAt, ButtonSize});
    buttons.Ok->setDefault(true);
    buttons.Cancel = new QPushButton(dialog.style()->standardIcon(QStyle::SP_DialogCancelButton),
                                     QStringLiteral("Anuluj"), &dialog);
    buttons.Cancel->setObjectName(QStringLiteral("BitBtn2"));
    buttons.Cancel->setGeometry({cancelAt, ButtonSize});
    QObject::connect(buttons.Ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.Cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}
