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
