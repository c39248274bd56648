#include "print/LabelLayout.h"
#include "print/LabelRecordList.h"
#include "print/LabelRun.h"
#include "ui/LabelSheetWindow.h"

#include "PdfText.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{

QStringList labelTexts(const QWidget& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->isHidden())
            texts << label->text();
    return texts;
}

QPushButton* button(QWidget& window, const QString& text)
{
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

class LabelSheetWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void showsTheCountsAndTheStartGrid()
    {
        LabelSheetWindow window("Owner Mailing Labels", LabelStock::avery5160(),
                                LabelSheetTexts::forLabels(31, 30));
        window.show();
        const QStringList texts = labelTexts(window);
        for (const char* text :
             {"You have  31  records to print", "You will need  2 sheets of labels",
              "The last sheet will use 1 label", "Insert the labels in your printer ",
              "Select the Label to start printing with", "Avery Labels #  5160",
              "3 - Across -- 30 labels per page"})
            QVERIFY2(texts.contains(text), text);
        QVERIFY(window.startButton(30));
        QVERIFY(!window.startButton(31));
        QVERIFY(window.startButton(1)->isChecked());
        QVERIFY(button(window, "Print "));
        QVERIFY(button(window, "Cancel "));
    }

    void noLastSheetLineForWholeSheets()
    {
        LabelSheetWindow window("Labels", LabelStock::avery5160(),
                                LabelSheetTexts::forLabels(60, 30));
        window.show();
        for (const QString& text : labelTexts(window))
            QVERIFY(!text.startsWith("The last sheet"));
    }

    void startButtonChoosesRowAndColumnAndResetsOnOpening()
    {
        LabelSheetWindow window("Labels", LabelStock::avery5160(),
                                LabelSheetTexts::forLabels(5, 30));
        window.show();
        QTest::mouseClick(window.startButton(5), Qt::LeftButton);
        QCOMPARE(window.startLabel(), 5);
        QCOMPARE(window.startPosition(), (LabelPosition{2, 2}));
        QVERIFY(!window.startButton(1)->isChecked());
        window.hide();
        window.show();
        QCOMPARE(window.startLabel(), 1);
    }

    void printGoesThroughTheCallersRunFromTheChosenLabel()
    {
        QTemporaryDir dir;
        LabelSheetWindow window("Labels", LabelStock::avery5163(),
                                LabelSheetTexts::forLabels(1, 10));
        window.show();
        QTest::mouseClick(window.startButton(4), Qt::LeftButton);
        LabelLayout layout;
        layout.add(LabelItem::field(15, 16, "name", labelFont(9)));
        LabelPosition used;
        int printed = 0;
        window.setPrintAction([&](QPagedPaintDevice& device, LabelPosition start) {
            used = start;
            LabelRecordList records({{{"name", "Rex"}}});
            LabelRun run(LabelStock::avery5163(), layout);
            run.setStart(start);
            printed = run.print(records, device).printed;
        });
        QVERIFY(window.printToPdf(dir.filePath("labels.pdf")));
        QCOMPARE(used, (LabelPosition{2, 2}));
        QCOMPARE(printed, 1);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());

        QVERIFY(pdfText(dir.filePath("labels.pdf")).contains("Rex"));
    }

    void cancelClosesWithoutPrinting()
    {
        LabelSheetWindow window("Labels", LabelStock::avery5160(),
                                LabelSheetTexts::forLabels(0, 30));
        bool printed = false;
        window.setPrintAction([&](QPagedPaintDevice&, LabelPosition) { printed = true; });
        window.show();
        QTest::mouseClick(button(window, "Cancel "), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!printed);
    }
};

QTEST_MAIN(LabelSheetWindowTest)
#include "tst_labelsheetwindow.moc"
