#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    std::fputs("usage: ringvale-cli COMMAND ...\n", stderr);
    return 2;
}
