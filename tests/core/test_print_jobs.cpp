#include "CatalogShow.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include "CliRun.h"
#include "print/PrintJobs.h"

#include "dbf/Table.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{

class PrintJobsTest : public ::testing::Test
{
protected:
    PrintJobsTest()
    {
        Tdmod& data = fixture.data();
        makeCatalogShow(data, 20);
        data.OpenOwners();
        data.OpenJudges();
        for (dbf::Table* people : {data.Owners(), data.Judges()}) {
            people->append();
            people->setText("first", "Ann");
            people->setText("last", "Lee");
            people->setText(people == data.Owners() ? "owner_id" : "judgenum", "00001");
            people->post();
        }
    }

    QString path(const std::string& name) const
    {
        return QString::fromStdString((fixture.dir / name).string());
    }

    Result<PrintJob::Printout> make(const PrintJob& job, const PrintOptions& options = {})
    {
        const Result<PrintJob::Make> prepared = job.prepare(options);
        if (!prepared)
            return Result<PrintJob::Printout>::failure(prepared.message());
        return (*prepared)(fixture.data());
    }

    DataRootFixture fixture;
};

// The options a job cannot do without: the show, the section and the trial.
PrintOptions optionsFor(const PrintJob& job)
{
    std::map<std::string, std::string> options;
    if (std::ranges::count(job.options, "--show"))
        options["--show"] = "1";
    if (std::ranges::count(job.options, "--section"))
        options["--section"] = "rally";
    if (std::ranges::count(job.options, "--trial"))
        options["--trial"] = "1";
    if (job.name == "exhibitor-index")
        options["--format"] = "preview";
    return PrintOptions(options);
}

// Each job offers the files its printout writes, and writes every one of
// them: a PDF titled with the printout's title, rich or plain text.
TEST_F(PrintJobsTest, EveryJobWritesEachFormatItOffers)
{
    for (const PrintJob& job : PrintJobs::all()) {
        SCOPED_TRACE(job.name);
        Result<PrintJob::Printout> printout = make(job, optionsFor(job));
        ASSERT_TRUE(printout) << printout.message().toStdString();
        EXPECT_EQ(printout.value()->formats(), job.formats);
        EXPECT_EQ(job.formats.front(), PrintFormat::Pdf);
        for (const PrintFormat format : job.formats) {
            const QString file =
                path(job.name + "." + PrintFormats::extension(format).toStdString());
            const Done written = printout.value()->write(format, file);
            ASSERT_TRUE(written) << written.message().toStdString();
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::ReadOnly));
            const QByteArray head = out.read(5);
            if (format == PrintFormat::Pdf)
                EXPECT_EQ(head, "%PDF-");
            else if (format == PrintFormat::Rtf)
                EXPECT_EQ(head, "{\\rtf");
        }
        const CliRun info = runProgram("pdfinfo", {path(job.name + ".pdf")});
        EXPECT_TRUE(info.out.contains(QRegularExpression(
            "Title:\\s+" + QRegularExpression::escape(printout.value()->title()) + "\n")))
            << info.out.toStdString();
        EXPECT_TRUE(info.out.contains(QRegularExpression("Creator:\\s+Ringvale\n")));
        // A format it does not offer is refused, naming the format.
        for (const PrintFormat format : {PrintFormat::Rtf, PrintFormat::Text}) {
            if (job.formats.contains(format))
                continue;
            const Done refused = printout.value()->write(format, path(job.name + ".other"));
            EXPECT_FALSE(refused);
            EXPECT_TRUE(refused.message().contains(PrintFormats::extension(format)));
        }
    }
}

TEST_F(PrintJobsTest, ABadOptionIsRefusedBeforeAnyTableIsRead)
{
    const struct {
        const char* job;
        std::map<std::string, std::string> options;
        const char* says;
    } cases[] = {
        {"owners-list",
         {{"--order", "shoe"}},
         "print owners-list: unknown order shoe (name, zip, emailsrt, ownerid or input)"},
        {"owners-list", {{"--order", ""}}, "print owners-list: unknown order "},
        {"owners-labels",
         {{"--mode", "email"}},
         "print owners-labels: unknown mode email (all or snail-mail)"},
        {"owners-labels",
         {{"--start-row", "11"}},
         "--start-row: 11 is not a whole number from 1 to 10"},
        {"owners-labels",
         {{"--start-col", "+1"}},
         "--start-col: +1 is not a whole number from 1 to 3"},
        {"judges-list",
         {{"--order", "zip"}},
         "print judges-list: unknown order zip (name, state, judgnum)"},
        {"judges-labels",
         {{"--order", "judgnum"}},
         "print judges-labels: unknown order judgnum (name, state)"},
        {"judges-labels",
         {{"--judges", "1,2x"}},
         "--judges: 2x is not a whole number from 1 to 99999"},
        {"judges-labels",
         {{"--start-col", "2.5"}},
         "--start-col: 2.5 is not a whole number from 1 to 3"},
        {"classes",
         {{"--order", "zip"}},
         "print classes: unknown order zip (srtkey, section, dbkey or name)"},
        {"gate-sheets", {{"--section", "rally"}}, "print gate-sheets: --show N is required"},
        {"gate-sheets",
         {{"--show", "1"}, {"--section", "agility"}},
         "print gate-sheets: --section obedience or --section rally is required"},
        {"schedule-lists",
         {{"--show", "0"}, {"--section", "rally"}},
         "--show: 0 is not a whole number from 1 to 99999"},
        {"rally-score-boxes", {{"--show", "1"}}, "print rally-score-boxes: --trial T is required"},
        {"judges-book",
         {{"--show", "1"}, {"--trial", "5"}},
         "--trial: 5 is not a whole number from 1 to 4"},
        {"judges-book",
         {{"--show", "1"}, {"--trial", "1"}, {"--classes", "RRNA,ORNA"}},
         "--classes: ORNA is no rally class key"},
        {"catalog-booklet",
         {{"--section", "rally"}},
         "print catalog-booklet: --show N is required"},
        {"catalog-fullpage",
         {{"--show", "0"}, {"--section", "rally"}},
         "--show: 0 is not a whole number from 1 to 99999"},
        {"catalog-preview",
         {{"--show", "1"}, {"--section", "agility"}},
         "print catalog-preview: --section obedience|rally is required"},
        {"catalog-booklet",
         {{"--show", "1"}, {"--section", "rally"}, {"--classes", "RRNA,ORNA"}},
         "print catalog-booklet: ORNA is no class key of the rally catalog"},
        {"exhibitor-index",
         {{"--show", "1"}, {"--format", "poster"}},
         "print exhibitor-index: unknown format poster (booklet, fullpage or preview)"},
        {"breeds-entered", {}, "print breeds-entered: --show N is required"},
        {"class-counts", {}, "print class-counts: --show N is required"},
        {"email-string", {{"--show", "0"}}, "--show: 0 is not a whole number from 1 to 99999"},
        {"verify-input",
         {{"--show", "1"}, {"--by", "name"}},
         "print verify-input: unknown order name (input or owner)"},
    };
    for (const auto& c : cases) {
        const PrintJob* job = PrintJobs::find(c.job);
        ASSERT_TRUE(job) << c.job;
        const Result<PrintJob::Make> prepared = job->prepare(PrintOptions(c.options));
        ASSERT_FALSE(prepared) << c.job << " " << c.says;
        EXPECT_TRUE(prepared.message().startsWith(c.says))
            << c.job << ": " << prepared.message().toStdString();
    }
    EXPECT_FALSE(PrintJobs::find("owners"));
}

TEST_F(PrintJobsTest, AShowWithoutAnEntryTableIsNamed)
{
    const Result<PrintJob::Printout> printout =
        make(*PrintJobs::find("fee-counts"),
             PrintOptions(std::map<std::string, std::string>{{"--show", "7"}}));
    ASSERT_FALSE(printout);
    EXPECT_EQ(printout.message(), "show 7 has no entry table");
}

TEST_F(PrintJobsTest, LabelsForAJudgeNumberNobodyHasAreNotMade)
{
    const Result<PrintJob::Printout> printout =
        make(*PrintJobs::find("judges-labels"),
             PrintOptions(std::map<std::string, std::string>{{"--judges", "1,42,7"}}));
    ASSERT_FALSE(printout);
    EXPECT_EQ(printout.message(), "print judges-labels: no judge numbered 00042, 00007");
}

} // namespace
