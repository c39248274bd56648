#include "DataRootFixture.h"
#include "MnemonicClashes.h"

#include "masters/BreedForm.h"

#include "dbf/Table.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

class BreedFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;
    dbf::Table* breeds = nullptr;

    std::unique_ptr<TBreedForm> open()
    {
        auto form =
            std::make_unique<TBreedForm>(*breeds, fixture->messages, fixture->data().root());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            QTest::qFail("the window was never shown", __FILE__, __LINE__);
        return form;
    }

    // Types into the cell through the grid's own editor and commits with Enter.
    static void typeInto(QTableView* grid, int row, int column, const QString& text)
    {
        const QModelIndex index = grid->model()->index(row, column);
        grid->setCurrentIndex(index);
        grid->edit(index);
        // Editors of cells left earlier linger hidden until deleted.
        QLineEdit* editor = nullptr;
        for (QLineEdit* open : grid->viewport()->findChildren<QLineEdit*>())
            if (open->isVisible())
                editor = open;
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The grid hands the typed text to the model once the event loop turns.
        QCoreApplication::processEvents();
    }

    static QString cell(QTableView* grid, int row, int column)
    {
        return grid->model()->index(row, column).data().toString();
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        breeds = fixture->start().Breeds();
        breeds->zap();
        for (const char* name : {"Boxer", "Akita"}) {
            breeds->append();
            breeds->setText("breed_name", name);
            breeds->post();
        }
    }

    void cleanup() { fixture.reset(); }

    void gridEditWritesTheRecordOnLeavingTheRow()
    {
        auto form = open();
        QCOMPARE(form->windowTitle(), QString("Breeds Database"));
        QCOMPARE(form->recordPanel()->text(), QString("Rec #   2 /   2"));
        QTableView* grid = form->grid();
        QCOMPARE(cell(grid, 0, 0), QString("Akita"));

        typeInto(grid, 1, 1, "BOX");
        QVERIFY2(form->saveButton()->isEnabled(), "typing into the grid starts the edit");
        QVERIFY(!form->addButton()->isEnabled());
        grid->setCurrentIndex(grid->model()->index(0, 1));
        QVERIFY2(!form->saveButton()->isEnabled(), "leaving the row saved it");
        breeds->go(1);
        QCOMPARE(QString::fromStdString(breeds->text("short_name")), QString("BOX"));
        QCOMPARE(form->recordPanel()->text(), QString("Rec #   2 /   2"));
    }

    void escapeCancelsAndAddSaves()
    {
        auto form = open();
        QTableView* grid = form->grid();
        typeInto(grid, 0, 1, "AK");
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!form->saveButton()->isEnabled());
        QVERIFY(!form->cancelButton()->isEnabled());
        QCOMPARE(cell(grid, 0, 1), QString());

        QTest::mouseClick(form->addButton(), Qt::LeftButton);
        QCOMPARE(grid->model()->rowCount(), 3);
        typeInto(grid, 2, 0, "Collie");
        QTest::mouseClick(form->saveButton(), Qt::LeftButton);
        QCOMPARE(breeds->recordCount(), 3u);
        QCOMPARE(cell(grid, 2, 0), QString("Collie"));
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(form->recordPanel()->text(), QString("Rec #   3 /   3"));
    }

    void deleteMarksInRedAndFindSaysNotFound()
    {
        auto form = open();
        QTest::mouseClick(form->deleteButton(), Qt::LeftButton);
        QCOMPARE(form->deletionLabel()->text(), QString("DELETED"));
        QCOMPARE(form->deleteButton()->text(), QString("Un&Delete"));
        QVERIFY(form->grid()->model()->index(0, 0).data(Qt::ForegroundRole).isValid());

        fixture->messages.answerText(QString("zz"));
        QTest::mouseClick(form->findButton(), Qt::LeftButton);
        QVERIFY(fixture->messages.texts.contains("Enter Breed to find: "));
        QVERIFY(fixture->messages.texts.contains("Could not find Breed ZZ"));
        fixture->messages.answerText(QString("box"));
        QTest::mouseClick(form->findButton(), Qt::LeftButton);
        QCOMPARE(form->grid()->currentIndex().row(), 1);
    }

    void altLettersAreOneEach()
    {
        auto form = open();
        QCOMPARE(mnemonicClashes(form.get()), QStringList());
    }
};

QTEST_MAIN(BreedFormTest)
#include "tst_breedform.moc"
