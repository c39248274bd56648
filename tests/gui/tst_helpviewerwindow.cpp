#include "DataRootFixture.h"
#include "PdfText.h"

#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "masters/BreedForm.h"
#include "setup/ClassForm.h"
#include "storage/SessionSettings.h"
#include "ui/HelpText.h"
#include "ui/HelpViewerWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace
{

// Acts on the modal window the next event loop shows, then closes it.
void whenModalOpens(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
        if (modal->isVisible())
            modal->close();
    });
}

struct Shown {
    QString title;
    QString text;
    bool centred = false;
};

// What the help viewer that the next event loop shows holds.
void recordViewer(Shown& shown)
{
    whenModalOpens([&shown](QWidget* modal) {
        auto* viewer = qobject_cast<HelpViewerWindow*>(modal);
        QVERIFY(viewer);
        shown.title = viewer->windowTitle();
        shown.text = viewer->text()->toPlainText();
        const QRect free = viewer->screen()->availableGeometry();
        shown.centred = std::abs(viewer->frameGeometry().center().x() - free.center().x()) <= 10 &&
                        free.contains(viewer->geometry());
        QVERIFY(viewer->text()->isReadOnly());
        QVERIFY(viewer->printButton()->text() == "Print Page");
        QVERIFY(viewer->closeButton()->text() == "Close");
    });
}

} // namespace

class TestHelpViewerWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;

private slots:
    void init() { fixture = std::make_unique<DataRootFixture>(); }
    void cleanup() { fixture.reset(); }

    // Each Help menu item of the main window shows its own text, titled with
    // the item, rich text read as text and plain text as it is.
    void mainWindowHelpItemsShowTheirTexts_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opening");
        QTest::newRow("start") << int(MenuAction::HowToStartShow) << "Start A Show"
                               << "How to start a show";
        QTest::newRow("owners") << int(MenuAction::HowToAddOwnerNames) << "Add Owner Names"
                                << "How to add owner names";
        QTest::newRow("backup") << int(MenuAction::HowToBackupOrTransfer)
                                << "Backup or Transfer Between Machines"
                                << "Backup, or moving to another machine";
        QTest::newRow("secretary")
            << int(MenuAction::HowToNewSecretary) << "Transfer to a New Secretary"
            << "How to hand the program over to a new secretary";
        QTest::newRow("history") << int(MenuAction::VersionHistory) << "Version History"
                                 << "Ringvale 2.6 - version notes";
    }

    void mainWindowHelpItemsShowTheirTexts()
    {
        QFETCH(int, item);
        QFETCH(QString, caption);
        QFETCH(QString, opening);
        SessionSettings session;
        TMainForm form(fixture->data().preferences(), session, fixture->messages);
        connectMenuCommands(form, fixture->data(), session);
        QAction* action = form.action(MenuAction(item));
        QVERIFY(action->isEnabled());
        Shown shown;
        recordViewer(shown);
        action->trigger();
        QCOMPARE(shown.title, caption);
        QVERIFY2(shown.text.startsWith(opening), qPrintable(shown.text.left(80)));
        QVERIFY2(!shown.text.contains(u'\\') && !shown.text.contains(u'{'),
                 "no rich-text code shows");
        QVERIFY(shown.centred);
        QVERIFY(fixture->messages.texts.isEmpty());
    }

    void aMissingHelpFileIsNamed()
    {
        QFile::remove(fixture->root() + "/help/nurhowto.rtf");
        SessionSettings session;
        TMainForm form(fixture->data().preferences(), session, fixture->messages);
        connectMenuCommands(form, fixture->data(), session);
        form.action(MenuAction::HowToStartShow)->trigger();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(fixture->messages.texts.size(), 1);
        const QString told = fixture->messages.texts.constFirst();
        QVERIFY2(
            told.startsWith("The help file " + fixture->root() + "/help/nurhowto.rtf is missing."),
            qPrintable(told));
    }

    void breedsAndClassesShowTheirHelp()
    {
        Shown breeds;
        recordViewer(breeds);
        TBreedForm breedForm(*fixture->data().Breeds(), fixture->messages, fixture->data().root());
        breedForm.nameFormatsAction()->trigger();
        QCOMPARE(breeds.title, QStringLiteral("Name Formats"));
        QVERIFY(breeds.text.startsWith("Breed name formats"));
        QVERIFY(breeds.text.contains("Retrievers (Golden)"));

        fixture->data().OpenClasses();
        TClassForm classForm(fixture->data());
        QAction* classKeys = nullptr;
        for (QAction* action : classForm.findChildren<QAction*>()) {
            if (action->text() == "Class Keys")
                classKeys = action;
        }
        QVERIFY(classKeys);
        Shown keys;
        recordViewer(keys);
        classKeys->trigger();
        QCOMPARE(keys.title, QStringLiteral("Class Keys"));
        QVERIFY(keys.text.contains("RNCTM"));
    }

    // "Print Page" prints the text; what reaches the paper is read back by
    // pdftotext.
    void printingPutsTheTextOnPaper()
    {
        HelpViewerWindow viewer("Class Keys", fixture->messages);
        QVERIFY(HelpText::read(fixture->data().root(), HelpText::classKeys,
                               *viewer.text()->document()));
        QTemporaryDir out;
        const QString pdf = out.filePath("help.pdf");
        {
            QPdfWriter writer(pdf);
            QVERIFY(viewer.printTo(writer));
        }
        const QString printed = pdfText(pdf);
        QVERIFY2(printed.contains("Class keys"), qPrintable(printed.left(200)));
        QVERIFY(printed.contains("Rally T Challenge Team"));
    }
};

QTEST_MAIN(TestHelpViewerWindow)
#include "tst_helpviewerwindow.moc"
