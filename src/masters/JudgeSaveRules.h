#pragma once

#include "ui/MasterTableBrowser.h"

#include <memory>

class JudgeRenumbering;
class Tdmod;

// The save rules of the Judges table. A new judge takes the next judge number
// (the highest ever used, deleted judges included, plus one). Every save
// writes the judge number back as five digits, whatever was typed ("12"
// becomes 00012), and stores nothing for a phone, work phone or fax box left
// empty (a masked box reads as its dashes alone). During "Modify Judge
// Number" the typed number must be one no other judge holds, and after the
// post every show's judge assignments follow the judge to it.
class JudgeSaveRules : public MasterSaveRules
{
public:
    explicit JudgeSaveRules(Tdmod& data);
    ~JudgeSaveRules() override;

    Done startRecord(dbf::Table& judges) override;
    Done prepareSave(dbf::Table& judges) override;
    Done afterSave(dbf::Table& judges) override;
    void afterCancel() override;

    // "Modify Judge Number" for the current judge, before the record is put
    // into edit mode (the other judges' numbers are noted while browsing).
    // The change ends with the next save or cancel.
    void beginRenumbering();
    bool renumbering() const { return renumbering_ != nullptr; }

private:
    Tdmod& data_;
    std::unique_ptr<JudgeRenumbering> renumbering_;
};
