#include "DataRootFixture.h"
#include "MnemonicClashes.h"

#include "setup/ClassForm.h"
#include "setup/ClassReportForm.h"

#include "dbf/Table.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>

class ClassFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;

    enum Column { Section, ClassName, SortKey, CatGroup, DbKey, SelKey, FeeType };

    std::unique_ptr<TClassForm> open()
    {
        auto form = std::make_unique<TClassForm>(fixture->data());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            QTest::qFail("the window was never shown", __FILE__, __LINE__);
        return form;
    }

    static void typeInto(QTableView* grid, int row, int column, const QString& text)
    {
        const QModelIndex index = grid->model()->index(row, column);
        grid->setCurrentIndex(index);
        grid->edit(index);
        // A closed editor lingers until deleted later; type into the open one.
        QLineEdit* editor = nullptr;
        for (QLineEdit* open : grid->viewport()->findChildren<QLineEdit*>()) {
            if (open->isVisible())
                editor = open;
        }
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    static QString cell(QTableView* grid, int row, int column)
    {
        return grid->model()->index(row, column).data().toString();
    }

    static QStringList menuTexts(QMenuBar* bar)
    {
        QStringList texts;
        for (QAction* action : bar->actions()) {
            if (action->isVisible())
                texts << action->text();
        }
        return texts;
    }

    QString text(const char* field) const
    {
        return QString::fromStdString(fixture->data().ShowClasses()->text(field));
    }

private slots:
    void init() { fixture = std::make_unique<DataRootFixture>(); }
    void cleanup() { fixture.reset(); }

    void opensInSortKeyOrder()
    {
        auto form = open();
        QCOMPARE(form->windowTitle(), QString("Currently Defined Classes "));
        QCOMPARE(form->indexPanel()->text(), QString("Current Index = Sort Code"));
        QCOMPARE(form->recordPanel()->text(), QString("Rec #    1 /   29"));
        QCOMPARE(menuTexts(form->menuBar()), (QStringList{"Fi&le", "&Index", "&Reports", "&Help"}));
        QCOMPARE(form->cancelButton()->text(), QString("Ca&ncel"));
        QCOMPARE(form->closeButton()->text(), QString("&Close"));
        QTableView* grid = form->grid();
        QCOMPARE(grid->model()->columnCount(), 10);
        QCOMPARE(cell(grid, 0, ClassName), QString("Novice A"));
        QCOMPARE(cell(grid, 28, SortKey), QString("730"));
        QVERIFY(!form->saveButton()->isEnabled());
    }

    void aTakenSortKeyIsRefusedAndTheEditKept()
    {
        auto form = open();
        QTableView* grid = form->grid();
        typeInto(grid, 0, SortKey, "020");
        typeInto(grid, 0, FeeType, "non");
        QVERIFY(form->saveButton()->isEnabled());

        form->saveButton()->click();
        QVERIFY(fixture->messages.texts.last().startsWith(
            "Sort Key [020] is already used by Novice B (Rec # 2)."));
        QVERIFY2(form->saveButton()->isEnabled(), "still editing after the refusal");
        QCOMPARE(cell(grid, 0, SortKey), QString("020"));

        typeInto(grid, 0, SortKey, "015");
        form->saveButton()->click();
        QVERIFY(!form->saveButton()->isEnabled());
        dbf::Table& classes = *fixture->data().ShowClasses();
        classes.go(1);
        QCOMPARE(text("srtkey"), QString("015"));
        QCOMPARE(text("fee_type"), QString("NON"));
    }

    void findAndDeletionMark()
    {
        auto form = open();
        fixture->messages.answerText(QString("040"));
        form->findButton()->click();
        QCOMPARE(fixture->messages.texts.last(), QString("Enter Sort Key to find: "));
        QCOMPARE(text("db_key"), QString("OROB"));
        QCOMPARE(form->recordPanel()->text(), QString("Rec #    4 /   29"));

        fixture->messages.answerText(QString("777"));
        form->findButton()->click();
        QCOMPARE(fixture->messages.texts.last(), QString("Could not find  777"));
        QCOMPARE(text("db_key"), QString("OROB"));

        form->deleteButton()->click();
        QCOMPARE(form->deletionLabel()->text(), QString("Deleted"));
        QCOMPARE(form->deleteButton()->text(), QString("Un&Delete"));
        form->deleteButton()->click();
        QCOMPARE(form->deletionLabel()->text(), QString("  "));
    }

    void theReportFollowsTheChosenOrderWithoutMovingTheRecord()
    {
        auto form = open();
        form->selectOrder(1);
        QCOMPARE(form->indexPanel()->text(), QString("Current Index = Section plus Class Name"));
        form->goLast();
        const std::uint32_t current = fixture->data().ShowClasses()->recno();

        TClassReportForm report(*fixture->data().ShowClasses(), "SECTION", fixture->messages);
        const RecordSource& rows = *report.report().data;
        QVERIFY(rows.rowCount() > 0);
        QCOMPARE(rows.value(0, "classname").toString(), QString("Advanced Teamwork"));
        QCOMPARE(rows.value(0, "section").toString(), QString("Obedience"));
        QCOMPARE(report.report().definition.title, QString("NUR CLASSES DATABASE"));
        QCOMPARE(fixture->data().ShowClasses()->recno(), current);
    }

    // Every menu and button has its own Alt letter: the File menu gives the
    // F to the Find button.
    void altLettersAreOneEach()
    {
        auto form = open();
        QCOMPARE(mnemonicClashes(form.get()), QStringList());
    }
};

QTEST_MAIN(ClassFormTest)
#include "tst_classform.moc"
