#include "entry/EntryEditor.h"

#include "entry/EntrySaveChecks.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/SessionSettings.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

using RecordValues::text;

namespace
{

void set(dbf::Table& entry, const char* field, const QString& value)
{
    entry.setText(field, value.toStdString());
}

bool sameNumber(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

EntryEditor::EntryEditor(Tdmod& data, const ArmbandSettings& armbands, OwnerDialog& ownerDialog)
    : data_(data), armbands_(armbands), owner_(data, ownerDialog), dogs_(data)
{
}

dbf::Table& EntryEditor::entries() const
{
    return *data_.TzDbf1();
}

bool EntryEditor::browsing() const
{
    return entries().state() == dbf::Table::State::Browse;
}

bool EntryEditor::adding() const
{
    return entries().state() == dbf::Table::State::Insert;
}

void EntryEditor::showOpened()
{
    const auto showDates = data_.showDatesRecord();
    offered_ = showDates ? OfferedClasses(*showDates) : OfferedClasses();
}

void EntryEditor::recordMoved()
{
    const dbf::Table& entry = entries();
    rememberedReg_ = entry.isEmpty() ? QString() : text(entry, "reg");
    owner_.positionOn(entry.isEmpty() ? QString() : text(entry, "owner_id"));
    dogRecord_ = dogs_.find(rememberedReg_);
    dog_ = dogs_.details(dogRecord_);
    dogAtMove_ = dog_;
    dogDetailsChanged_ = false;
    ownerChosen_ = false;
    pickListShown_ = false;
}

QString EntryEditor::add()
{
    entries().append();
    rememberedReg_.clear();
    owner_.positionOn({});
    dogRecord_.reset();
    dog_ = {};
    dogAtMove_ = {};
    dogDetailsChanged_ = false;
    ownerChosen_ = false;
    pickListShown_ = true;
    return QStringLiteral("reg");
}

std::optional<QString> EntryEditor::edit()
{
    if (entries().isEmpty())
        return std::nullopt;
    entries().edit();
    ownerChosen_ = false;
    dogDetailsChanged_ = false;
    return QStringLiteral("titles_pre");
}

void EntryEditor::beginEditing()
{
    if (browsing() && !entries().isEmpty())
        entries().edit();
}

void EntryEditor::dogDetailsTouched()
{
    beginEditing();
    dogDetailsChanged_ = true;
}

QString EntryEditor::leaveRegistration()
{
    dbf::Table& entry = entries();
    const QString reg = text(entry, "reg").trimmed();
    if (reg.isEmpty())
        data_.messages().inform(QStringLiteral("You MUST enter a Registration Number!"));

    if (adding() && !reg.isEmpty()) {
        const auto known = dogs_.find(reg);
        if (!known) {
            dogRecord_.reset();
            dog_ = {};
        } else {
            // A returning dog may be in the show already, deleted entries included.
            for (std::uint32_t r = 1; r <= entry.recordCount(); ++r) {
                if (!sameNumber(text(entry.record(r), "reg"), reg))
                    continue;
                MessageRequest found;
                found.caption = QStringLiteral("Entry Found!");
                found.text =
                    QStringLiteral("  Found an entry for this dog!;;   What do you want to do?;");
                found.buttons = QStringLiteral("Edit_Record Add_Duplicate");
                found.kind = MessageKind::Question;
                found.cautiousAnswer = u'X'; // closed without a button
                const QChar answer = data_.messages().ask(found);
                if (answer == u'A')
                    break;
                if (answer == u'E') {
                    data_.messages().inform(QStringLiteral(
                        "Going to existing record....;;Click the EDIT button to make changes"));
                    entry.cancel();
                    entry.go(r);
                    recordMoved();
                    return QStringLiteral("Edit");
                }
            }
            dogs_.copyInto(entry, *known);
            pickListShown_ = false;
            owner_.positionOn(text(entry, "owner_id"));
            dogRecord_ = known;
            dog_ = dogs_.details(known);
        }
    } else if (!adding() && !reg.isEmpty() && !sameNumber(reg, rememberedReg_)) {
        dogDetailsChanged_ = true;
        // A number the dog master already has is that dog's record; only a
        // number it does not know renames the record of the old one.
        const auto existing = dogs_.find(reg);
        dogRecord_ = existing ? existing : dogs_.find(rememberedReg_);
    }
    if (reg.startsWith(u'M', Qt::CaseInsensitive))
        set(entry, "breed", QStringLiteral("Mixed Breed Dog"));
    return QStringLiteral("reg_ctry");
}

bool EntryEditor::leaveBreed()
{
    const QString breed = text(entries(), "breed").trimmed();
    if (breed.isEmpty())
        return false;
    data_.OpenBreeds();
    dbf::Table& breeds = *data_.Breeds();
    if (breeds.seekRecord("breedname", breed.toUpper().toStdString()))
        return false;
    MessageRequest question;
    question.text = QStringLiteral("New Breed Specified - add to Breeds Database?");
    question.buttons = QStringLiteral("&Yes &No");
    question.kind = MessageKind::Question;
    question.cautiousAnswer = u'N';
    if (data_.messages().ask(question) != u'Y')
        return false;
    breeds.append();
    breeds.setText("breed_name", breed.toStdString());
    breeds.post();
    return true;
}

bool EntryEditor::leaveArmband()
{
    QString armband = text(entries(), "arm");
    if (armband.size() <= armbands_.digits)
        return true;
    data_.messages().inform(QStringLiteral("You have specified under TOOLS\\PREFERENCES;"
                                           "that Armbands will be only %1 digits.;"
                                           "Either change your Option or fix the number.")
                                .arg(armbands_.digits));
    return false;
}

QString EntryEditor::leaveOwnerPickList(const QString& typed)
{
    beginEditing();
    ownerChosen_ = true;
    dbf::Table& entry = entries();
    if (const auto chosen = owner_.pick(typed)) {
        set(entry, "first", chosen->first);
        set(entry, "last", chosen->last);
        set(entry, "owner_id", chosen->ownerId);
    }
    pickListShown_ = false;
    owner_.positionOn(text(entry, "owner_id"));
    dogDetailsChanged_ = true;
    return QStringLiteral("notes");
}

QString EntryEditor::enterOwnerField()
{
    dbf::Table& entry = entries();
    if (entry.isEmpty() && browsing())
        return QStringLiteral("Find");
    const auto chosen =
        owner_.edit(text(entry, "owner_id"), text(entry, "first"), text(entry, "last"));
    if (chosen) {
        beginEditing();
        set(entry, "first", chosen->first);
        set(entry, "last", chosen->last);
        set(entry, "owner_id", chosen->ownerId);
    }
    dogDetailsChanged_ = true;
    return browsing() ? QStringLiteral("Find") : QStringLiteral("notes");
}

QString EntryEditor::changeOwner()
{
    beginEditing();
    pickListShown_ = true;
    owner_.hideDisplay();
    return QStringLiteral("ownerPickList");
}

void EntryEditor::enterInAllTrials(const ClassCodes::ClassCode& cls)
{
    beginEditing();
    for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
        if (offered_.offered(cls, trial))
            entries().setLogical(ClassCodes::entryFlagName(cls.key, trial).toStdString(), true);
    }
}

std::uint32_t EntryEditor::automaticArmband() const
{
    const dbf::Table& entry = entries();
    const bool add = adding();
    const std::uint32_t own = add ? 0 : entry.recno();
    const std::uint32_t computed = add ? 101 + entry.recordCount() : 100 + own;
    // After a pack or with deleted entries the record numbers repeat numbers
    // already given: then the next above the highest in use.
    bool taken = false;
    int highest = 0;
    for (std::uint32_t r = 1; r <= entry.recordCount(); ++r) {
        if (r == own)
            continue;
        const QString armband = text(entry.record(r), "arm").trimmed();
        if (armband.isEmpty())
            continue;
        taken = taken || armband == QString::number(computed);
        highest = std::max(highest, TextRules::TextToInt(armband, 0, TextRules::kLargestId));
    }
    return taken ? std::uint32_t(highest + 1) : computed;
}

void EntryEditor::updateDogMaster()
{
    const dbf::RecordView entry = entries().record(entries().recno());
    dogs_.update(entry, dog_, dogRecord_);
    dogRecord_ = dogs_.find(text(entry, "reg"));
    dogAtMove_ = dog_;
}

EntryEditor::SaveOutcome EntryEditor::save()
{
    if (browsing())
        return {true, QStringLiteral("Find")};
    dbf::Table& entry = entries();
    const bool wasAdding = adding();
    if (!wasAdding && ownerChosen_) {
        owner_.rename(text(entry, "first"), text(entry, "last"));
        dogDetailsChanged_ = true;
    }
    entry.setNumber("shownum", data_.currentShowNumber());
    set(entry, "srtkey", QStringLiteral("999"));
    if (armbands_.creation == ArmbandCreation::InputAutomatic &&
        text(entry, "arm").trimmed().isEmpty())
        set(entry, "arm", QString::number(automaticArmband()));
    entry.post();
    rememberedReg_ = text(entry, "reg");

    // A new entry always brings its dog into the dog master; a blank
    // registration number has no place there.
    if ((dogDetailsChanged_ || wasAdding) && !rememberedReg_.trimmed().isEmpty())
        updateDogMaster();
    dogDetailsChanged_ = false;
    ownerChosen_ = false;
    pickListShown_ = false;

    const auto problems = EntrySaveChecks::problems(entry.record(entry.recno()));
    for (const EntrySaveChecks::Problem& problem : problems)
        data_.messages().inform(problem.message);
    if (!problems.empty())
        return {false, problems.back().field};
    completeSave();
    return {true, wasAdding ? QStringLiteral("Add") : QStringLiteral("Find")};
}

void EntryEditor::completeSave()
{
    dbf::Table& entry = entries();
    const std::uint32_t recno = entry.recno();
    const QString sortKey = data_.LowestSortKey(recno);
    entry.edit();
    set(entry, "srtkey", sortKey);
    entry.post();

    const dbf::RecordView saved = entry.record(recno);
    for (const ClassCodes::ClassCode& cls : ClassCodes::classes) {
        if (cls.requirement != ClassCodes::EntryRequirement::LinkCode)
            continue;
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
            if (saved.logical(ClassCodes::entryFlagName(cls.key, trial).toStdString())) {
                const std::string field = cls.linkCodeField.toString().toStdString();
                data_.RaiseMaxLinkCode(field, text(saved, field));
                break;
            }
        }
    }
}

void EntryEditor::cancel()
{
    entries().cancel();
    if (data_.Owners() && data_.Owners()->state() != dbf::Table::State::Browse)
        data_.Owners()->cancel();
    recordMoved();
}

void EntryEditor::toggleDeleted()
{
    dbf::Table& entry = entries();
    if (entry.isEmpty() || !browsing())
        return;
    if (entry.deleted()) {
        entry.setDeleted(false);
        return;
    }
    MessageRequest question;
    question.text = QStringLiteral("Delete Record ?");
    question.buttons = QStringLiteral("&OK &Cancel");
    question.kind = MessageKind::Question;
    question.cautiousAnswer = u'C';
    if (data_.messages().ask(question) == u'O')
        entry.setDeleted(true);
}
