#include "print/LabelLayout.h"
#include "print/LabelRun.h"
#include "print/RecordList.h"
#include "ui/LabelSheetWindow.h"

#include "PdfText.h"
#include "ScriptedMessages.h"

#include <QAbstractButton>
#include <QLabel>
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
    ScriptedMessages messages;

private slots:
    void init() { messages = ScriptedMessages(); }

    void showsTheCountsAndTheStartGrid()
    {
        LabelSheetWindow window(messages, "Owner Mailing Labels", LabelStock::avery5160(),
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
        LabelSheetWindow window(messages, "Labels", LabelStock::avery5160(),
                                LabelSheetTexts::forLabels(60, 30));
        window.show();
        for (const QString& text : labelTexts(window))
            QVERIFY(!text.startsWith("The last sheet"));
    }

    void startButtonChoosesRowAndColumnAndResetsOnOpening()
    {
        LabelSheetWindow window(messages, "Labels", LabelStock::avery5160(),
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

    void saveAsPdfWritesTheCallersRunFromTheChosenLabel()
    {
        QTemporaryDir dir;
        LabelSheetWindow window(messages, "Labels", LabelStock::avery5163(),
                                LabelSheetTexts::forLabels(1, 10));
        window.show();
        QTest::mouseClick(window.startButton(4), Qt::LeftButton);
        LabelLayout layout;
        layout.add(LabelItem::field(15, 16, "name", labelFont(9)));
        auto records = std::make_shared<RecordList>(QStringList{"name"});
        records->append({"Rex"});
        LabelPosition used;
        window.setLabels([&](LabelPosition start) {
            used = start;
            LabelRun run(LabelStock::avery5163(), layout, records);
            run.setStart(start);
            return run;
        });
        window.setDoneMessage("All Done!");
        messages.answerText(dir.filePath("labels.pdf"));
        QTest::mouseClick(button(window, "Save as PDF"), Qt::LeftButton);
        QCOMPARE(used, (LabelPosition{2, 2}));
        QCOMPARE(messages.texts, (QStringList{"Save as PDF", "All Done!"}));
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());

        const PdfWords words = pdfWords(dir.filePath("labels.pdf"));
        const PdfWord* rex = words.find("Rex");
        QVERIFY(rex);
        // Row 2, column 2 of the 5163 sheet: 110.3 mm across, 63.5 mm down.
        QVERIFY(std::abs(rex->xMin - (110.3 * 72 / 25.4 + 15 * 0.75)) < 1.5);
    }

    void aFileThatCannotBeWrittenIsToldAndTheWindowStays()
    {
        QTemporaryDir dir;
        LabelSheetWindow window(messages, "Labels", LabelStock::avery5160(),
                                LabelSheetTexts::forLabels(1, 30));
        window.show();
        LabelLayout layout;
        window.setLabels([&](LabelPosition) {
            return LabelRun(LabelStock::avery5160(), layout,
                            std::make_shared<RecordList>(QStringList{"name"}));
        });
        window.setDoneMessage("All Done!");
        messages.answerText(dir.filePath("missing/labels.pdf"));
        window.saveAsPdf();
        QCOMPARE(messages.texts.size(), 2);
        QVERIFY2(messages.texts.last().contains("missing"), qPrintable(messages.texts.last()));
        QCOMPARE(messages.requests.last().kind, MessageKind::Error);
        QVERIFY(window.isVisible());
    }

    void cancelClosesWithoutPrinting()
    {
        LabelSheetWindow window(messages, "Labels", LabelStock::avery5160(),
                                LabelSheetTexts::forLabels(0, 30));
        bool asked = false;
        LabelLayout layout;
        window.setLabels([&](LabelPosition) {
            asked = true;
            return LabelRun(LabelStock::avery5160(), layout,
                            std::make_shared<RecordList>(QStringList{"name"}));
        });
        window.show();
        QTest::mouseClick(button(window, "Cancel "), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!asked);
    }
};

QTEST_MAIN(LabelSheetWindowTest)
#include "tst_labelsheetwindow.moc"
