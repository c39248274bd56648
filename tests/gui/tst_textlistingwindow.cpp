#include "print/RichListing.h"
#include "ui/TextListingWindow.h"

#include "CliRun.h"
#include "PdfText.h"
#include "ScriptedMessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace
{

RichListing ownersListing(const QString& title = "Owners List of Addresses")
{
    RichListing listing(title);
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
    ScriptedMessages messages;

private slots:
    void init() { messages = ScriptedMessages(); }

    void showsTheListingWithItsCommands()
    {
        TextListingWindow window(messages, ownersListing());
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
        TextListingWindow window(messages, ownersListing());
        command(window, "Copy")->trigger();
        QVERIFY(QApplication::clipboard()->text().startsWith("Address Info"));
        QVERIFY(QApplication::clipboard()->text().endsWith("<i>"));
    }

    void savesTheEditedTextAsRtfThroughTheSaveAsChoice()
    {
        QTemporaryDir dir;
        TextListingWindow window(messages, ownersListing());
        window.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(window.editor(), " typed");
        messages.answerText(dir.filePath("owners.rtf"));
        command(window, "Save As")->trigger();
        QCOMPARE(messages.texts, QStringList{"Save As"});
        QFile saved(dir.filePath("owners.rtf"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray rtf = saved.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("\\{note\\} C:\\\\x <i> typed"));
    }

    void savesAsPdfWithTheListingsTitle()
    {
        QTemporaryDir dir;
        TextListingWindow window(messages, ownersListing("Listing"));
        messages.answerText(dir.filePath("owners.pdf"));
        command(window, "Save as PDF")->trigger();
        QCOMPARE(messages.texts, QStringList{"Save as PDF"});
        const QString text = pdfText(dir.filePath("owners.pdf"));
        QVERIFY2(text.contains("Address Info for Individuals in Database"), qPrintable(text));
        QVERIFY(text.contains("{note} C:\\x <i>"));
        QVERIFY(text.contains("Page 1"));
        const CliRun info = runProgram("pdfinfo", {dir.filePath("owners.pdf")});
        QVERIFY2(info.out.contains(QRegularExpression("Title:\\s+Listing\n")),
                 qPrintable(info.out));
        QVERIFY(info.out.contains(QRegularExpression("Creator:\\s+Ringvale\n")));
    }

    void aFileThatCannotBeWrittenIsToldByName()
    {
        QTemporaryDir dir;
        TextListingWindow window(messages, ownersListing());
        const QString path = dir.filePath("missing/owners.rtf");
        messages.answerText(path);
        window.saveAs();
        QCOMPARE(messages.requests.size(), 1);
        QCOMPARE(messages.requests.last().kind, MessageKind::Error);
        QVERIFY2(messages.texts.last().contains("missing"), qPrintable(messages.texts.last()));
    }

    void cancellingTheChoiceWritesNothing()
    {
        TextListingWindow window(messages, ownersListing());
        messages.answerText(std::nullopt);
        window.saveAsPdf();
        QCOMPARE(messages.texts, QStringList{"Save as PDF"});
        QVERIFY(messages.requests.isEmpty());
    }

    void extraButtonsSitBesideClose()
    {
        TextListingWindow window(messages, ownersListing("Confirmation"));
        QPushButton* send = window.addButton("Send Email");
        QVERIFY(send->parent() == &window);
        QVERIFY(send->isVisibleTo(&window));
    }
};

QTEST_MAIN(TextListingWindowTest)
#include "tst_textlistingwindow.moc"
