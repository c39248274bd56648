#include "DataRootFixture.h"

#include "setup/ConfirmSortKeysForm.h"

#include "dbf/Table.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

class ConfirmSortKeysFormTest : public QObject
{
    Q_OBJECT

private slots:
    void startRunsOverEveryRecord()
    {
        DataRootFixture fixture;
        fixture.addShowDates(12, QDate(2006, 10, 14), 1);
        fixture.data().CreateShowEntryTable(12, "10/14/2006");
        dbf::Table& entries = *fixture.data().TzDbf1();
        for (const char* flag : {"t1orob", "t1orna"}) {
            entries.append();
            entries.setLogical(flag, true);
            entries.setText("srtkey", "999");
            entries.post();
        }
        entries.setDeleted(true);

        TConfirmSortKeysForm form(fixture.data());
        QCOMPARE(form.windowTitle(), QString("Confirm Sort Keys "));
        QCOMPARE(form.progressBar()->value(), 0);
        QCOMPARE(form.cancelButton()->text(), QString("Cancel"));
        form.startButton()->click();
        QCOMPARE(form.progressBar()->value(), form.progressBar()->maximum());
        QCOMPARE(form.progressBar()->maximum(), 2);
        QCOMPARE(form.cancelButton()->text(), QString("Close"));
        entries.go(1);
        QCOMPARE(entries.text("srtkey"), std::string("040"));
        entries.go(2);
        QCOMPARE(entries.text("srtkey"), std::string("999"));
    }

    void noShowOpenSaysSo()
    {
        DataRootFixture fixture;
        openConfirmSortKeysWindow(fixture.data(), nullptr);
        QCOMPARE(fixture.messages.texts, QStringList{"Please open a Show first."});
    }
};

QTEST_MAIN(ConfirmSortKeysFormTest)
#include "tst_confirmsortkeysform.moc"
