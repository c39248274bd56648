#include "print/CanvasListing.h"
#include "ui/PlainListingWindow.h"

#include "PdfText.h"
#include "ScriptedMessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>

namespace
{

CanvasListing judges()
{
    return CanvasListing(
        "Judge's Address List",
        CanvasListingLayout::plainListing("Judge's Address List", QFont("Arial", 10)),
        {" ", "Ann Lee  \t518-555-0101\t5 River Rd  Albany, NY  12207\tann@example.com"});
}

QAction* command(QWidget& window, const QString& text)
{
    for (QAction* action : window.findChild<QMenuBar*>()->findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class PlainListingWindowTest : public QObject
{
    Q_OBJECT
    ScriptedMessages messages;
    QTemporaryDir dir;

private slots:
    void init() { messages = ScriptedMessages(); }

    void offersItsCommandsInMenusAndOnTheToolBar()
    {
        PlainListingWindow window(messages, "List of Judges", judges(), "Done");
        QCOMPARE(window.windowTitle(), QString("List of Judges"));
        QCOMPARE(window.closeButton()->text(), QString("Done"));
        const QList<QAction*> tools = window.findChild<QToolBar*>()->actions();
        for (const char* text : {"&Save As", "Save as &PDF", "&Print", "E&xit", "Select &All",
                                 "&Undo", "&Copy", "&Paste", "C&ut"}) {
            QAction* action = command(window, text);
            QVERIFY2(action, text);
            QVERIFY2(tools.contains(action), text);
        }
        QCOMPARE(window.lines(), judges().lines());
        QCOMPARE(window.editor()->font().family(), QString("Arial"));
        QCOMPARE(window.editor()->font().pointSize(), 10);
    }

    // On the screen too the fields stand in columns, however long the
    // fields before them are, and an empty one leaves its column blank.
    void theTextAreaLinesTheFieldsUp()
    {
        const QStringList lines{"Margaret Featherstonehaugh  \t505-555-1212\t1 Elm St",
                                "Cy Brown  \t\t77 Hill St", "Ann Lee  \t518-555-0101\t5 Oak Rd"};
        PlainListingWindow window(
            messages, "List of Judges",
            CanvasListing("Judges", CanvasListingLayout::plainListing("Judges", QFont("Arial", 10)),
                          lines),
            "Done");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto xOf = [&](int line, const QString& text) {
            QTextCursor cursor(window.editor()->document()->findBlockByNumber(line));
            cursor.setPosition(cursor.position() + lines.at(line).indexOf(text));
            return window.editor()->cursorRect(cursor).x();
        };
        QCOMPARE(xOf(2, "518"), xOf(0, "505"));
        QCOMPARE(xOf(1, "77"), xOf(0, "1 Elm"));
        QCOMPARE(xOf(2, "5 Oak"), xOf(0, "1 Elm"));
    }

    void saveAsWritesTheTextAsItStands()
    {
        PlainListingWindow window(messages, "List of Judges", judges(), "Done");
        window.editor()->appendPlainText("typed by hand");
        const QString path = dir.filePath("judges.txt");
        messages.answerText(path);
        command(window, "&Save As")->trigger();
        QCOMPARE(messages.texts, QStringList{"Save As"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 judges().lines().join('\n') + "\ntyped by hand\n");
    }

    void saveAsPdfPrintsTheTextAsItStandsUnderTheHeading()
    {
        PlainListingWindow window(messages, "List of Judges", judges(), "Done");
        window.editor()->appendPlainText("Added\tby\thand");
        const QString path = dir.filePath("judges.pdf");
        messages.answerText(path);
        command(window, "Save as &PDF")->trigger();
        QCOMPARE(messages.texts, QStringList{"Save as PDF"});
        const PdfWords words = pdfWords(path);
        QVERIFY(words.find("Judge's"));
        QVERIFY(words.find("518-555-0101"));
        const PdfWord* added = words.find("Added");
        const PdfWord* by = words.find("by");
        QVERIFY(added && by);
        QVERIFY2(std::abs(by->xMin - words.find("518-555-0101")->xMin) < 0.5,
                 "a field typed after a tab goes into its column");
    }

    void aFileThatCannotBeWrittenIsToldAndNothingIsLeft()
    {
        PlainListingWindow window(messages, "List of Judges", judges(), "Done");
        messages.answerText(dir.filePath("missing/judges.txt"));
        QVERIFY(!window.saveAs());
        QCOMPARE(messages.requests.size(), 1);
        QCOMPARE(messages.requests.last().kind, MessageKind::Error);
        QVERIFY2(messages.texts.last().contains("missing"), qPrintable(messages.texts.last()));
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    }

    void copyTakesTheWholeText()
    {
        PlainListingWindow window(messages, "List of Judges", judges(), "Done");
        command(window, "&Copy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), judges().lines().join('\n'));
    }

    void exitAndTheCloseButtonClose()
    {
        for (const bool byMenu : {true, false}) {
            PlainListingWindow window(messages, "List of Codes", judges(), "Close");
            window.show();
            if (byMenu)
                command(window, "E&xit")->trigger();
            else
                QTest::mouseClick(window.closeButton(), Qt::LeftButton);
            QVERIFY(!window.isVisible());
        }
    }
};

QTEST_MAIN(PlainListingWindowTest)
#include "tst_plainlistingwindow.moc"
