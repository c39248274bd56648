#include "CatalogShow.h"
#include "DataRootFixture.h"
#include "MnemonicClashes.h"

#include "entry/EntryDeskWidget.h"
#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "preparation/BreedsEnteredForm.h"
#include "preparation/CatalogClassListWidget.h"
#include "preparation/CatalogPreviewForm1.h"
#include "preparation/CatalogPrintForm.h"
#include "preparation/ChoiceGroupWidget.h"
#include "preparation/ExhibitorIndexForm.h"
#include "preparation/ExhibitorOptionsWidget.h"
#include "preparation/RichPreviewWidget.h"
#include "preparation/ViewExhibitorsForm.h"
#include "storage/SessionSettings.h"

#include "dbf/Table.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

// The catalog, exhibitor index and breeds windows, offscreen, on the sample
// show made ready for its catalog.
class CatalogFormsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;

    Tdmod& data() { return fixture->data(); }
    QString file(const char* name) const
    {
        return QString::fromStdString((fixture->dir / name).string());
    }
    int ticked(const CatalogClassListWidget& list) const { return int(list.ticked().size()); }
    // The window becomes the active one again, as after a message or the
    // print dialog closed.
    static void activateAgain(QWidget& window)
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        makeCatalogShow(data(), 40);
        fixture->messages.texts.clear();
    }
    void cleanup() { fixture.reset(); }

    void theClassListTicksAndItsButtonsFollow()
    {
        TCatalogBookletForm1 window(data());
        window.show();
        CatalogClassListWidget& list = *window.classList();
        QCOMPARE(list.tabs()->count(), 2);
        QCOMPARE(list.tabs()->tabText(0), QStringLiteral("Obedience"));
        QCOMPARE(list.tabs()->tabText(1), QStringLiteral("Rally"));
        QVERIFY(list.list()->count() > 3);
        QCOMPARE(list.list()->item(0)->text(), QStringLiteral("Novice A"));
        QVERIFY(!list.clearButton()->isEnabled());
        QVERIFY(window.startSideChoice()->isVisibleTo(&window));
        QVERIFY(!window.scoresNote()->isVisibleTo(&window));
        QCOMPARE(mnemonicClashes(&window), QStringList());

        window.print();
        QCOMPARE(fixture->messages.texts.last(), QStringLiteral("No Classes have been selected"));
        list.selectAllButton()->click();
        QCOMPARE(ticked(list), list.list()->count());
        QCOMPARE(list.selectAllButton()->text(), QStringLiteral("De-Select All"));
        QVERIFY(list.clearButton()->isEnabled());
        list.list()->item(0)->setCheckState(Qt::Unchecked);
        list.selectOppositeButton()->click();
        QCOMPARE(ticked(list), 1);
        QCOMPARE(list.ticked().front().classKey, QStringLiteral("ORNA"));
        list.clearButton()->click();
        QCOMPARE(ticked(list), 0);

        // Another section lists its own classes, none ticked.
        list.selectAllButton()->click();
        list.tabs()->setCurrentIndex(1);
        QCOMPARE(list.list()->item(0)->text(), QStringLiteral("Rally Novice A"));
        QCOMPARE(ticked(list), 0);

        TCatalogFullPageForm1 full(data());
        QVERIFY(!full.startSideChoice()->isVisibleTo(&full));
    }

    // The catalog is built when the window opens, not each time it becomes
    // active again, so a message or the print dialog closing takes neither
    // the catalog from under a run nor the ticks from the secretary.
    void aReactivationKeepsTheCatalogAndTheTicks()
    {
        TCatalogBookletForm1 window(data());
        window.show();
        CatalogClassListWidget& list = *window.classList();
        list.list()->item(0)->setCheckState(Qt::Checked);
        list.list()->item(1)->setCheckState(Qt::Checked);
        const std::uint32_t rows = data().Catalog()->recordCount();
        dbf::Table& entries = *data().TzDbf1();
        entries.append();
        entries.setText("last", "Newcomer");
        entries.setLogical("t1orna", true);
        entries.post();

        activateAgain(window);
        QCOMPARE(ticked(list), 2);
        QCOMPARE(data().Catalog()->recordCount(), rows);
        fixture->messages.answerText(file("ticked.pdf"));
        QVERIFY(window.saveAsPdf());
        QCOMPARE(ticked(list), 2);

        TCatalogBookletForm1 again(data());
        again.show();
        QCOMPARE(data().Catalog()->recordCount(), rows + 1); // opened again, built again
    }

    void theSettingsAreKeptWhenSaveIsTicked()
    {
        {
            TCatalogBookletForm1 window(data());
            window.show();
            QVERIFY(window.classLinesBox()->isEnabled());
            QVERIFY(!window.catLinesBox()->isEnabled()); // group breaks are on by default
            window.clubNameChoice()->button(1)->click();
            window.entryLinesBox()->setValue(3);
            window.classBreaksBox()->click();
            QVERIFY(!window.classLinesBox()->isEnabled());
            window.closeButton()->click();
        }
        CatalogPrintSettings stored =
            data().preferences().catalogPrintSettings(CatalogLayout::Booklet);
        QCOMPARE(stored.clubName, 1);
        QCOMPARE(stored.entryLines, 3);
        QVERIFY(stored.classBreaks);
        QCOMPARE(data().preferences().catalogPrintSettings(CatalogLayout::FullPage),
                 CatalogPrintSettings{});
        {
            TCatalogBookletForm1 window(data());
            QCOMPARE(window.entryLinesBox()->value(), 3);
            for (QPushButton* button : window.findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("&Restore Defaults"))
                    button->click();
            QCOMPARE(window.options().settings, restoredCatalogSettings());
            window.saveBox()->setChecked(false);
            window.accept();
        }
        stored = data().preferences().catalogPrintSettings(CatalogLayout::Booklet);
        QCOMPARE(stored.entryLines, 3); // not saved without Save These Settings
    }

    void aScoreWindowOpensItForItsSectionWithResults()
    {
        TCatalogFullPageForm1 window(data(), ClassCodes::Section::Rally);
        window.show();
        QCOMPARE(window.classList()->tabs()->count(), 1);
        QCOMPARE(window.classList()->tabs()->tabText(0), QStringLiteral("Rally"));
        QVERIFY(window.resultsChosen());
        QVERIFY(window.scoresNote()->isVisibleTo(&window));

        TCatalogPreviewForm1 preview(data());
        preview.show();
        QVERIFY(!preview.resultsChosen());
    }

    void thePreviewShowsTheCatalogAndSavesItUnderItsSectionsName()
    {
        TCatalogPreviewForm1 window(data());
        window.show();
        QCOMPARE(mnemonicClashes(&window), QStringList());
        QVERIFY(!window.preview());
        QCOMPARE(fixture->messages.texts.last(), QStringLiteral("No Classes have been selected"));
        QVERIFY(window.selection()->isVisibleTo(&window));

        window.classList()->selectAllButton()->click();
        QVERIFY(window.preview());
        QVERIFY(!window.selection()->isVisibleTo(&window));
        QVERIFY(window.previewText()->isVisibleTo(&window));
        QVERIFY(window.previewText()->editor()->toPlainText().contains("NOVICE CLASSES"));

        const QString rtf = file("Obedience.rtf");
        fixture->messages.answerText(rtf);
        window.previewText()->action(QStringLiteral("Save to File"))->trigger();
        QCOMPARE(fixture->messages.fileChoices.last().fileName, QStringLiteral("Obedience.rtf"));
        QCOMPARE(fixture->messages.fileChoices.last().filter, QStringLiteral("Text files (*.rtf)"));
        QFile saved(rtf);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("{\\rtf"));

        window.previewText()->action(QStringLiteral("Close Preview"))->trigger();
        QVERIFY(window.selection()->isVisibleTo(&window));
        QVERIFY(!window.previewText()->isVisibleTo(&window));
    }

    void theExhibitorIndexWindowsOfferTheirOptions()
    {
        TExhibitorIndexForm booklet(data(), BookletSheets::Format::Booklet);
        booklet.show();
        ExhibitorOptionsWidget& options = *booklet.optionsWidget();
        QVERIFY(options.startSideChoice()->isVisibleTo(&booklet));
        QVERIFY(!options.phonesChoice()->isVisibleTo(&booklet));
        // Becoming active again puts the sections back to All Combined.
        options.sectionsChoice()->button(2)->click();
        QCOMPARE(options.options().sections, ExhibitorIndex::Sections::RallyOnly);
        activateAgain(booklet);
        QCOMPARE(options.options().sections, ExhibitorIndex::Sections::All);
        fixture->messages.answerText(file("index.pdf"));
        QVERIFY(booklet.saveAsPdf());

        TExhibitorIndexForm full(data(), BookletSheets::Format::FullPage);
        QVERIFY(!full.optionsWidget()->startSideChoice()->isVisibleTo(&full));
        QVERIFY(full.optionsWidget()->phonesChoice()->isVisibleTo(&full));

        TViewExhibitorsForm preview(data());
        preview.show();
        QVERIFY(!preview.optionsWidget()->boldChoice()->isVisibleTo(&preview));
        QVERIFY(preview.preview());
        QVERIFY(preview.previewText()->editor()->toPlainText().contains("Exhibitors Index"));
        fixture->messages.answerText(file("ExhibitorIndex.rtf"));
        preview.previewText()->action(QStringLiteral("Save As"))->trigger();
        QCOMPARE(fixture->messages.fileChoices.last().fileName,
                 QStringLiteral("ExhibitorIndex.rtf"));
        QVERIFY(QFileInfo::exists(file("ExhibitorIndex.rtf")));
        preview.previewText()->action(QStringLiteral("C&lose"))->trigger();
        QVERIFY(preview.selection()->isVisibleTo(&preview));
    }

    void theBreedsListingSavesPlainText()
    {
        TBreedsEnteredForm window(data());
        QCOMPARE(window.windowTitle(), QStringLiteral("Breeds Entered List"));
        bool noted = false;
        for (const QLabel* label : window.findChildren<QLabel*>())
            noted = noted || label->text().startsWith("This is a simple listing");
        QVERIFY(noted);
        const QString txt = file("breeds.txt");
        fixture->messages.answerText(txt);
        QVERIFY(window.saveAs());
        QCOMPARE(fixture->messages.fileChoices.last().filter, QStringLiteral("Text files (*.txt)"));
        QFile saved(txt);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("Breed                         \tNumber of Entries\n"));
    }

    // After a catalog the desk is in Last Name order on its first entry,
    // whatever order and entry it had.
    void theMenuLeavesTheDeskInLastNameOrderOnTheFirstEntry()
    {
        const QString show = data().root().showEntryFile(1);
        data().CloseShow();
        SessionSettings session;
        TMainForm form(data().preferences(), session, fixture->messages);
        connectMenuCommands(form, data(), session);
        form.show();
        fixture->messages.answerText(show);
        form.action(MenuAction::OpenShow)->trigger();
        form.action(MenuAction::OrderArmband)->trigger();
        form.entryDesk()->goLast();
        dbf::Table& entries = *data().TzDbf1();
        const auto first = entries.recordsInOrder("NAME").front();
        QVERIFY(entries.recno() != first);

        for (const MenuAction item : {MenuAction::CatalogBooklet, MenuAction::CatalogPreview}) {
            QString opened;
            QTimer::singleShot(0, [&opened] {
                QWidget* modal = QApplication::activeModalWidget();
                QVERIFY(modal);
                opened = modal->metaObject()->className();
                modal->close();
            });
            form.action(item)->trigger();
            QVERIFY(opened.startsWith("TCatalog"));
            QCOMPARE(QString::fromStdString(entries.order()).toUpper(), QStringLiteral("NAME"));
            QCOMPARE(entries.recno(), first);
            QVERIFY(form.action(MenuAction::OrderLastName)->isChecked());
            form.action(MenuAction::OrderArmband)->trigger();
            form.entryDesk()->goLast();
        }
    }
};

QTEST_MAIN(CatalogFormsTest)
#include "tst_catalogforms.moc"
