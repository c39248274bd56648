#pragma once

#include "print/ReportBuilder.h"

#include <QString>

#include <cstdint>
#include <vector>

class Tdmod;

namespace dbf
{
class Table;
}

// The two orders of the verify listing.
enum class VerifyOrder {
    InputOrder, // record number
    OwnerName,  // tag NAME: last and first name, then record number
};

namespace VerifyInput
{

QString title(VerifyOrder order);
// The entries of the open show as the entry table presents them in the
// order of the listing: the order is set for the reading and put back, the
// cursor never moves, and entries the table's view hides stay out.
std::vector<std::uint32_t> entriesInOrder(dbf::Table& entries, VerifyOrder order);

} // namespace VerifyInput

// "Verify Data Input of Entries": a proof listing of the entries given, each
// in a block of its details from the entry, the dog master and the owners
// master, and the classes it entered per trial. The messages on a dog or an
// owner that cannot be found, or a class the class table lacks, are given
// once per entry as the report is built.
class VerifyInputReport : public ReportBuilder
{
public:
    VerifyInputReport(Tdmod& data, VerifyOrder order, std::vector<std::uint32_t> entries);
    Report build() override;

private:
    Tdmod& data_;
    VerifyOrder order_;
    std::vector<std::uint32_t> entries_;
};
