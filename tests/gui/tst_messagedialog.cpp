#include "ui/MessageDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace
{

void whenModalOpens(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

} // namespace

class TestMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    // The Find prompts ask a question and show it with the question icon.
    void inputBoxAsksWithTheQuestionIcon()
    {
        MessageDialog messages;
        whenModalOpens([](QWidget* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Find Record"));
            auto* icon = box->findChild<QLabel*>("questionIcon");
            QVERIFY(icon);
            QVERIFY(!icon->pixmap().isNull());
            bool prompted = false;
            for (const QLabel* label : box->findChildren<QLabel*>())
                prompted = prompted || label->text() == "Enter Last Name to find: ";
            QVERIFY(prompted);
            auto* answer = box->findChild<QLineEdit*>();
            QCOMPARE(answer->text(), QStringLiteral("SMI"));
            answer->setText("Jones");
            box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(messages.input("Find Record", "Enter Last Name to find: ", "SMI"),
                 std::optional<QString>("Jones"));

        whenModalOpens([](QWidget* box) {
            box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(messages.input("Find Record", "Enter Breed to find: ", {}), std::nullopt);
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
