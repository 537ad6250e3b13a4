#pragma once
// The main window: the top band with the port and the two transfer buttons,
// the five tabs with every setting of the module, the message log, the menus.
// Its handlers, the copying between the records and the controls and the
// entry rules keep the names the module's documentation gives them; the
// sources are split by concern (UformaglBuild, Tab*.cpp, UformaglSettings,
// UformaglRules, UformaglMenu, UformaglStartup; transfers and file commands
// in their own files).

#include "ControlIndex.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QListWidget;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class TAboutBox;
class TComDataPacket;
class TComPort;
class TEdit;
class TFConfigWorkWeRe;
class TFconfigNumberWeRe;
class TTransferEngine;

class TGlownaF final : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs FormCreate.
    explicit TGlownaF(QWidget* parent = nullptr);
    ~TGlownaF() override;

    // A control by its name, any letter case; nullptr when there is none or
    // it is of another kind. Families are reached by their built names.
    template <class T>
    T* Control(const QString& name) const {
        return qobject_cast<T*>(m_controls.Find(name));
    }

    // --- Message log ----------------------------------------------------
    // Deletes the oldest line when the log holds 7 or more.
    void TrimMessageLog();
    // TrimMessageLog, then adds the line at the end; returns its index.
    int AddLogLine(const QString& line);
    // Replaces the line at index (the progress line of programming).
    void ReplaceLogLine(int index, const QString& line);
    // Enables or disables "programuj" and "Odczyt ustawień." together.
    void SetTransferButtonsEnabled(bool enabled);

    // --- Records and controls ---------------------------------------------
    void ShowSettings();
    void StoreSettings();
    void ShowUserNotes();
    void StoreUserNotes();
    void LoadSmsCentrePresets();
    void CBcentrumChange();

    // --- Entry rules --------------------------------------------------------
    // Key when it may be typed into a phone or PIN box, QChar(0) otherwise.
    // PlusSign / MinusSign are '+' and '-' to allow those signs, '$' to forbid.
    static QChar FilterNumberKey(const QString& Text, int CaretPos, QChar Key, QChar PlusSign,
                                 QChar MinusSign);
    void Enruser1KeyPress(TEdit* Sender, QChar& Key);
    void EPinKeyPress(TEdit* Sender, QChar& Key);
    void EZalWy1Exit(TEdit* Sender);
    void EPinExit(TEdit* Sender);

    void ChBFlags_0Click();
    void ChBFlags_1Click();
    void ChBFlags_2Click();
    void ChBFlags_3Click();
    void ChBFlags_4Click();
    void ChBFlags_5Click();
    // The rules of ChBFlags_0, _2, _1 and _3, in that order: run after the
    // controls were filled (start-up, a read, an opened file) so that the
    // controls they govern match the loaded options.
    void RunOutputOptionRules();

    // The three CLIP actions on one output exclude each other.
    void UpdateClipExclusion(const QString& Prefix, const QString& Own, const QString& OtherA,
                             const QString& OtherB);
    // The click rule of CLIP action box digit (0..5) of the group with the
    // name stem prefix ("ChbClipVerif" or "ChBClipNotVerif").
    void ClipActionClick(const QString& prefix, int digit);
    void ChbClipVerif0Click() { ClipActionClick(QStringLiteral("ChbClipVerif"), 0); }
    void ChbClipVerif1Click() { ClipActionClick(QStringLiteral("ChbClipVerif"), 1); }
    void ChbClipVerif2Click() { ClipActionClick(QStringLiteral("ChbClipVerif"), 2); }
    void ChbClipVerif3Click() { ClipActionClick(QStringLiteral("ChbClipVerif"), 3); }
    void ChbClipVerif4Click() { ClipActionClick(QStringLiteral("ChbClipVerif"), 4); }
    void ChbClipVerif5Click() { ClipActionClick(QStringLiteral("ChbClipVerif"), 5); }
    void ChBClipNotVerif0Click() { ClipActionClick(QStringLiteral("ChBClipNotVerif"), 0); }
    void ChBClipNotVerif1Click() { ClipActionClick(QStringLiteral("ChBClipNotVerif"), 1); }
    void ChBClipNotVerif2Click() { ClipActionClick(QStringLiteral("ChBClipNotVerif"), 2); }
    void ChBClipNotVerif3Click() { ClipActionClick(QStringLiteral("ChBClipNotVerif"), 3); }
    void ChBClipNotVerif4Click() { ClipActionClick(QStringLiteral("ChBClipNotVerif"), 4); }
    void ChBClipNotVerif5Click() { ClipActionClick(QStringLiteral("ChBClipNotVerif"), 5); }

    // --- Menu -----------------------------------------------------------------
    void Wyjscie1Click();
    void InfoClick();
    void Kotaktzdziaemtechnicznym1Click();

    // --- Start-up -------------------------------------------------------------
    void FormCreate();

    // --- Transfers and files (UformaglTransfers.cpp, UformaglFiles.cpp) -------
    void BprogramujClick();
    void BBloadClick();
    bool CheckUserNumbers();
    void SendDataFrame(int size);
    void ComDataPacket2CustomStop(const QByteArray& Str);
    void Timer1Timer();
    void AddReceivedByte(quint8 b);
    void ReceivedBytesToImage();
    void Button1Click(); // "Zapisz jako ..."
    void Button2Click(); // "Odczytaj ..."
    // Openers of the two reaction dialogs; Sender is the clicked button.
    void BB_ConfigNumerWe1Re1Click(QObject* Sender);
    void BB_ConfigNumerSpecWe1Re1Click(QObject* Sender);
    void BBConfigWorkWe1Re1Click(QObject* Sender);
    void BBConfigWorkSpecWe1Re1Click(QObject* Sender);

    // --- Members of the window ------------------------------------------------
    QComboBox* CBcom = nullptr;
    QPushButton* Bprogramuj = nullptr;
    QPushButton* BBload = nullptr;
    QTabWidget* PageControl2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    QAction* Odczytaj1 = nullptr;   // "Odczytaj ..."      -> Button2Click
    QAction* Zapiszjako1 = nullptr; // "Zapisz jako ..."   -> Button1Click
    QAction* Wyjscie1 = nullptr;
    QAction* Oprogramie1 = nullptr;
    QAction* Kotaktzdziaemtechnicznym1 = nullptr;

    TComPort* ComPort = nullptr;
    TComDataPacket* DataPacket = nullptr;
    // The programming and reading transfers with their states (ProgramState,
    // ImageOffset, FrameCount, ProgressMarks, ProgressLine, ReadState,
    // ReceivedBytes) and their time-out; created with the serial objects.
    TTransferEngine* Transfer = nullptr;
    // The transfers' time-out: 6000 ms, stopped at start (the engine's own).
    QTimer* Timer1 = nullptr;

    // The file dialogs of "Odczytaj ..." and "Zapisz jako ...", made on first use.
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;

    // Created by the program's start after the window, hidden until used.
    TFconfigNumberWeRe* FconfigNumberWeRe = nullptr;
    TFConfigWorkWeRe* FConfigWorkWeRe = nullptr;
    TAboutBox* AboutBox = nullptr;

private:
    void BuildMenus();
    QWidget* BuildBand();
    void BuildTabs();
    void BuildLog();
    void WireEntryRules();
    void ApplyOptionRule(int bit);
    void WireMenus();
    void CreateSerialObjects();
    void CreateFileDialogs();
    void WireTransfersAndFiles();
    void WireReactionButtons();
    // Busy cursor and both transfer buttons disabled, or back to normal.
    void SetTransferBusy(bool busy);
    bool m_transferBusy = false;
    // The file last chosen in the open dialog, proposed by the save dialog.
    QString m_lastOpenedFile;

    ControlIndex m_controls;
    std::unique_ptr<TComDataPacket> m_dataPacket;
};
