#include "DataRootFixture.h"

#include "setup/ShowDatesForm2.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace
{

QPushButton* button(const QWidget* form, const QString& text)
{
    for (QPushButton* candidate : form->findChildren<QPushButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    qFatal("no button \"%s\"", qPrintable(text));
}

template <typename T> T* child(const QWidget* form, const QString& name)
{
    auto* found = form->findChild<T*>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

const QString kSpecify = QStringLiteral("&Specify Classes for this Show");

} // namespace

class TestShowDatesForm : public QObject
{
    Q_OBJECT

private slots:
    void init() { fixture_ = std::make_unique<DataRootFixture>(); }
    void cleanup() { fixture_.reset(); }

    void newShowModeEnablesStepByStep()
    {
        fixture_->addShowDates(1, QDate(2006, 9, 1), 1);
        TShowDatesForm2 form(fixture_->data(), true);
        form.show();
        QVERIFY(form.ready());
        QCOMPARE(form.windowTitle(), QStringLiteral("Show Dates And Classes Offered"));
        QCOMPARE(child<QLineEdit>(&form, "showNumber")->text(), QStringLiteral("    2"));

        // Before a date: only Cancel, Close and a disabled Specify.
        QVERIFY(button(&form, kSpecify)->isVisible());
        QVERIFY(!button(&form, kSpecify)->isEnabled());
        for (const char* hidden : {"&Edit", "&Save", "&Find"})
            QVERIFY2(!button(&form, hidden)->isVisible(), hidden);
        QVERIFY(button(&form, "&Cancel")->isEnabled());
        QVERIFY(!child<QWidget>(&form, "navigator")->isVisible());
        QVERIFY(!child<QTabWidget>(&form, "trialTabs")->isVisible());

        QTest::keyClicks(child<QLineEdit>(&form, "firstDate"), "10132006");
        QVERIFY(button(&form, kSpecify)->isEnabled());
        child<QSpinBox>(&form, "trials")->setValue(3);

        // Specify shows the trials' tabs with their dates.
        QTest::mouseClick(button(&form, kSpecify), Qt::LeftButton);
        auto* tabs = child<QTabWidget>(&form, "trialTabs");
        QVERIFY(tabs->isVisible());
        QVERIFY(!button(&form, kSpecify)->isVisible());
        for (int t = 0; t < 4; ++t)
            QCOMPARE(tabs->isTabVisible(t), t < 3);
        QCOMPARE(tabs->tabText(2), QStringLiteral("Trial 3 / Day 3"));
        QCOMPARE(child<QLineEdit>(&form, "trialDate3")->text(), QStringLiteral("10/15/2006"));
        QVERIFY(child<QWidget>(&form, "navigator")->isVisible());
        QVERIFY(!child<QWidget>(&form, "navigator")->isEnabled());
        QVERIFY(button(&form, "&Save")->isEnabled());
        QVERIFY(button(&form, "&Edit")->isVisible());
        QVERIFY(!button(&form, "&Edit")->isEnabled());
        QCOMPARE(child<QCheckBox>(&form, "classBox2_19")->text(),
                 QStringLiteral("T Challenge Team"));
    }

    // Specify makes the window several times taller: it grows round its
    // centre and stays whole on the screen, its frame included.
    void specifyingClassesKeepsTheWindowOnTheScreen()
    {
        TShowDatesForm2 form(fixture_->data(), true);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect free = form.screen()->availableGeometry();
        const int before = form.height();
        // A show being made has no record number yet.
        QVERIFY(!child<QLabel>(&form, "recordStatus")->isVisible());
        QCOMPARE(child<QLabel>(&form, "indexStatus")->text(),
                 QStringLiteral("Current Index = Show Number"));

        QTest::keyClicks(child<QLineEdit>(&form, "firstDate"), "10132006");
        child<QSpinBox>(&form, "trials")->setValue(4);
        QTest::mouseClick(button(&form, kSpecify), Qt::LeftButton);
        QVERIFY(form.height() > 2 * before);
        const QRect framed(form.pos(), form.size() + QSize(16, 40));
        QVERIFY2(free.contains(framed), qPrintable(QStringLiteral("%1x%2 at %3,%4 on %5x%6")
                                                       .arg(form.width())
                                                       .arg(form.height())
                                                       .arg(form.x())
                                                       .arg(form.y())
                                                       .arg(free.width())
                                                       .arg(free.height())));
        QVERIFY(std::abs(framed.center().x() - free.center().x()) <= 10);
        // Every class box is there to be seen, not cut off at the bottom.
        QVERIFY(child<QCheckBox>(&form, "classBox1_13")->visibleRegion().boundingRect().height() >
                0);
    }

    void saveMessagesAndTheCreatedShow()
    {
        auto& messages = fixture_->messages;
        TShowDatesForm2 form(fixture_->data(), true);
        form.show();
        QTest::keyClicks(child<QLineEdit>(&form, "firstDate"), "10142006");
        QTest::mouseClick(button(&form, kSpecify), Qt::LeftButton);

        QTest::mouseClick(button(&form, "&Save"), Qt::LeftButton);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral("You haven't indicated any classes!  Please do so.")});
        QVERIFY(!form.showCreated());

        messages.texts.clear();
        child<QCheckBox>(&form, "classBox1_1")->click();
        QTest::mouseClick(button(&form, "&Save"), Qt::LeftButton);
        QCOMPARE(messages.texts,
                 QStringList{QStringLiteral(
                     "You will also have to specify;the Judging Assignments;under TASKS from "
                     "main menu;after you have added their name(s);to the Judge's Database")});
        QVERIFY(form.showCreated());
        QVERIFY(QFileInfo(fixture_->root() + "/shows/Show-00001-10-14-2006.dbf").isFile());
        QVERIFY(fixture_->data().showOpen());

        // The window now browses the shows.
        QVERIFY(child<QWidget>(&form, "navigator")->isEnabled());
        QVERIFY(button(&form, "&Edit")->isEnabled());
        QVERIFY(!button(&form, "&Save")->isEnabled());
        QCOMPARE(child<QLabel>(&form, "recordStatus")->text(),
                 QStringLiteral("Rec #     1 /     1"));
        QCOMPARE(child<QLabel>(&form, "indexStatus")->text(),
                 QStringLiteral("Current Index = Show Number"));
    }

    void editModeSavesChangedClassesWithItsNotice()
    {
        fixture_->addShowDates(1, QDate(2006, 10, 13), 2);
        auto& messages = fixture_->messages;
        TShowDatesForm2 form(fixture_->data(), false);
        form.show();
        QVERIFY(form.ready());
        QVERIFY(!button(&form, kSpecify)->isVisible());
        QVERIFY(button(&form, "&Edit")->isEnabled());
        QVERIFY(!button(&form, "&Save")->isEnabled());
        QVERIFY(child<QLineEdit>(&form, "firstDate")->isReadOnly());

        child<QCheckBox>(&form, "classBox2_14")->click();
        QVERIFY(button(&form, "&Save")->isEnabled());
        QTest::mouseClick(button(&form, "&Save"), Qt::LeftButton);
        QCOMPARE(messages.requests.size(), 1);
        QCOMPARE(messages.requests[0].caption, QStringLiteral("Classes Have Been Modified"));
        QVERIFY(fixture_->data().ShowDates()->logical("t2rr"));
        QVERIFY(!form.showCreated());
    }

    void closingAChangedShowAsksAndStaysWhenTheSaveIsRefused()
    {
        fixture_->addShowDates(1, QDate(2006, 10, 13), 1);
        auto& messages = fixture_->messages;
        TShowDatesForm2 form(fixture_->data(), false);
        form.show();
        QTest::keyClicks(child<QLineEdit>(&form, "obedienceEvent1"), "77");
        messages.answer(u'Y');
        QTest::mouseClick(button(&form, "Cl&ose"), Qt::LeftButton);
        QCOMPARE(
            messages.texts,
            (QStringList{QStringLiteral("Data has been changed - Save it?"),
                         QStringLiteral("You haven't indicated any classes!  Please do so.")}));
        QVERIFY(form.isVisible());

        messages.answer(u'N');
        QTest::mouseClick(button(&form, "Cl&ose"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void editModeWithoutShowsDoesNotOpen()
    {
        QVERIFY(!openShowDatesWindow(fixture_->data(), nullptr, false));
        QCOMPARE(fixture_->messages.texts,
                 QStringList{
                     QStringLiteral("You have not started any Show yet - ;Go to FILE/New Trial")});
    }

private:
    std::unique_ptr<DataRootFixture> fixture_;
};

QTEST_MAIN(TestShowDatesForm)
#include "tst_showdatesform.moc"
