// Building the main window: the top band, the tabs, the message log, the
// status bar and the menus; then the rules are wired and FormCreate runs.

#include "Uformagl.h"

#include "Tabs.h"
#include "TComDataPacket.h"
#include "TComPort.h"

#include "Resources.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Heights at 96 dpi: the band and the tabs keep theirs when the window is
// resized, the log takes the rest.
constexpr int BandHeight = 49;
constexpr int TabsHeight = 440;
constexpr int LogHeight = 132;
constexpr int StatusHeight = 19;
constexpr int ClientWidth = 743;

} // namespace

TGlownaF::TGlownaF(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("GlownaF"));
    setWindowTitle(QStringLiteral("Tralvo v2.0"));
    // The window was laid out for an 8-point face: its groups keep their
    // places at 96 dpi and scale with the screen from there.
    QFont face = font();
    face.setPointSize(8);
    setFont(face);
    LoadUiResources();
    setWindowIcon(ProgramIcon());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildBand());
    BuildTabs();
    column->addWidget(PageControl2);
    BuildLog();
    column->addWidget(GroupBox1, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(StatusHeight);
    setStatusBar(StatusBar1);

    BuildMenus();

    m_controls.Build(this);
    WireEntryRules();
    WireMenus();
    WireTransfersAndFiles();
    WireReactionButtons();
    resize(ClientWidth, BandHeight + TabsHeight + LogHeight + StatusHeight + menuBar()->sizeHint().height());
    FormCreate();
}

TGlownaF::~TGlownaF() {
    // The port outlives this body as a child object: let it deliver nothing
    // more into the collector that goes first.
    if (ComPort)
        ComPort->SetDataPacket(nullptr);
}

QWidget* TGlownaF::BuildBand() {
    auto* band = new QFrame(this);
    band->setObjectName(QStringLiteral("PageControl1"));
    band->setFrameShape(QFrame::StyledPanel);
    band->setFrameShadow(QFrame::Raised);
    band->setFixedHeight(BandHeight);

    // The port box takes a typed name too, for example /dev/pts/3 of the
    // module emulator.
    CBcom = new QComboBox(band);
    CBcom->setObjectName(QStringLiteral("CBcom"));
    CBcom->setEditable(true);
    CBcom->setInsertPolicy(QComboBox::NoInsert);
    CBcom->setGeometry(16, 12, 145, CBcom->sizeHint().height());

    Bprogramuj = new QPushButton(QStringLiteral("programuj"), band);
    Bprogramuj->setObjectName(QStringLiteral("Bprogramuj"));
    Bprogramuj->setGeometry(176, 8, 81, 33);

    BBload = new QPushButton(QStringLiteral("Odczyt ustawień."), band);
    BBload->setObjectName(QStringLiteral("BBload"));
    BBload->setGeometry(264, 8, std::max(105, BBload->sizeHint().width()), 33);
    return band;
}

void TGlownaF::BuildTabs() {
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setFixedHeight(TabsHeight);
    QWidget* basic = Tabs::BuildBasic(PageControl2);
    PageControl2->addTab(basic, QStringLiteral("Podstawowe"));
    PageControl2->addTab(Tabs::BuildPhones(PageControl2), QStringLiteral("numery telefonów"));
    PageControl2->addTab(Tabs::BuildInputs(PageControl2), QStringLiteral("Wejścia"));
    PageControl2->addTab(Tabs::BuildSpecialInputs(PageControl2), QStringLiteral("Wejścia specjalne"));
    PageControl2->addTab(Tabs::BuildOutputs(PageControl2), QStringLiteral("Wyjścia"));
    PageControl2->setCurrentIndex(0);
    Tabs::FitBasicColumns(basic);
}

void TGlownaF::BuildLog() {
    GroupBox1 = new QGroupBox(QStringLiteral("Informacje"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* box = new QVBoxLayout(GroupBox1);
    box->setContentsMargins(4, 2, 4, 4);
    ListBox1 = new QListWidget(GroupBox1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    box->addWidget(ListBox1);
    GroupBox1->setMinimumHeight(60);
}

void TGlownaF::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Plik"));
    file->setObjectName(QStringLiteral("Plik1"));
    Odczytaj1 = file->addAction(QStringLiteral("Odczytaj ..."));
    Odczytaj1->setObjectName(QStringLiteral("Odczytaj1"));
    Zapiszjako1 = file->addAction(QStringLiteral("Zapisz jako ..."));
    Zapiszjako1->setObjectName(QStringLiteral("Zapiszjako1"));
    file->addSeparator();
    Wyjscie1 = file->addAction(QStringLiteral("Wyjscie"));
    Wyjscie1->setObjectName(QStringLiteral("Wyjscie1"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Pomoc"));
    help->setObjectName(QStringLiteral("Pomoc1"));
    Oprogramie1 = help->addAction(QStringLiteral("O programie"));
    Oprogramie1->setObjectName(QStringLiteral("Oprogramie1"));
    QMenu* troubles = help->addMenu(QStringLiteral("Rozwiązywanie problemów"));
    troubles->setObjectName(QStringLiteral("Rozwizywanieproblemw1"));
    Kotaktzdziaemtechnicznym1 = troubles->addAction(QStringLiteral("Kontakt z działem technicznym"));
    Kotaktzdziaemtechnicznym1->setObjectName(QStringLiteral("Kotaktzdziaemtechnicznym1"));
}
