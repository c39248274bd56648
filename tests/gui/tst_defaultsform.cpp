#include "storage/DefaultsForm.h"
#include "storage/IniFile.h"
#include "storage/Preferences.h"
#include "storage/SessionSettings.h"

#include "ScriptedMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{

QAbstractButton* button(const QWidget* form, const QString& text)
{
    for (QAbstractButton* candidate : form->findChildren<QAbstractButton*>()) {
        if (candidate->text() == text)
            return candidate;
    }
    qFatal("no button \"%s\"", qPrintable(text));
}

QLineEdit* edit(const QWidget* form, const char* name)
{
    auto* found = form->findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no edit %s", name);
    return found;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kSlipDefault =
    QStringLiteral("Any Errors?  Please CONTACT the Show Secretary as soon as possible.");

} // namespace

class TestDefaultsForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(root_->isValid());
        preferences_ = std::make_unique<Preferences>(root_->path());
        session_ = SessionSettings{};
        messages_ = ScriptedMessages();
    }

    void freshRootShowsTheDefaults()
    {
        TDefaultsForm form(*preferences_, session_, messages_);
        QCOMPARE(form.windowTitle(), QStringLiteral("NUR Trial - Default Settings"));
        for (const char* name :
             {"clubName", "secretaryName", "email", "address", "city", "state", "zip"})
            QCOMPARE(edit(&form, name)->text(), QStringLiteral("Unknown"));
        QCOMPARE(edit(&form, "armbandStart")->text(), QStringLiteral("101"));
        QCOMPARE(edit(&form, "slipComment")->text(), kSlipDefault);
        for (const char* check : {"Enter same as Tab", "PageDown Key same as Save", "Auto Caps"})
            QVERIFY(button(&form, check)->isChecked());
        QVERIFY(button(&form, "Automatic - By Index After all Entries are inputted")->isChecked());
        QVERIFY(button(&form, "3 digits  (104)")->isChecked());
        QVERIFY(!button(&form, "Apply")->isEnabled());
    }

    void storedValuesSelectTheirChoices()
    {
        QVERIFY(preferences_->writeMany(
            {PreferenceKeys::armbands.with("inputautomatic"), PreferenceKeys::digits.with("5"),
             PreferenceKeys::autoCaps.with("0"), PreferenceKeys::slipComment.with("See you!")}));
        TDefaultsForm form(*preferences_, session_, messages_);
        QVERIFY(button(&form, "Automatic - as Entries are inputted   ")->isChecked());
        QVERIFY(button(&form, "5 digits  (16004  = Jmp Ht + #)")->isChecked());
        QVERIFY(!button(&form, "Auto Caps")->isChecked());
        QCOMPARE(edit(&form, "slipComment")->text(), QStringLiteral("See you!"));
        QVERIFY(!button(&form, "Apply")->isEnabled());
    }

    void everyKindOfChangeEnablesApply_data()
    {
        QTest::addColumn<std::function<void(TDefaultsForm&)>>("change");
        QTest::newRow("edit") << std::function<void(TDefaultsForm&)>(
            [](TDefaultsForm& f) { QTest::keyClicks(edit(&f, "city"), "x"); });
        QTest::newRow("check box") << std::function<void(TDefaultsForm&)>(
            [](TDefaultsForm& f) { button(&f, "Auto Caps")->click(); });
        QTest::newRow("radio") << std::function<void(TDefaultsForm&)>(
            [](TDefaultsForm& f) { button(&f, "4 digits  (1004)")->click(); });
        QTest::newRow("chosen radio again") << std::function<void(TDefaultsForm&)>(
            [](TDefaultsForm& f) { button(&f, "3 digits  (104)")->click(); });
    }

    void everyKindOfChangeEnablesApply()
    {
        QFETCH(std::function<void(TDefaultsForm&)>, change);
        TDefaultsForm form(*preferences_, session_, messages_);
        change(form);
        QVERIFY(button(&form, "Apply")->isEnabled());
    }

    void cancelAfterEditingWritesNothing()
    {
        TDefaultsForm fresh(*preferences_, session_, messages_);
        QTest::keyClicks(edit(&fresh, "clubName"), " Club");
        button(&fresh, "Auto Caps")->click();
        button(&fresh, "Cancel ")->click();
        QCOMPARE(fresh.result(), int(QDialog::Rejected));
        QVERIFY(!QFile::exists(preferences_->filePath()));

        QVERIFY(preferences_->setLastShow("12"));
        const QByteArray before = fileBytes(preferences_->filePath());
        TDefaultsForm existing(*preferences_, session_, messages_);
        QTest::keyClicks(edit(&existing, "zip"), "44101");
        button(&existing, "Cancel ")->click();
        QCOMPARE(fileBytes(preferences_->filePath()), before);
    }

    void applyWritesEveryKeyAndRefreshesTheSession()
    {
        session_.keyboard = {false, false, false, false};
        session_.armbands = {ArmbandCreation::Manual, 5};
        TDefaultsForm form(*preferences_, session_, messages_);
        edit(&form, "clubName")->selectAll();
        QTest::keyClicks(edit(&form, "clubName"), "Hills Obedience Club");
        QLineEdit* phone = edit(&form, "phone");
        phone->home(false);
        QTest::keyClicks(phone, "5551234567");
        button(&form, "Manual - after all Entries are inputted")->click();
        button(&form, "4 digits  (1004)")->click();
        button(&form, "PageDown Key same as Save")->click();
        button(&form, "Apply")->click();

        QVERIFY(!button(&form, "Apply")->isEnabled());
        const IniFile ini(preferences_->filePath());
        const QList<QPair<const char*, const char*>> expected = {
            {"ClubInfo", "ClubName"},       {"SecretaryInfo", "Name"},
            {"SecretaryInfo", "Address"},   {"SecretaryInfo", "City"},
            {"SecretaryInfo", "State"},     {"SecretaryInfo", "Zip"},
            {"SecretaryInfo", "Phone"},     {"SecretaryInfo", "Email"},
            {"Preferences", "Line1"},       {"Preferences", "EnterAsTab"},
            {"Preferences", "PgdnAsSave"},  {"Preferences", "AutoCaps"},
            {"Preferences", "Armbands"},    {"Preferences", "Digits"},
            {"Preferences", "ArmbandStart"}};
        for (const auto& [section, key] : expected)
            QVERIFY2(ini.read(section, key).has_value(), key);
        QCOMPARE(preferences_->clubName(), QStringLiteral("Hills Obedience Club"));
        QCOMPARE(preferences_->secretary().phone, QStringLiteral("555-123-4567"));
        QCOMPARE(preferences_->secretary().city, QStringLiteral("Unknown"));
        QCOMPARE(preferences_->slipCommentLine(), kSlipDefault);
        QCOMPARE(ini.read("Preferences", "Armbands"), QStringLiteral("Manual"));
        QCOMPARE(ini.read("Preferences", "PgdnAsSave"), QStringLiteral("0"));
        QCOMPARE(ini.read("Preferences", "Digits"), QStringLiteral("4"));

        QVERIFY(session_.keyboard.mainEnterAsTab);
        QVERIFY(session_.keyboard.enterAsTab);
        QVERIFY(!session_.keyboard.pgdnAsSave);
        QVERIFY(session_.keyboard.autoCaps);
        QCOMPARE(session_.armbands.creation, ArmbandCreation::Manual);
        QCOMPARE(session_.armbands.digits, 4);
    }

    void untouchedPhoneKeepsItsStoredText()
    {
        TDefaultsForm form(*preferences_, session_, messages_);
        QTest::keyClicks(edit(&form, "state"), "OH");
        button(&form, "Apply")->click();
        QCOMPARE(preferences_->secretary().phone, QStringLiteral("Unknown"));
    }

    void okayWritesOnlyPendingChanges()
    {
        TDefaultsForm unchanged(*preferences_, session_, messages_);
        button(&unchanged, "Okay ")->click();
        QCOMPARE(unchanged.result(), int(QDialog::Accepted));
        QVERIFY(!QFile::exists(preferences_->filePath()));

        TDefaultsForm edited(*preferences_, session_, messages_);
        edit(&edited, "armbandStart")->selectAll();
        QTest::keyClicks(edit(&edited, "armbandStart"), "201");
        button(&edited, "Okay ")->click();
        QCOMPARE(edited.result(), int(QDialog::Accepted));
        QCOMPARE(preferences_->armbandStart(), QStringLiteral("201"));
    }

    void resetDefaultRestoresTheCommentAndEnablesApply()
    {
        QVERIFY(preferences_->writeMany({PreferenceKeys::slipComment.with("Old comment")}));
        TDefaultsForm form(*preferences_, session_, messages_);
        button(&form, "Reset Default")->click();
        QCOMPARE(edit(&form, "slipComment")->text(), kSlipDefault);
        QVERIFY(button(&form, "Apply")->isEnabled());
    }

    void resetDefaultEnablesApplyEvenWhenTheTextIsUnchanged()
    {
        TDefaultsForm form(*preferences_, session_, messages_);
        button(&form, "Reset Default")->click();
        QVERIFY(button(&form, "Apply")->isEnabled());
    }

    void commentLineHoldsAtMost105Characters()
    {
        TDefaultsForm form(*preferences_, session_, messages_);
        QLineEdit* comment = edit(&form, "slipComment");
        comment->selectAll();
        QTest::keyClicks(comment, QString(120, u'x'));
        QCOMPARE(comment->text().size(), 105);
    }

    void helpSaysStillWorkingOn()
    {
        TDefaultsForm form(*preferences_, session_, messages_);
        button(&form, "Help ")->click();
        QCOMPARE(messages_.texts, QStringList{"Still working on"});
    }

    void failedWriteIsReportedAndTheWindowStaysOpen()
    {
        Preferences unwritable(root_->filePath("no-such-folder"));
        TDefaultsForm form(unwritable, session_, messages_);
        QTest::keyClicks(edit(&form, "clubName"), "x");
        button(&form, "Okay ")->click();
        QCOMPARE(messages_.requests.size(), 1);
        QCOMPARE(messages_.requests.last().kind, MessageKind::Error);
        QVERIFY2(messages_.texts.last().contains("gendefs.ini"),
                 qPrintable(messages_.texts.last()));
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(button(&form, "Apply")->isEnabled());
    }

private:
    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<Preferences> preferences_;
    SessionSettings session_;
    ScriptedMessages messages_;
};

QTEST_MAIN(TestDefaultsForm)
#include "tst_defaultsform.moc"
