#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ringvale"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ringvale 2.6"));
    window.resize(1000, 700);
    window.show();
    return QApplication::exec();
}
