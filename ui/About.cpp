// The About box.

#include "About.h"

#include "Maker.h"

#include "Version.h"

#include "Resources.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>

namespace {

// The text starts at the given top, centred across the given width. The
// heights leave room for the text rather than measuring it: measuring would
// load the box's fonts at start-up, long before anyone opens it.
QLabel* CentredLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(place);
    return l;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    LoadUiResources();
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(298, 213);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 281, 161);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(8, 8, 65, 65);
    m_programIcon = icon; // drawn from the SVG when first shown, not at start-up

    QLabel* product = CentredLabel(panel, QStringLiteral("ProductName"), QStringLiteral("Velotar"), {88, 16, 185, 24});
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    product->setFont(bold);
    CentredLabel(panel, QStringLiteral("Version"),
                 QStringLiteral("Version %1.%2").arg(VELOTAR_VERSION_MAJOR).arg(VELOTAR_VERSION_MINOR),
                 {88, 40, 185, 20});
    CentredLabel(panel, QStringLiteral("Copyright"), Maker::Line(), {8, 80, 265, 18});
    Comments = CentredLabel(panel, QStringLiteral("Comments"), Maker::WebAddress(), {8, 100, 265, 20});
    QPalette blue = Comments->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Comments->setPalette(blue);
    QFont underlined = Comments->font();
    underlined.setUnderline(true);
    Comments->setFont(underlined);
    Comments->setCursor(Qt::PointingHandCursor);
    Comments->installEventFilter(this);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::CommentsClick() { QDesktopServices::openUrl(QUrl(Maker::WebAddress())); }

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Comments && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        CommentsClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent* event) {
    // The picture is drawn from the SVG at its exact size on first showing.
    if (m_programIcon->pixmap().isNull())
        m_programIcon->setPixmap(QIcon(QStringLiteral(":/velotar/velotar.svg"))
                                     .pixmap(QSize(65, 65), devicePixelRatio()));
    QDialog::showEvent(event);
}
