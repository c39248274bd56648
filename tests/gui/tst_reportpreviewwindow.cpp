#include "print/RecordList.h"
#include "reports/TrbReportForm.h"
#include "ui/ReportPreviewWindow.h"

#include "PdfText.h"
#include "ScriptedMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace
{

ReportPages pagesWithTexts(int count)
{
    ReportPages pages;
    pages.title = QStringLiteral("Class Counts");
    pages.paperSize = QSizeF(215.9, 279.4);
    for (int n = 1; n <= count; ++n) {
        ReportPage page;
        ReportPageItem item;
        item.rect = QRectF(10, 10, 100, 10);
        item.text = QStringLiteral("Page body %1").arg(n);
        page.items.append(item);
        pages.pages.append(page);
    }
    return pages;
}

// A report whose detail asks for a field its rows do not have: laying it out
// throws.
class BrokenReport : public ReportBuilder
{
public:
    Report build() override
    {
        auto rows = std::make_shared<RecordList>(QStringList{"name"});
        rows->append({"Rex"});
        ReportDefinition definition;
        definition.title = "Broken";
        definition.detail.height = 5;
        definition.detail.elements = {
            ReportElement::text(QRectF(0, 0, 40, 5), ReportValue::field("nosuchfield"))};
        return {definition, rows};
    }
};

} // namespace

class TestReportPreviewWindow : public QObject
{
    Q_OBJECT

private:
    ScriptedMessages messages;

    struct Controls {
        QPushButton* first;
        QPushButton* prior;
        QPushButton* next;
        QPushButton* last;
        QLabel* page;
    };
    static Controls controls(ReportPreviewWindow& window)
    {
        return {window.findChild<QPushButton*>("firstButton"),
                window.findChild<QPushButton*>("priorButton"),
                window.findChild<QPushButton*>("nextButton"),
                window.findChild<QPushButton*>("lastButton"),
                window.findChild<QLabel*>("pageLabel")};
    }
    static QString enabled(const Controls& c)
    {
        return QString("%1%2%3%4")
            .arg(c.first->isEnabled() ? 'F' : '-')
            .arg(c.prior->isEnabled() ? 'P' : '-')
            .arg(c.next->isEnabled() ? 'N' : '-')
            .arg(c.last->isEnabled() ? 'L' : '-');
    }

private slots:
    void init() { messages = ScriptedMessages(); }

    void navigationEnablesOnlyTheMovesThatGoSomewhere()
    {
        ReportPreviewWindow window(messages, pagesWithTexts(3));
        const Controls c = controls(window);
        QVERIFY(c.first && c.prior && c.next && c.last && c.page);

        QCOMPARE(c.page->text(), QString("Page 1 of 3"));
        QCOMPARE(enabled(c), QString("--NL"));

        QTest::mouseClick(c.next, Qt::LeftButton);
        QCOMPARE(window.currentPage(), 1);
        QCOMPARE(c.page->text(), QString("Page 2 of 3"));
        QCOMPARE(enabled(c), QString("FPNL"));

        QTest::mouseClick(c.last, Qt::LeftButton);
        QCOMPARE(c.page->text(), QString("Page 3 of 3"));
        QCOMPARE(enabled(c), QString("FP--"));

        QTest::mouseClick(c.prior, Qt::LeftButton);
        QCOMPARE(c.page->text(), QString("Page 2 of 3"));
        QTest::mouseClick(c.first, Qt::LeftButton);
        QCOMPARE(window.currentPage(), 0);
        QCOMPARE(enabled(c), QString("--NL"));
    }

    void aSinglePageOffersNoMoves()
    {
        ReportPreviewWindow window(messages, pagesWithTexts(1));
        const Controls c = controls(window);
        QCOMPARE(c.page->text(), QString("Page 1 of 1"));
        QCOMPARE(enabled(c), QString("----"));
    }

    void zoomDrawsThePageLarger()
    {
        ReportPreviewWindow window(messages, pagesWithTexts(2));
        auto* view = window.findChild<QScrollArea*>()->widget();
        auto* label = qobject_cast<QLabel*>(view);
        QVERIFY(label);
        const int widthAt100 = label->pixmap().width();
        // Letter paper is 8.5 inches wide: 816 dots at 96 per inch.
        QCOMPARE(widthAt100, 816);
        auto* zoom = window.findChild<QComboBox*>("zoomBox");
        zoom->setCurrentIndex(zoom->findData(200));
        QCOMPARE(window.zoomPercent(), 200);
        QCOMPARE(label->pixmap().width(), 2 * widthAt100);
    }

    void saveAsPdfAsksForTheFileAndWritesEveryPage()
    {
        QTemporaryDir dir;
        ReportPreviewWindow window(messages, pagesWithTexts(3));
        window.showPage(1);
        messages.answerText(dir.filePath("report.pdf"));
        QTest::mouseClick(window.findChild<QPushButton*>("pdfButton"), Qt::LeftButton);
        QCOMPARE(messages.texts, QStringList{"Save as PDF"});
        const QStringList pages =
            pdfText(dir.filePath("report.pdf")).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 3);
        for (int n = 1; n <= 3; ++n)
            QVERIFY(pages.at(n - 1).contains(QString("Page body %1").arg(n)));

        // A file that cannot be written is told, naming it.
        messages.answerText(dir.filePath("missing/report.pdf"));
        QVERIFY(!window.saveAsPdf());
        QCOMPARE(messages.requests.last().kind, MessageKind::Error);
        QVERIFY(messages.texts.last().contains("missing"));
    }

    void aReportThatCannotBeLaidOutIsToldAndNoPreviewOpens()
    {
        TrbReportForm report(std::make_unique<BrokenReport>(), messages);
        bool previewOpened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                previewOpened = true;
                modal->close();
            }
        });
        report.printToPreview();
        QVERIFY(!previewOpened);
        QCOMPARE(messages.requests.size(), 1);
        QCOMPARE(messages.requests.last().kind, MessageKind::Error);
        QVERIFY2(messages.texts.last().contains("nosuchfield"), qPrintable(messages.texts.last()));
    }

    void windowTitleNamesTheReport()
    {
        ReportPreviewWindow window(messages, pagesWithTexts(1));
        QCOMPARE(window.windowTitle(), QString("Class Counts"));
    }
};

QTEST_MAIN(TestReportPreviewWindow)
#include "tst_reportpreviewwindow.moc"
