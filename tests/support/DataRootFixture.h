#pragma once

#include "QtPrinting.h"
#include "ScriptedMessages.h"
#include "TempDir.h"

#include "storage/DataModule.h"
#include "storage/DataRoot.h"

#include <QString>

#include <memory>

// A fresh data root laid out as on first start, with the data module over it
// and scripted messages.
class DataRootFixture
{
public:
    DataRootFixture();

    QString root() const { return QString::fromStdString(dir.path().string()); }
    // Starts (or starts again) the data module over the root.
    Tdmod& start();
    Tdmod& data() { return *data_; }
    void stop() { data_.reset(); }

    // Appends a show dates record: number, first date, trials.
    void addShowDates(int number, const QDate& first, int trials);

    TempDir dir;
    ScriptedMessages messages;

private:
    std::unique_ptr<Tdmod> data_;
};
