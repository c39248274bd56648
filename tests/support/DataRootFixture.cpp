#include "DataRootFixture.h"

DataRootFixture::DataRootFixture()
{
    DataRoot(root()).layOut();
    start();
}

Tdmod& DataRootFixture::start()
{
    data_.reset();
    data_ = std::make_unique<Tdmod>(root(), messages);
    return *data_;
}

void DataRootFixture::addShowDates(int number, const QDate& first, int trials)
{
    dbf::Table& dates = *data_->ShowDates();
    dates.append();
    dates.setNumber("show_num", number);
    dates.setNumber("num_trials", trials);
    const auto toDate = [](const QDate& d) {
        return dbf::Date{std::chrono::year(d.year()), std::chrono::month(d.month()),
                         std::chrono::day(d.day())};
    };
    dates.setDate("show_date", toDate(first));
    for (int t = 1; t <= trials; ++t)
        dates.setDate("t" + std::to_string(t) + "_date", toDate(first.addDays(t - 1)));
    dates.post();
}
