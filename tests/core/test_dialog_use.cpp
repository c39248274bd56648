// Every question, message and file choice goes through the message
// interface, so that a test can answer it: only the desktop implementation
// of that interface may show Qt's message, input and file dialogs, and only
// the one print command shows the print dialog. A window that shows one of
// its own fails here, naming the file and the line.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

// The source tree, found from this file's own place in it.
QDir sourceTree()
{
    QDir dir = QFileInfo(QStringLiteral(__FILE__)).absoluteDir();
    dir.cdUp();
    dir.cdUp();
    return dir;
}

struct Use {
    QString file;
    int line;
    QString text;
};

// Every line of src/ and app/ that names one of `classes`, outside the files
// allowed to.
std::vector<Use> usesOf(const QStringList& classes, const QStringList& allowed)
{
    const QDir tree = sourceTree();
    const QRegularExpression named("\\b(" + classes.join('|') + ")\\b");
    std::vector<Use> uses;
    for (const char* top : {"src", "app"}) {
        QDirIterator it(tree.filePath(QString::fromLatin1(top)), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = tree.relativeFilePath(it.next());
            if (allowed.contains(path))
                continue;
            QFile file(tree.filePath(path));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            int line = 0;
            while (!file.atEnd()) {
                const QString text = QString::fromUtf8(file.readLine());
                ++line;
                if (named.match(text).hasMatch())
                    uses.push_back({path, line, text.trimmed()});
            }
        }
    }
    return uses;
}

TEST(DialogUse, OnlyTheMessageDialogShowsMessageInputAndFileDialogs)
{
    ASSERT_TRUE(QFileInfo::exists(sourceTree().filePath("src/ui/MessageDialog.cpp")))
        << "the source tree is not at " << sourceTree().path().toStdString();
    for (const Use& use : usesOf({"QMessageBox", "QInputDialog", "QFileDialog"},
                                 {"src/ui/MessageDialog.cpp", "src/ui/MessageDialog.h"}))
        ADD_FAILURE() << use.file.toStdString() << ":" << use.line << ": " << use.text.toStdString()
                      << "\n  ask through the Messages interface the window is given";
}

TEST(DialogUse, OnlyThePrintCommandShowsThePrintDialog)
{
    for (const Use& use : usesOf({"QPrintDialog", "QPageSetupDialog", "QPrintPreviewDialog"},
                                 {"src/ui/PrinterDialog.cpp"}))
        ADD_FAILURE() << use.file.toStdString() << ":" << use.line << ": " << use.text.toStdString()
                      << "\n  print through printOnChosenPrinter";
}

} // namespace
