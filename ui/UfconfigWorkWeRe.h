#pragma once
// The notification dialog: edits one notification byte, which of the four
// users the module tells about a reaction (or about an output switching) by
// SMS and which by a CLIP call. Created once at start-up and reused; every
// opening (ReactionOpeners) sets the caption, the CLIP column, the users'
// labels and enabled boxes, and the boxes' states.

#include "Udecl.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

// What the main window shows for one user at the moment of opening: the text
// of Eosoba{k} and of Enruser{k}, saved or not.
struct NotifyUser {
    QString Name;
    QString Phone;
};

using NotifyUsers = std::array<NotifyUser, UserCount>;

class TFConfigWorkWeRe final : public QDialog {
    Q_OBJECT

public:
    explicit TFConfigWorkWeRe(QWidget* parent = nullptr);

    // Two bits per user k (index k - 1): bit 2(k-1) SMS, bit 2k-1 CLIP.
    void ShowByte(Byte b);
    Byte EncodedByte() const; // every checked box, hidden ones included

    // The output confirmations go out by SMS only: their openings hide the column.
    void SetClipColumnVisible(bool visible);

    // Names the users after the window's boxes ("Użytkownik k" when unnamed)
    // and clears and disables both boxes of a user without a phone number,
    // since the module has nobody to send to.
    void PrepareUsers(const NotifyUsers& users);

    // The controls, index k - 1 for user k.
    std::array<QLabel*, UserCount> Luser{};
    std::array<QCheckBox*, UserCount> ChBUSSMS{};
    std::array<QCheckBox*, UserCount> ChBUSClip{};
    QLabel* Label5 = nullptr;       // "SMS"
    QLabel* Label6 = nullptr;       // "CLIP"
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn2 = nullptr; // "Anuluj"
};
