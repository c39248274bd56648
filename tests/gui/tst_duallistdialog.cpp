#include "entry/DualListDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// "Field List Manager" worked with the mouse: items clicked (with Ctrl for
// several), the move buttons pressed, an item dragged into place.
class DualListDialogTest : public QObject
{
    Q_OBJECT

private:
    static QStringList texts(const QListWidget* list)
    {
        QStringList items;
        for (int row = 0; row < list->count(); ++row)
            items << list->item(row)->text();
        return items;
    }
    static QStringList selected(const QListWidget* list)
    {
        QStringList items;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->isSelected())
                items << list->item(row)->text();
        }
        return items;
    }
    static QPoint centreOf(QListWidget* list, int row)
    {
        return list->visualItemRect(list->item(row)).center();
    }
    static void click(QListWidget* list, int row, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, centreOf(list, row));
    }
    static void drag(QListWidget* list, int from, QPoint to)
    {
        const QPoint start = centreOf(list, from);
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, start);
        // In steps, as a hand moves the mouse.
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(list->viewport(), start + (to - start) * step / 4);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, to);
    }
    // Which list has the focus: "displayed", "hidden" or "".
    static QString focused(const TDualListDlg& dialog)
    {
        if (dialog.displayedList()->hasFocus())
            return QStringLiteral("displayed");
        return dialog.hiddenList()->hasFocus() ? QStringLiteral("hidden") : QString();
    }
    std::unique_ptr<TDualListDlg> shown(const QStringList& displayed, const QStringList& hidden)
    {
        auto dialog = std::make_unique<TDualListDlg>();
        dialog->setChoice(FieldListChoice(displayed, hidden));
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("the dialog did not become active");
        return dialog;
    }

private slots:
    void theTextsAreTheSystemsOwn()
    {
        TDualListDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Field List Manager"));
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains("Select the Fields and Order to Show in the Grid "));
        QVERIFY(labels.contains("Displayed Fields"));
        QVERIFY(labels.contains("Hidden Fields"));
        QCOMPARE(dialog.includeButton()->text(), QStringLiteral(">"));
        QCOMPARE(dialog.includeAllButton()->text(), QStringLiteral(">>"));
        QCOMPARE(dialog.excludeButton()->text(), QStringLiteral("<"));
        QCOMPARE(dialog.excludeAllButton()->text(), QStringLiteral("<<"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("OK"));
    }

    void theButtonsEnableAsTheListsAllowWhenShown_data()
    {
        QTest::addColumn<QStringList>("displayed");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<bool>("hideEnabled");
        QTest::addColumn<bool>("showEnabled");
        QTest::newRow("every field displayed")
            << QStringList{"reg", "dog"} << QStringList{} << true << false;
        QTest::newRow("both lists hold fields")
            << QStringList{"reg"} << QStringList{"dog"} << true << true;
        QTest::newRow("nothing displayed") << QStringList{} << QStringList{"reg"} << false << true;
    }
    void theButtonsEnableAsTheListsAllowWhenShown()
    {
        QFETCH(QStringList, displayed);
        QFETCH(QStringList, hidden);
        QFETCH(bool, hideEnabled);
        QFETCH(bool, showEnabled);
        const auto dialog = shown(displayed, hidden);
        QCOMPARE(dialog->includeButton()->isEnabled(), hideEnabled);
        QCOMPARE(dialog->includeAllButton()->isEnabled(), hideEnabled);
        QCOMPARE(dialog->excludeButton()->isEnabled(), showEnabled);
        QCOMPARE(dialog->excludeAllButton()->isEnabled(), showEnabled);
    }

    void clickedItemsMoveAndTheButtonsFollow()
    {
        const auto dialog = shown({"reg", "dog", "breed", "arm"}, {});
        QListWidget* left = dialog->displayedList();
        QListWidget* right = dialog->hiddenList();

        click(left, 1);
        click(left, 3, Qt::ControlModifier);
        QCOMPARE(selected(left), (QStringList{"dog", "arm"}));
        QTest::mouseClick(dialog->includeButton(), Qt::LeftButton);
        QCOMPARE(texts(left), (QStringList{"reg", "breed"}));
        QCOMPARE(texts(right), (QStringList{"arm", "dog"})); // taken from the bottom up
        QCOMPARE(selected(left), QStringList{"breed"});      // where the first selection was
        QCOMPARE(focused(*dialog), QStringLiteral("displayed"));
        QVERIFY(dialog->excludeButton()->isEnabled());
        QVERIFY(dialog->excludeAllButton()->isEnabled());

        click(right, 1);
        QTest::mouseClick(dialog->excludeButton(), Qt::LeftButton);
        QCOMPARE(texts(left), (QStringList{"reg", "breed", "dog"}));
        QCOMPARE(texts(right), QStringList{"arm"});
        QCOMPARE(selected(right), QStringList{"arm"}); // past the end: the last item
        QCOMPARE(focused(*dialog), QStringLiteral("hidden"));

        QTest::mouseClick(dialog->includeAllButton(), Qt::LeftButton);
        QVERIFY(texts(left).isEmpty());
        QCOMPARE(texts(right), (QStringList{"arm", "reg", "breed", "dog"}));
        QVERIFY(!dialog->includeButton()->isEnabled());
        QVERIFY(!dialog->includeAllButton()->isEnabled());
        QCOMPARE(focused(*dialog), QStringLiteral("displayed"));

        QTest::mouseClick(dialog->excludeAllButton(), Qt::LeftButton);
        QCOMPARE(texts(left), (QStringList{"arm", "reg", "breed", "dog"}));
        QVERIFY(texts(right).isEmpty());
        QVERIFY(!dialog->excludeButton()->isEnabled());
        QVERIFY(!dialog->excludeAllButton()->isEnabled());
        QVERIFY(dialog->includeButton()->isEnabled());
    }

    void aDraggedFieldTakesThePlaceItIsDroppedOn()
    {
        const auto dialog = shown({"reg", "dog", "breed", "arm"}, {"notes"});
        QListWidget* left = dialog->displayedList();

        drag(left, 0, centreOf(left, 2));
        QCOMPARE(texts(left), (QStringList{"dog", "breed", "reg", "arm"}));
        QCOMPARE(selected(left), QStringList{"reg"});

        // Below the last item: to the end.
        const QRect last = left->visualItemRect(left->item(3));
        QVERIFY2(last.bottom() + 20 < left->viewport()->height(), "room below the last item");
        drag(left, 1, QPoint(last.center().x(), last.bottom() + 20));
        QCOMPARE(texts(left), (QStringList{"dog", "reg", "arm", "breed"}));
        QCOMPARE(selected(left), QStringList{"breed"});
        QCOMPARE(dialog->choice().displayed(), texts(left));

        // A click without moving is no drag.
        click(left, 0);
        QCOMPARE(texts(left), (QStringList{"dog", "reg", "arm", "breed"}));
        QCOMPARE(selected(left), QStringList{"dog"});
    }

    void runGivesTheDisplayedFieldsWhenOkIsPressed()
    {
        TDualListDlg dialog;
        QTimer::singleShot(0, &dialog, [&dialog] {
            click(dialog.displayedList(), 0);
            QTest::mouseClick(dialog.includeButton(), Qt::LeftButton);
            click(dialog.hiddenList(), 0);
            QTest::mouseClick(dialog.excludeButton(), Qt::LeftButton);
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        });
        const QStringList chosen = dialog.run(FieldListChoice({"reg", "dog"}, {"notes"}));
        QCOMPARE(chosen, (QStringList{"dog", "notes"}));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(DualListDialogTest)
#include "tst_duallistdialog.moc"
