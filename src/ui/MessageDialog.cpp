#include "MessageDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

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
    // The input box asks a question and shows it by the question icon, as
    // the message dialog's questions do; Qt's own input dialog has no icon.
    QDialog box(ownerOf(parent_));
    box.setWindowTitle(caption);
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("questionIcon"));
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(
        box.style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, &box).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    auto* label = new QLabel(displayText(prompt));
    auto* answer = new QLineEdit(initial);
    label->setBuddy(answer);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);

    auto* question = new QVBoxLayout;
    question->addWidget(label);
    question->addWidget(answer);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(question, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(row);
    layout->addWidget(buttons);
    box.setMinimumWidth(box.fontMetrics().averageCharWidth() * 50);
    answer->selectAll();
    answer->setFocus();
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return answer->text();
}

std::optional<QString> MessageDialog::openFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, false);
}

std::optional<QString> MessageDialog::saveFile(const FileChoice& choice)
{
    return chooseFile(parent_, choice, true);
}
