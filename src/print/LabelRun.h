#pragma once

#include "print/LabelStock.h"
#include "print/Printable.h"
#include "print/RecordSource.h"

#include <functional>
#include <memory>

class LabelLayout;

// One pass of a label layout over a snapshot of records onto sheets of a
// label stock: from the start position of the first sheet, each printed
// record fills `copies` labels left to right along a row, then the next row,
// then a new sheet. As a printout it is PDF only, on Letter paper placed from
// the paper's edge as the stocks are measured.
class LabelRun : public Printable
{
public:
    enum class Decision { Print, Skip, Stop };

    struct Printed {
        int labels = 0; // copies included
        int sheets = 0;
        bool aborted = false;
        bool deviceFailed = false; // the printer or PDF file would not start
    };

    // The print job's name, as the printer queue shows it.
    static constexpr const char* jobTitle = "Application";

    LabelRun(const LabelStock& stock, const LabelLayout& layout,
             std::shared_ptr<const RecordSource> records);

    const LabelStock& stock() const { return stock_; }
    const RecordSource& records() const { return *records_; }
    void setStart(LabelPosition start) { start_ = start; }
    void setCopies(int copies) { copies_ = copies; }
    void setPlacement(LabelPlacement placement) { placement_ = placement; }
    // Asked for every record the run reaches; without one every record prints.
    void setBeforePrint(std::function<Decision(const SourceRow&)> decide);
    // Told after each label, copies included.
    void setAfterPrint(std::function<void(const SourceRow&)> printed);

    // Walks the records from the first to the last or a Stop; `aborted` is
    // asked before each label and true ends the run (the job was cancelled).
    Printed printLabels(QPagedPaintDevice& device, const std::function<bool()>& aborted = {}) const;

    QString title() const override { return QString::fromLatin1(jobTitle); }
    QPageLayout pageLayout() const override;

protected:
    PrintOutcome paint(QPagedPaintDevice& device,
                       const std::function<bool()>& aborted) const override;

private:
    const LabelStock& stock_;
    const LabelLayout& layout_;
    std::shared_ptr<const RecordSource> records_;
    LabelPosition start_;
    int copies_ = 1;
    LabelPlacement placement_ = LabelPlacement::Centred;
    std::function<Decision(const SourceRow&)> beforePrint_;
    std::function<void(const SourceRow&)> afterPrint_;
};
