#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>

// The invented names and places of the sample show, drawn from a seeded
// generator so that the same seed gives the same people and dogs. The
// numbers are taken modulo the list sizes (the standard distributions may
// differ between libraries; this does not).
class SampleNames
{
public:
    explicit SampleNames(std::uint32_t seed) : random_(seed) {}

    int below(int n) { return int(random_() % std::uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

    QString firstName();
    QString lastName();
    QString kennelName();
    QString dogName();
    QString callName();
    QString street();
    QString city();
    QString state();
    QString zip();
    QString phone();
    QString note();

private:
    QString pick(const QStringList& list) { return list.at(below(int(list.size()))); }

    std::mt19937 random_;
};
