#include "MasterTableBrowser.h"

#include "storage/Messages.h"
#include "storage/TextRules.h"

const QString MasterTableBrowser::kPackQuestion =
    QStringLiteral("Packing the database will permanently remove;all the records marked as "
                   "\"Deleted\".;Are you sure that is what you want?");
const QString MasterTableBrowser::kPackButtons = QStringLiteral("Cancel Pack");
const QString MasterTableBrowser::kRemoveAllButtons = QStringLiteral("No Yes");
const QString MasterTableBrowser::kFindCaption = QStringLiteral("Find Record");

MasterButtons MasterButtons::forState(dbf::Table::State state)
{
    const bool browsing = state == dbf::Table::State::Browse;
    return {browsing, browsing, browsing, browsing, !browsing, !browsing};
}

MasterTableBrowser::MasterTableBrowser(dbf::Table& table, Messages& messages)
    : table_(table), messages_(messages)
{
}

QString MasterTableBrowser::recordText() const
{
    const qint64 recno = table_.state() == dbf::Table::State::Insert ? 0 : table_.recno();
    return QStringLiteral("Rec # ") + TextRules::RightAligned(recno, recordWidth_) +
           QStringLiteral(" / ") + TextRules::RightAligned(table_.recordCount(), recordWidth_);
}

QString MasterTableBrowser::indexText() const
{
    const MasterOrder* current = order();
    return indexPrefix_ + (current ? current->statusName : QString());
}

QString MasterTableBrowser::deletionText(bool deleted)
{
    return deleted ? QStringLiteral("DELETED") : QStringLiteral("  ");
}

QString MasterTableBrowser::deleteCaption(bool deleted)
{
    return deleted ? QStringLiteral("Un&Delete") : QStringLiteral("&Delete");
}

QString MasterTableBrowser::deletionText() const
{
    return deletionText(!table_.isEmpty() && table_.deleted());
}

QString MasterTableBrowser::deleteCaption() const
{
    return deleteCaption(!table_.isEmpty() && table_.deleted());
}

void MasterTableBrowser::addOrder(const MasterOrder& order)
{
    orders_.append(order);
}

const MasterOrder* MasterTableBrowser::order() const
{
    return current_ >= 0 && current_ < orders_.size() ? &orders_.at(current_) : nullptr;
}

void MasterTableBrowser::selectOrder(int index)
{
    if (index < 0 || index >= orders_.size())
        return;
    table_.setOrder(orders_.at(index).tag.toStdString());
    current_ = index;
}

Done MasterSaveRules::startRecord(dbf::Table&)
{
    return Done::success();
}

Done MasterSaveRules::prepareSave(dbf::Table&)
{
    return Done::success();
}

Done MasterSaveRules::afterSave(dbf::Table&)
{
    return Done::success();
}

void MasterTableBrowser::setSaveRules(std::unique_ptr<MasterSaveRules> rules)
{
    rules_ = std::move(rules);
}

bool MasterTableBrowser::startAdd()
{
    table_.append();
    if (!rules_)
        return true;
    // A new record the rules could not start is no new record, whatever stopped them.
    const auto started = [this] {
        try {
            return rules_->startRecord(table_);
        } catch (...) {
            table_.cancel();
            throw;
        }
    }();
    if (started)
        return true;
    table_.cancel();
    messages_.inform(started.message());
    return false;
}

bool MasterTableBrowser::startEdit()
{
    if (table_.isEmpty())
        return false;
    table_.edit();
    return true;
}

SaveOutcome MasterTableBrowser::save()
{
    if (!editing())
        return SaveOutcome::NothingToSave;
    if (rules_) {
        const Done prepared = rules_->prepareSave(table_);
        if (!prepared) {
            messages_.inform(prepared.message());
            return SaveOutcome::Refused;
        }
    }
    table_.post();
    if (rules_) {
        const Done followed = rules_->afterSave(table_);
        if (!followed)
            messages_.error(followed.message());
    }
    return SaveOutcome::Saved;
}

void MasterTableBrowser::cancel()
{
    if (editing())
        table_.cancel();
    if (rules_)
        rules_->afterCancel();
}

bool MasterTableBrowser::toggleDeleted()
{
    if (table_.isEmpty() || editing())
        return false;
    table_.toggleDeleted();
    return true;
}

QString MasterTableBrowser::findPrompt() const
{
    const MasterOrder* current = order();
    return QStringLiteral("Enter ") + (current ? current->findLabel : QString()) +
           QStringLiteral(" to find: ");
}

QString MasterTableBrowser::findKeyFor(const QString& typed) const
{
    const MasterOrder* current = order();
    switch (current ? current->findKey : FindKey::Text) {
    case FindKey::FiveDigitId:
        return TextRules::ZeroPad(TextRules::IdToInt(typed), 5);
    case FindKey::RecordNumber:
        // Record numbers go past the 16-bit range of other typed numbers.
        return QString::number(TextRules::IdToInt(typed));
    case FindKey::Text:
        break;
    }
    QString key = typed;
    while (key.endsWith(u' '))
        key.chop(1);
    return key.toUpper();
}

FindOutcome MasterTableBrowser::find()
{
    const QString initial =
        findPadding_ > 0 ? lastSearch_.leftJustified(findPadding_, u' ') : lastSearch_;
    const std::optional<QString> typed = messages_.input(kFindCaption, findPrompt(), initial);
    if (!typed)
        return FindOutcome::Cancelled;
    return findText(*typed);
}

FindOutcome MasterTableBrowser::findText(const QString& typed)
{
    const QString key = findKeyFor(typed);
    lastSearch_ = key;
    const std::uint32_t startedAt = table_.recno();
    const MasterOrder* current = order();

    bool found = false;
    if (current && current->findKey == FindKey::RecordNumber) {
        const int recno = key.toInt();
        found = recno >= 1 && table_.go(std::uint32_t(recno));
    } else if (!table_.order().empty()) {
        found = table_.find(key.toStdString());
    }
    if (found)
        return FindOutcome::Found;

    if (startedAt >= 1 && startedAt <= table_.recordCount())
        table_.go(startedAt);
    messages_.inform(QStringLiteral("Could not find ") +
                     (current ? current->findLabel : QString()) + QStringLiteral(" ") + key);
    return FindOutcome::NotFound;
}

bool MasterTableBrowser::confirmPack() const
{
    MessageRequest request;
    request.text = kPackQuestion;
    request.buttons = kPackButtons;
    request.kind = MessageKind::Question;
    request.cautiousAnswer = u'C';
    return messages_.ask(request) == u'P';
}

void MasterTableBrowser::pack()
{
    table_.pack();
    table_.first();
}

bool MasterTableBrowser::confirmRemoveAll(const QString& question) const
{
    MessageRequest request;
    request.text = question;
    request.buttons = kRemoveAllButtons;
    request.kind = MessageKind::Question;
    request.cautiousAnswer = u'N';
    return messages_.ask(request) == u'Y';
}

void MasterTableBrowser::removeAll()
{
    table_.zap();
    table_.first();
}
