#pragma once

#include "print/LabelStock.h"
#include "storage/Result.h"

#include <QString>

#include <functional>

class LabelLayout;
class LabelRecordSource;
class QPagedPaintDevice;

// One pass of a label layout over records onto sheets of a label stock:
// from the start position of the first sheet, each printed record fills
// `copies` labels left to right along a row, then the next row, then a new sheet.
class LabelRun
{
public:
    enum class Decision { Print, Skip, Stop };

    struct Printed {
        int printed = 0; // labels, copies included
        bool aborted = false;
        bool deviceFailed = false; // the printer or PDF file would not start
    };

    // The print job's name, as the printer queue shows it.
    static constexpr const char* jobTitle = "Application";

    LabelRun(const LabelStock& stock, const LabelLayout& layout);

    void setStart(LabelPosition start) { start_ = start; }
    void setCopies(int copies) { copies_ = copies; }
    void setPlacement(LabelPlacement placement) { placement_ = placement; }
    // Asked for every record the run reaches; without one every record prints.
    void setBeforePrint(std::function<Decision(LabelRecordSource&)> decide);
    // Told after each label, copies included.
    void setAfterPrint(std::function<void(LabelRecordSource&)> printed);
    // Asked before each label; true ends the run (the print job was cancelled).
    void setAbortCheck(std::function<bool()> aborted);

    // Walks the source from its current record to its end, a Stop, or an
    // abort. Sets Letter paper, portrait, on the device.
    Printed print(LabelRecordSource& records, QPagedPaintDevice& device) const;
    // The same run into a PDF file; a file that cannot be written gives the
    // reason, naming the file.
    ::Result<Printed> savePdf(LabelRecordSource& records, const QString& path) const;

private:
    const LabelStock& stock_;
    const LabelLayout& layout_;
    LabelPosition start_;
    int copies_ = 1;
    LabelPlacement placement_ = LabelPlacement::Centred;
    std::function<Decision(LabelRecordSource&)> beforePrint_;
    std::function<void(LabelRecordSource&)> afterPrint_;
    std::function<bool()> aborted_;
};
