#pragma once
// What the two reaction dialogs share: their face and fixed size, and the
// "OK" and "Anuluj" buttons with the modal results the openers act on.

#include <QPoint>
#include <QSize>

class QDialog;
class QPushButton;

// Tahoma of 11 pixels (the nearest sans face where it is missing) and a fixed
// client size in device-independent pixels, so the dialog scales on high-dpi.
void SetReactionDialogFrame(QDialog& dialog, QSize size);

struct DialogButtons {
    QPushButton* Ok = nullptr;     // BitBtn1: accepts, the default button
    QPushButton* Cancel = nullptr; // BitBtn2, "Anuluj": rejects
};

DialogButtons AddOkCancelButtons(QDialog& dialog, QPoint okAt, QPoint cancelAt);
