#include "storage/Preferences.h"
#include "ui/SavedGeometryWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

class TestSavedGeometryWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(root_->isValid());
        preferences_ = std::make_unique<Preferences>(root_->path());
    }

    void savedWindowComesBackWhereItWas()
    {
        QWidget closing;
        closing.setGeometry(40, 30, 320, 240);
        QVERIFY(saveWindowGeometry(&closing, *preferences_, "TDogForm"));
        QCOMPARE(preferences_->windowGeometry("TDogForm"),
                 (WindowGeometrySettings{30, 40, 240, 320}));

        QWidget opening;
        restoreWindowGeometry(&opening, *preferences_, "TDogForm");
        QCOMPARE(opening.pos(), QPoint(40, 30));
        QCOMPARE(opening.size(), QSize(320, 240));
    }

    void windowNeverSavedIsCentred()
    {
        QWidget window;
        window.resize(200, 100);
        restoreWindowGeometry(&window, *preferences_, "TOwnerEditForm");
        QCOMPARE(window.size(), QSize(200, 100));
        QVERIFY(isCentred(window));
    }

    void mainWindowKeepsItsSizeButIsCentred()
    {
        QVERIFY(preferences_->setWindowGeometry("TMainForm", {30, 40, 240, 320}));
        QWidget window;
        restoreWindowGeometry(&window, *preferences_, "TMainForm", RestoredGeometry::SizeOnly);
        QCOMPARE(window.size(), QSize(320, 240));
        QVERIFY(isCentred(window));
    }

    void positionOffEveryScreenIsCentred()
    {
        QVERIFY(preferences_->setWindowGeometry("TFolderBrowseForm1", {-5000, 90000, 240, 320}));
        QWidget window;
        restoreWindowGeometry(&window, *preferences_, "TFolderBrowseForm1");
        QVERIFY(isCentred(window));
    }

    // A window that asks for more than the screen gets what fits, with room
    // left for its frame, and stays whole on the screen; one that fits is
    // centred at the size it asked for.
    void fittedWindowsStayOnTheScreen()
    {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        for (const QSize wanted :
             {QSize(300, 200), QSize(free.width() - 10, free.height() - 10), QSize(5000, 4000)}) {
            QWidget window;
            window.move(free.topLeft());
            fitOnScreen(&window, wanted);
            QVERIFY(window.width() <= wanted.width() && window.height() <= wanted.height());
            const QRect framed(window.pos(), window.size() + QSize(16, 40));
            QVERIFY2(free.contains(framed), qPrintable(QStringLiteral("%1x%2 at %3,%4")
                                                           .arg(window.width())
                                                           .arg(window.height())
                                                           .arg(window.x())
                                                           .arg(window.y())));
            if (wanted == QSize(300, 200)) {
                QCOMPARE(window.size(), wanted);
                QVERIFY(isCentred(window));
            }
        }
    }

private:
    static bool isCentred(const QWidget& window)
    {
        const QPoint offset = window.frameGeometry().center() -
                              QGuiApplication::primaryScreen()->availableGeometry().center();
        return offset.manhattanLength() <= 2;
    }

    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<Preferences> preferences_;
};

QTEST_MAIN(TestSavedGeometryWindow)
#include "tst_savedgeometrywindow.moc"
