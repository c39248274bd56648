#include "MessageDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace
{

QWidget* ownerOf(QWidget* parent)
{
    return parent ? parent : QApplication::activeWindow();
}

std::optional<QString> chooseFile(QWidget* parent, const FileChoice& choice, bool save)
{
    QFileDialog dialog(ownerOf(parent), choice.title, choice.folder, choice.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !choice.mustExist ? QFileDialog::AnyFile
                                                 : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!choice.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(choice.defaultSuffix);
    if (!choice.fileName.isEmpty())
        dialog.selectFile(choice.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QChar MessageDialog::ask(const MessageRequest& request)
{
    QMessageBox box(ownerOf(parent_));
    box.setWindowTitle(request.caption.isEmpty() ? QApplication::applicationDisplayName()
                                                 : request.caption);
    box.setText(displayText(request.text));
    box.setIcon(request.kind == MessageKind::Question ? QMessageBox::Question
                : request.kind == MessageKind::Error  ? QMessageBox::Critical
                                                      : QMessageBox::Information);
    const QStringList captions = buttonCaptions(request.buttons);
    QList<QAbstractButton*> buttons;
    for (const QString& caption : captions)
        buttons << box.addButton(caption, QMessageBox::AcceptRole);
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen >= 0 ? buttonLetter(captions.at(chosen)) : cautiousLetter(request);
}

std::optional<QString> MessageDialog::input(const QString& caption, const QString& prompt,
                                            const QString& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(ownerOf(parent_), caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> MessageDialog::openFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, false);
}

std::optional<QString> MessageDialog::saveFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, true);
}
