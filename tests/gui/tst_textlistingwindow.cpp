#include "print/RichListing.h"
#include "ui/TextListingWindow.h"

#include "PdfText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace
{

RichListing ownersListing()
{
    RichListing listing;
    listing.setBold(true);
    listing.addLine("Address Info for Individuals in Database");
    listing.setBold(false);
    listing.addLine(" ");
    listing.setPointSize(8);
    listing.setTabStops({150, 200});
    listing.addLine(R"(Ann Lee	12 Elm {note} C:\x <i>)");
    return listing;
}

QAction* command(QWidget& window, const QString& text)
{
    for (QAction* action : window.findChild<QMenuBar*>()->findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class TextListingWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void showsTheListingWithItsCommands()
    {
        TextListingWindow window("Owners List of Addresses", ownersListing());
        QCOMPARE(window.windowTitle(), QString("Owners List of Addresses"));
        QCOMPARE(window.document()->toPlainText(),
                 QString("Address Info for Individuals in Database\n \nAnn Lee\t12 Elm {note} "
                         "C:\\x <i>"));
        for (const char* text : {"Save As", "Save as PDF", "Print", "Exit", "Select All", "Undo",
                                 "Copy", "Paste", "Cut"})
            QVERIFY2(command(window, text), text);
        QVERIFY(window.findChild<QPushButton*>()->text() == "Close");
    }

    void copyTakesTheWholeText()
    {
        TextListingWindow window("Listing", ownersListing());
        command(window, "Copy")->trigger();
        QVERIFY(QApplication::clipboard()->text().startsWith("Address Info"));
        QVERIFY(QApplication::clipboard()->text().endsWith("<i>"));
    }

    void savesTheEditedTextAsRtfThroughTheSaveAsDialog()
    {
        QTemporaryDir dir;
        TextListingWindow window("Listing", ownersListing());
        window.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(window.editor(), " typed");
        QString title, filter, suffix;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            filter = dialog->nameFilters().join(";");
            suffix = dialog->defaultSuffix();
            dialog->selectFile(dir.filePath("owners"));
            static_cast<QDialog*>(dialog)->accept();
        });
        command(window, "Save As")->trigger();
        QCOMPARE(title, QString("Save As"));
        QCOMPARE(filter, QString("Text files (*.rtf)"));
        QCOMPARE(suffix, QString("rtf"));
        QFile saved(dir.filePath("owners.rtf"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray rtf = saved.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("\\{note\\} C:\\\\x <i> typed"));
    }

    void savesAsPdfWithTheSamePages()
    {
        QTemporaryDir dir;
        TextListingWindow window("Listing", ownersListing());
        QVERIFY(window.savePdf(dir.filePath("owners.pdf")));
        const QString text = pdfText(dir.filePath("owners.pdf"));
        QVERIFY2(text.contains("Address Info for Individuals in Database"), qPrintable(text));
        QVERIFY(text.contains("{note} C:\\x <i>"));
        QVERIFY(text.contains("Page 1"));
    }

    void extraButtonsSitBesideClose()
    {
        TextListingWindow window("Confirmation", ownersListing());
        QPushButton* send = window.addButton("Send Email");
        QVERIFY(send->parent() == &window);
        QVERIFY(send->isVisibleTo(&window));
    }
};

QTEST_MAIN(TextListingWindowTest)
#include "tst_textlistingwindow.moc"
