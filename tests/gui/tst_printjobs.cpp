#include "CatalogShow.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include "CliRun.h"
#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "masters/JudgLabelsForm.h"
#include "masters/JudgeForm.h"
#include "masters/OwnerForm.h"
#include "preparation/BreedsEnteredForm.h"
#include "preparation/CatalogClassListWidget.h"
#include "preparation/CatalogPreviewForm1.h"
#include "preparation/CatalogPrintForm.h"
#include "preparation/ExhibitorIndexForm.h"
#include "preparation/RichPreviewWidget.h"
#include "print/PrintJobs.h"
#include "setup/CatGroupForm.h"
#include "setup/ClassForm.h"
#include "storage/SessionSettings.h"
#include "trialday/ChoiceBoxWidget.h"
#include "trialday/ObJudgeSchedForm1.h"
#include "trialday/ObedGateForm.h"
#include "trialday/RallyBookForm1.h"
#include "trialday/RallyClassPickerWidget.h"
#include "trialday/RallyGatePrtForm1.h"
#include "ui/LabelSheetWindow.h"
#include "ui/PlainListingWindow.h"
#include "ui/ReportPreviewWindow.h"
#include "ui/TextListingWindow.h"

#include "dbf/Table.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

// Every print job comes out of its window and out of `ringvale-cli print` as
// the same pages, and a printer gets the pages the PDF has.
class PrintJobsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;

    QString file(const QString& name) const
    {
        return QString::fromStdString((fixture->dir / name.toStdString()).string());
    }

    void add(dbf::Table& table, const std::map<std::string, QString>& fields)
    {
        table.append();
        for (const auto& [field, value] : fields)
            table.setText(field, value.toStdString());
        table.post();
    }

    // Owners and judges with an empty phone, a long address, a long e-mail
    // and a name that sorts first, and one of each marked deleted.
    void addPeople()
    {
        Tdmod& data = fixture->data();
        data.OpenOwners();
        data.OpenJudges();
        dbf::Table& owners = *data.Owners();
        add(owners, {{"owner_id", "00001"},
                     {"first", "Mary"},
                     {"last", "Smith"},
                     {"address", "12 Elm St"},
                     {"city", "Springfield"},
                     {"state", "IL"},
                     {"zip", "62701"},
                     {"phone", "555-123-4567"},
                     {"email", "mary@example.com"}});
        add(owners, {{"owner_id", "00002"},
                     {"first", "Bob"},
                     {"last", "Baker"},
                     {"address", "9 Pine Ave"},
                     {"city", "Toronto"},
                     {"state", "ON"},
                     {"zip", "M5V 2T6"},
                     {"country", "Canada"}});
        add(owners, {{"owner_id", "00003"},
                     {"first", "Margaret"},
                     {"last", "Featherstonehaugh"},
                     {"address", "1234 Long Meadow Road Apartment 5"},
                     {"city", "Albuquerque"},
                     {"state", "NM"},
                     {"zip", "87101"},
                     {"phone", "505-555-1212"},
                     {"email", "maggie.featherstonehaugh@example.org"}});
        add(owners, {{"owner_id", "00004"}, {"first", "Al"}, {"last", "Adams"}});
        owners.setDeleted(true);
        dbf::Table& judges = *data.Judges();
        add(judges, {{"judgenum", "00001"},
                     {"first", "Ann"},
                     {"last", "Lee"},
                     {"address", "5 River Rd"},
                     {"city", "Albany"},
                     {"state", "NY"},
                     {"zip", "12207"},
                     {"phone", "518-555-0101"},
                     {"email", "ann.lee@example.com"},
                     {"country", "USA"}});
        add(judges, {{"judgenum", "00002"},
                     {"first", "Cy"},
                     {"last", "Brown"},
                     {"address", "77 Hill St"},
                     {"city", "Mobile"},
                     {"state", "AL"},
                     {"zip", "36602"},
                     {"email", "cy@example.net"}});
        add(judges, {{"judgenum", "00003"}, {"first", "Bob"}, {"last", "Cole"}});
        judges.setDeleted(true);
    }

    // The main window with the show opened through File, Open, and the job's
    // window from its item, saved as `pdf`.
    template <typename Window> void fromMainMenu(MenuAction item, const QString& pdf)
    {
        SessionSettings session;
        TMainForm form(fixture->data().preferences(), session, fixture->messages);
        connectMenuCommands(form, fixture->data(), session);
        form.show();
        fixture->messages.answerText(fixture->data().root().showEntryFile(1));
        form.action(MenuAction::OpenShow)->trigger();
        saveModalAsPdf<Window>(pdf);
        form.action(item)->trigger();
    }

    // Acts on the modal window the next event loop shows, then closes it.
    static void whenModalOpens(std::function<void(QWidget*)> act)
    {
        QTimer::singleShot(0, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            act(modal);
            if (modal->isVisible())
                modal->close();
        });
    }

    // The window's own "Save as PDF", answered with `pdf`.
    template <typename Window> void saveModalAsPdf(const QString& pdf)
    {
        whenModalOpens([this, pdf](QWidget* modal) {
            auto* window = qobject_cast<Window*>(modal);
            QVERIFY2(window, qPrintable(modal->metaObject()->className()));
            fixture->messages.answerText(pdf);
            window->saveAsPdf();
        });
    }

    // How the secretary gets each job's PDF from its window, and the command
    // line that asks for the same pages.
    struct FrontEnds {
        std::function<void(PrintJobsTest&, const QString& pdf)> window;
        QStringList commandLine;
    };

    static const std::map<std::string, FrontEnds>& frontEnds()
    {
        static const std::map<std::string, FrontEnds> ends{
            {"owners-list",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TOwnerForm window(t.fixture->data(), KeyboardSettings{});
                  t.saveModalAsPdf<TextListingWindow>(pdf);
                  window.listingAction()->trigger();
              },
              {"--order", "name"}}},
            {"owners-labels",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TOwnerForm window(t.fixture->data(), KeyboardSettings{});
                  t.saveModalAsPdf<LabelSheetWindow>(pdf);
                  window.labelsAction(OwnerLabelMode::All)->trigger();
              },
              {}}},
            {"judges-list",
             {[](PrintJobsTest& t, const QString& pdf) {
                  Tjudgeform window(t.fixture->data(), KeyboardSettings{});
                  window.show();
                  t.saveModalAsPdf<PlainListingWindow>(pdf);
                  window.listAction()->trigger();
              },
              {"--order", "name"}}},
            {"judges-labels",
             {[](PrintJobsTest& t, const QString& pdf) {
                  Tjudgeform window(t.fixture->data(), KeyboardSettings{});
                  window.show();
                  t.whenModalOpens([&t, pdf](QWidget* modal) {
                      auto* labels = qobject_cast<TJudgLabels*>(modal);
                      QVERIFY(labels);
                      labels->selectAllButton()->click();
                      t.fixture->messages.answerText(pdf);
                      labels->saveAsPdf();
                  });
                  window.labelsAction()->trigger();
              },
              {"--judges", "all"}}},
            {"classes",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TClassForm window(t.fixture->data());
                  window.show();
                  t.saveModalAsPdf<ReportPreviewWindow>(pdf);
                  window.reportAction()->trigger();
              },
              {"--order", "srtkey"}}},
            {"catgroups-codes",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TCatGroupForm window(t.fixture->data());
                  window.show();
                  t.saveModalAsPdf<PlainListingWindow>(pdf);
                  window.codesAction()->trigger();
              },
              {}}},
            {"catgroups-full",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TCatGroupForm window(t.fixture->data());
                  window.show();
                  t.saveModalAsPdf<PlainListingWindow>(pdf);
                  window.fullListAction()->trigger();
              },
              {}}},
            {"gate-sheets",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TObedGateForm window(t.fixture->data(), ClassCodes::Section::Obedience);
                  window.show();
                  window.jumpHeights()->choose(0);
                  window.Button2Click();
                  t.fixture->messages.answerText(pdf);
                  window.listing()->saveAsPdf();
              },
              {"--show", "1", "--section", "obedience", "--trial-in-title", "--heights"}}},
            {"rally-score-boxes",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TRallyGatePrtForm1 window(t.fixture->data());
                  window.show();
                  window.picker()->SelectAllClick();
                  t.saveModalAsPdf<ReportPreviewWindow>(pdf);
                  window.PreviewClick();
              },
              {"--show", "1", "--trial", "1"}}},
            {"judges-book",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TRallyBookForm1 window(t.fixture->data());
                  window.show();
                  window.picker()->SelectAllClick();
                  t.saveModalAsPdf<ReportPreviewWindow>(pdf);
                  window.PreviewClick();
              },
              {"--show", "1", "--trial", "1"}}},
            {"schedule-lists",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TObJudgeSchedForm1 window(t.fixture->data(), ClassCodes::Section::Rally);
                  window.show();
                  window.trialInTitle()->choose(1);
                  window.Button2Click();
                  t.fixture->messages.answerText(pdf);
                  window.listing()->saveAsPdf();
              },
              {"--show", "1", "--section", "rally"}}},
            {"catalog-booklet",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TCatalogBookletForm1 window(t.fixture->data());
                  window.show();
                  window.classList()->tickAll(true);
                  t.fixture->messages.answerText(pdf);
                  QVERIFY(window.saveAsPdf());
              },
              {"--show", "1", "--section", "obedience"}}},
            {"catalog-fullpage",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TCatalogFullPageForm1 window(t.fixture->data());
                  window.show();
                  window.classList()->tabs()->setCurrentIndex(1); // Rally
                  window.classList()->tickAll(true);
                  t.fixture->messages.answerText(pdf);
                  QVERIFY(window.saveAsPdf());
              },
              {"--show", "1", "--section", "rally"}}},
            {"catalog-preview",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TCatalogPreviewForm1 window(t.fixture->data());
                  window.show();
                  window.classList()->tickAll(true);
                  QVERIFY(window.preview());
                  t.fixture->messages.answerText(pdf);
                  QVERIFY(window.previewText()->saveAsPdf());
              },
              {"--show", "1", "--section", "obedience"}}},
            {"exhibitor-index",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TExhibitorIndexForm window(t.fixture->data(), BookletSheets::Format::Booklet);
                  window.show();
                  t.fixture->messages.answerText(pdf);
                  QVERIFY(window.saveAsPdf());
              },
              {"--show", "1"}}},
            {"breeds-entered",
             {[](PrintJobsTest& t, const QString& pdf) {
                  TBreedsEnteredForm window(t.fixture->data());
                  t.fixture->messages.answerText(pdf);
                  QVERIFY(window.saveAsPdf());
              },
              {"--show", "1"}}},
            {"class-counts", reportsItem<ReportPreviewWindow>(MenuAction::ClassCounts)},
            {"fee-counts", reportsItem<ReportPreviewWindow>(MenuAction::FeeCounts)},
            {"verify-input",
             reportsItem<ReportPreviewWindow>(MenuAction::VerifyByLastName, {"--by", "owner"})},
            {"notes", reportsItem<TextListingWindow>(MenuAction::SpecialNotesListing)},
            {"prepaid", reportsItem<TextListingWindow>(MenuAction::PrePaidCatalogListing)},
            {"workers", reportsItem<TextListingWindow>(MenuAction::VolunteerWorkersListing)},
            {"emails-sent", reportsItem<TextListingWindow>(MenuAction::EmailConfirmationsListing)},
            {"email-addresses", reportsItem<TextListingWindow>(MenuAction::OwnersEmailListing)},
            {"email-string", reportsItem<TextListingWindow>(MenuAction::EmailAddressesListing)},
        };
        return ends;
    }

    // The command line's options of a job as its print job takes them.
    static PrintOptions optionsOf(const PrintJob& job)
    {
        std::map<std::string, std::string> options;
        const QStringList line = frontEnds().at(job.name).commandLine;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const std::string option = line[i].toStdString();
            const bool flag = std::ranges::find(job.flags, option) != job.flags.end();
            options[option] = flag ? std::string() : line.value(++i).toStdString();
        }
        return PrintOptions(options);
    }

    // A job of the show from the main window's Reports menu.
    template <typename Window>
    static FrontEnds reportsItem(MenuAction item, const QStringList& options = {})
    {
        return {[item](PrintJobsTest& t, const QString& pdf) { t.fromMainMenu<Window>(item, pdf); },
                options + QStringList{"--show", "1"}};
    }

    static QStringList pages(const QString& pdf)
    {
        return pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        fixture->data().OpenClasses();
        fixture->data().OpenCatGroups();
        makeCatalogShow(fixture->data(), 30);
        addPeople();
    }

    void cleanup() { fixture.reset(); }

    void theWindowAndTheCommandLineGiveTheSamePages()
    {
        std::map<std::string, QString> windowPdfs;
        for (const PrintJob& job : PrintJobs::all()) {
            const auto found = frontEnds().find(job.name);
            QVERIFY2(found != frontEnds().end(), job.name.c_str());
            const QString pdf = file(QString::fromStdString(job.name) + "-window.pdf");
            found->second.window(*this, pdf);
            QVERIFY2(QFileInfo::exists(pdf), job.name.c_str());
            windowPdfs[job.name] = pdf;
        }
        fixture->stop(); // the command line opens the tables itself

        for (const auto& [name, windowPdf] : windowPdfs) {
            const QString pdf = file(QString::fromStdString(name) + "-cli.pdf");
            const CliRun cli = runCli(
                QStringList{"--data-dir", fixture->root(), "print", QString::fromStdString(name)} +
                frontEnds().at(name).commandLine + QStringList{"--pdf", pdf});
            QVERIFY2(cli.exitCode == 0, qPrintable(cli.err));
            const QStringList fromWindow = pages(windowPdf);
            const QStringList fromCommandLine = pages(pdf);
            QVERIFY2(!fromWindow.isEmpty(), name.c_str());
            QVERIFY2(fromCommandLine.size() == fromWindow.size(), name.c_str());
            for (qsizetype page = 0; page < fromWindow.size(); ++page)
                QVERIFY2(fromCommandLine.at(page) == fromWindow.at(page),
                         qPrintable(QStringLiteral("%1, page %2\ncommand line:\n%3\nwindow:\n%4")
                                        .arg(QString::fromStdString(name))
                                        .arg(page + 1)
                                        .arg(fromCommandLine.at(page), fromWindow.at(page))));
        }
    }

    // A printer is a paged device like the PDF writer: printed on one, every
    // printout gives the pages of its PDF.
    void aPrinterGetsThePagesOfThePdf()
    {
        for (const PrintJob& job : PrintJobs::all()) {
            auto make = job.prepare(optionsOf(job));
            QVERIFY2(make, qPrintable(make.message()));
            auto printout = (*make)(fixture->data());
            QVERIFY2(printout, qPrintable(printout.message()));
            const QString pdf = file(QString::fromStdString(job.name) + ".pdf");
            QVERIFY(printout.value()->write(PrintFormat::Pdf, pdf));

            const QString printed = file(QString::fromStdString(job.name) + "-printer.pdf");
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setResolution(Printable::resolution);
            const PrintOutcome outcome = printout.value()->print(printer);
            QVERIFY2(outcome.finished(), job.name.c_str());
            QVERIFY2(pages(printed) == pages(pdf), job.name.c_str());
        }
    }

    void aPrinterPrintsOnlyThePagesChosen()
    {
        ReportPages laidOut;
        laidOut.title = "Pages";
        laidOut.paperSize = QSizeF(215.9, 279.4);
        for (int n = 1; n <= 4; ++n) {
            ReportPage page;
            ReportPageItem item;
            item.rect = QRectF(10, 10, 100, 10);
            item.text = QStringLiteral("Body of page %1").arg(n);
            page.items.append(item);
            laidOut.pages.append(page);
        }
        const QString printed = file("range.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setFromTo(2, 3);
        QCOMPARE(ReportPrintout(laidOut).print(printer).pages, 2);
        const QStringList texts = pages(printed);
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts.at(0).contains("Body of page 2"));
        QVERIFY(texts.at(1).contains("Body of page 3"));
    }
};

QTEST_MAIN(PrintJobsTest)
#include "tst_printjobs.moc"
