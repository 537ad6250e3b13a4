// "Zapisz jako ..." and "Odczytaj ...": the configuration and the user notes
// kept in ".zmk" files.

#include "Uformagl.h"

#include "GuardedAction.h"
#include "Udecl.h"
#include "Uplik.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>

namespace {

const QStringList FileFilters = {QStringLiteral("pliki zmk (*.zmk)"),
                                 QStringLiteral("Wszystkie (*.*)")};

QFileDialog* MakeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& name) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(name);
    dialog->setAcceptMode(mode);
    // The open dialog takes any name: a file that is not there fails to open
    // with a message, as a damaged one does.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(FileFilters);
    dialog->selectNameFilter(FileFilters.front());
    dialog->setDefaultSuffix(QStringLiteral("zmk"));
    // Saving over a file replaces it without asking, as installers expect of
    // "Zapisz jako ..." here.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

// selectFile ignores an empty name, so a dialog used before would keep
// offering the name chosen last time; its name box is emptied instead.
void ProposeFileName(QFileDialog& dialog, const QString& fileName) {
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    else if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->clear();
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

// The file dialogs are made when first needed: building them (and their
// file-system model) would otherwise be most of the program's start-up.
void TGlownaF::CreateFileDialogs() {
    if (OpenDialog1)
        return;
    OpenDialog1 = MakeFileDialog(this, QFileDialog::AcceptOpen, QStringLiteral("OpenDialog1"));
    SaveDialog1 = MakeFileDialog(this, QFileDialog::AcceptSave, QStringLiteral("SaveDialog1"));
}

void TGlownaF::Button1Click() {
    RunGuarded(this, [this] {
        CreateFileDialogs();
        // The save dialog proposes the file last chosen for opening (a name
        // chosen in an earlier save is not proposed).
        ProposeFileName(*SaveDialog1, m_lastOpenedFile);
        if (SaveDialog1->exec() != QDialog::Accepted)
            return;
        const QString fileName = SaveDialog1->selectedFiles().value(0);
        StoreSettings();
        StoreUserNotes();
        SaveSettingsFile(Settings, LocalPath(fileName));
    });
}

void TGlownaF::Button2Click() {
    RunGuarded(this, [this] {
        CreateFileDialogs();
        if (OpenDialog1->exec() != QDialog::Accepted)
            return;
        const QString fileName = OpenDialog1->selectedFiles().value(0);
        m_lastOpenedFile = fileName;
        // Both records change only when the whole file was read and checked.
        TSettings loaded;
        LoadSettingsFile(LocalPath(fileName), loaded, UserNotes);
        Settings = loaded;
        ShowSettings();
        ShowUserNotes();
        RunOutputOptionRules();
        ChBFlags_4Click();
    });
}
