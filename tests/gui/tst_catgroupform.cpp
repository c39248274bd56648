#include "DataRootFixture.h"
#include "MnemonicClashes.h"

#include "setup/CatGroupForm.h"
#include "setup/CatGrpListForm.h"

#include "dbf/Table.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

class CatGroupFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;

    std::unique_ptr<TCatGroupForm> open()
    {
        auto form = std::make_unique<TCatGroupForm>(fixture->data());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            QTest::qFail("the window was never shown", __FILE__, __LINE__);
        return form;
    }

    dbf::Table& groups() { return *fixture->data().CatGroups(); }

    QString text(const char* field) { return QString::fromStdString(groups().text(field)); }

    static QLineEdit* box(TCatGroupForm& form, int n)
    {
        return form.dataPanel()->findChildren<QLineEdit*>().value(n);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        fixture->data().OpenCatGroups();
    }
    void cleanup() { fixture.reset(); }

    void opensOnTheFirstGroupInTheFormView()
    {
        auto form = open();
        QCOMPARE(form->windowTitle(), QString("Catalog Groupings"));
        QCOMPARE(form->indexPanel()->text(), QString("Current Index = Cat Group Code"));
        QCOMPARE(form->recordPanel()->text(), QString("Rec #     1 /    12"));
        QCOMPARE(box(*form, 0)->text(), QString("NOV"));
        QVERIFY(form->dataPanel()->isVisible());
        QVERIFY(!form->grid()->isVisible());
        QVERIFY(!form->findButton()->isVisible());
        QVERIFY(!form->saveButton()->isEnabled());
        QCOMPARE(form->gridButton()->text(), QString("Show &Grid"));
        QCOMPARE(form->deletesButton()->text(), QString("Hide Deletes"));
        QCOMPARE(form->addButton()->text(), QString("&Add "));
        QCOMPARE(form->packAction()->text(), QString("Permanently Remove Deletes"));

        form->gridButton()->click();
        QVERIFY(form->grid()->isVisible());
        QVERIFY(!form->dataPanel()->isVisible());
        QCOMPARE(form->gridButton()->text(), QString("Hide Grid"));
        QCOMPARE(form->gridAction()->text(), QString("Hide Grid"));
    }

    void typingEditsAndSaveWrites()
    {
        auto form = open();
        QLineEdit* header = box(*form, 3);
        header->setFocus();
        header->selectAll();
        QTest::keyClicks(header, "BEGINNERS");
        QVERIFY2(form->saveButton()->isEnabled(), "typing starts the edit");
        form->saveButton()->click();
        QVERIFY(!form->saveButton()->isEnabled());
        QCOMPARE(text("header"), QString("BEGINNERS"));
    }

    void findByTheCurrentOrder()
    {
        auto form = open();
        fixture->messages.answerText(QString("opn"));
        form->findAction()->trigger();
        QCOMPARE(fixture->messages.texts.last(), QString("Enter Cat-Group Code to find: "));
        QCOMPARE(text("catgroup"), QString("OPN"));
        fixture->messages.answerText(QString("zzz"));
        form->findAction()->trigger();
        QCOMPARE(fixture->messages.texts.last(), QString("Could not find Cat-Group Code ZZZ"));
        QCOMPARE(text("catgroup"), QString("OPN"));
    }

    void hidingDeletesLastsWhileTheWindowIsOpen()
    {
        {
            auto form = open();
            form->deleteButton()->click();
            QCOMPARE(form->deletionLabel()->text(), QString("DELETED"));
            QCOMPARE(form->deleteButton()->text(), QString("Un&Delete"));
            form->deletesButton()->click();
            QCOMPARE(form->deletesButton()->text(), QString("Sho&w Deletes"));
            QCOMPARE(groups().visibleCount(), 11u);
            QCOMPARE(text("catgroup"), QString("OBT")); // the first record shown
        }
        QCOMPARE(groups().visibleCount(), 12u);
    }

    void listOfCodesSelectsTheSectionOrder()
    {
        auto form = open();
        QTimer::singleShot(0, [] {
            if (QWidget* listing = QApplication::activeModalWidget())
                listing->close();
        });
        form->codesAction()->trigger();
        QCOMPARE(form->indexPanel()->text(), QString("Current Index = Section + Code"));
    }

    void theListingSavesWhatTheTextAreaHolds()
    {
        TCatGrpListForm listing(groups(), CatGroupListing::Kind::Full, fixture->messages);
        QCOMPARE(listing.windowTitle(), QString("List of Catalog Grouping Codes"));
        QCOMPARE(listing.closeButton()->text(), QString("Close"));
        QCOMPARE(listing.editor()->font().family(), QString("Courier New"));
        QVERIFY(listing.editor()->toPlainText().startsWith(
            " \nNOV\tObedience\tNOVICE CLASSES\n\t\tQualifying score: 170"));
        listing.editor()->appendPlainText("added by hand");

        const QString path = fixture->root() + "/full.txt";
        fixture->messages.answerText(path);
        QVERIFY(listing.saveAs());
        QCOMPARE(fixture->messages.texts.last(), QString("Save As"));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().endsWith("\nadded by hand\n"));
    }

    // Every menu and button has its own Alt letter, in the form and the grid view.
    void altLettersAreOneEach()
    {
        auto form = open();
        QCOMPARE(mnemonicClashes(form.get()), QStringList());
        form->GridClick();
        form->DeletesClick();
        QCOMPARE(mnemonicClashes(form.get()), QStringList());
    }
};

QTEST_MAIN(CatGroupFormTest)
#include "tst_catgroupform.moc"
