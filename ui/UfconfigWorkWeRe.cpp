// The notification dialog: its controls, the two-bits-per-user coding and
// the preparation of the users from the main window's current texts.

#include "UfconfigWorkWeRe.h"

#include "ReactionDialogFrame.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int DialogWidth = 251;
constexpr int DialogHeight = 284;
constexpr int BoxHeight = 17;

constexpr int UserLabelLeft = 24;
// A long name wraps onto further lines below its row rather than running
// under the SMS box.
constexpr int UserLabelWidth = 84;
constexpr int UserLabelHeight = 40;
constexpr int SmsLeft = 112;
constexpr int SmsWidth = 25;
constexpr int ClipLeft = 168;

struct UserRow {
    int Top;
    int ClipWidth;
};
constexpr std::array<UserRow, UserCount> Rows{{{32, 41}, {80, 33}, {128, 33}, {168, 25}}};

Byte SmsMask(int user) {
    return static_cast<Byte>(1u << (2 * user));
}
Byte ClipMask(int user) {
    return static_cast<Byte>(1u << (2 * user + 1));
}

} // namespace

TFConfigWorkWeRe::TFConfigWorkWeRe(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FConfigWorkWeRe"));
    SetReactionDialogFrame(*this, {DialogWidth, DialogHeight});

    Label5 = new QLabel(QStringLiteral("SMS"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->move(104, 8);
    Label6 = new QLabel(QStringLiteral("CLIP"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->move(168, 8);

    // Row by row, SMS before CLIP: that is also the tab order.
    for (int user = 0; user < UserCount; ++user) {
        const QString k = QString::number(user + 1);
        const UserRow& row = Rows[user];
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Luser") + k);
        label->setGeometry(UserLabelLeft, row.Top + 1, UserLabelWidth, UserLabelHeight);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText); // a name is shown as typed, never as markup
        Luser[user] = label;
        auto* sms = new QCheckBox(this);
        sms->setObjectName(QStringLiteral("ChBUS") + k + QStringLiteral("SMS"));
        sms->setGeometry(SmsLeft, row.Top, SmsWidth, BoxHeight);
        ChBUSSMS[user] = sms;
        auto* clip = new QCheckBox(this);
        clip->setObjectName(QStringLiteral("ChBUS") + k + QStringLiteral("Clip"));
        clip->setGeometry(ClipLeft, row.Top, row.ClipWidth, BoxHeight);
        ChBUSClip[user] = clip;
    }

    const DialogButtons buttons = AddOkCancelButtons(*this, {152, 216}, {8, 216});
    BitBtn1 = buttons.Ok;
    BitBtn2 = buttons.Cancel;
}

void TFConfigWorkWeRe::ShowByte(Byte b) {
    for (int user = 0; user < UserCount; ++user) {
        ChBUSSMS[user]->setChecked((b & SmsMask(user)) != 0);
        ChBUSClip[user]->setChecked((b & ClipMask(user)) != 0);
    }
}

Byte TFConfigWorkWeRe::EncodedByte() const {
    Byte result = 0;
    for (int user = 0; user < UserCount; ++user) {
        if (ChBUSSMS[user]->isChecked())
            result |= SmsMask(user);
        if (ChBUSClip[user]->isChecked())
            result |= ClipMask(user);
    }
    return result;
}

void TFConfigWorkWeRe::SetClipColumnVisible(bool visible) {
    Label6->setVisible(visible);
    for (QCheckBox* clip : ChBUSClip)
        clip->setVisible(visible);
}

void TFConfigWorkWeRe::PrepareUsers(const NotifyUsers& users) {
    for (int user = 0; user < UserCount; ++user) {
        const NotifyUser& who = users[user];
        const QString caption =
            who.Name.isEmpty() ? QStringLiteral("Użytkownik %1").arg(user + 1) : who.Name;
        Luser[user]->setText(caption);
        Luser[user]->setToolTip(caption);
        const bool reachable = !who.Phone.isEmpty();
        for (QCheckBox* box : {ChBUSSMS[user], ChBUSClip[user]}) {
            box->setEnabled(reachable);
            if (!reachable)
                box->setChecked(false);
        }
    }
}
