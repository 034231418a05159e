#include "front/qt/qt_game_folder_chooser.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "forms/message_text.h"
#include "front/qt/asset_picture.h"

namespace tessary {

namespace {

// Without a window manager nothing activates a new window; the dialog must
// have the keyboard so that Enter and Escape answer it.
void ActivateWhenShown(QDialog& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
}

}  // namespace

bool QtGameFolderChooser::AskToChoose(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(FitMessageText(text)));
    QPushButton* choose = box.addButton(QStringLiteral("Choose Folder..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(choose);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowIcon(ProgramIcon());
    ActivateWhenShown(box);
    box.exec();
    return box.clickedButton() == choose;
}

std::string QtGameFolderChooser::ChooseFolder(const std::string& title) {
    QFileDialog dialog(nullptr, QString::fromStdString(title), QDir::homePath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setWindowIcon(ProgramIcon());
    ActivateWhenShown(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace tessary
