#include "entry/EntryPanelWidget.h"

#include "entry/OfferedClasses.h"
#include "setup/ShowDatesRecord.h"
#include "storage/RecordValues.h"
#include "ui/BreedPickWidget.h"

#include "dbf/Table.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

using ClassCodes::ClassCode;
using ClassCodes::Section;

const QStringList kObedienceHeights{" 4", " 8", "??", "10", "12", "14", "16",
                                    "18", "20", "22", "24", "26", "28"};
const QStringList kRallyHeights{" 4", " 8", "12", "16"};

// The field widths of the show entry table, so a box takes no more than fits.
int widthOf(const QString& field)
{
    static const QHash<QString, int> widths{
        {"reg", 12},      {"reg_ctry", 10}, {"titles_pre", 15}, {"titles_end", 30},
        {"dog", 55},      {"handler", 40},  {"first", 25},      {"last", 25},
        {"owner_id", 5},  {"notes", 80},    {"junior_id", 12},  {"arm", 5},
        {"bracecode", 1}, {"teamcode", 1},  {"pairscode", 1},   {"rtmcode", 1},
        {"rctmcode", 1}};
    return widths.value(field, 40);
}

// Where each link-code box stands: beside its class's row.
struct LinkCode {
    QStringView classKey;
    const char* field;
    int maxIndex; // in the show's maximum link codes
};
constexpr LinkCode kLinkCodes[] = {{u"ONBR", "bracecode", 0},
                                   {u"ONTM", "teamcode", 1},
                                   {u"RNPR", "pairscode", 2},
                                   {u"RNCTM", "rctmcode", 3},
                                   {u"RNTM", "rtmcode", 4}};

// The headings above the rows of each tab.
QString headingBefore(const ClassCode& cls)
{
    if (cls.key == u"ORNA" || cls.key == u"RRNA")
        return QStringLiteral("Regular Class");
    if (cls.key == u"ONPN")
        return QStringLiteral("Optional Titling");
    if (cls.key == u"ONBR" || cls.key == u"RNTC")
        return QStringLiteral("Non-Regular ");
    return {};
}

QLabel* caption(const QString& text)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

std::size_t indexOf(const ClassCode& cls)
{
    return std::size_t(&cls - ClassCodes::classes.data());
}

} // namespace

EntryPanelWidget::EntryPanelWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("entryPanel"));
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(buildDogGroup());
    left->addWidget(buildOwnerGroup());
    left->addWidget(buildEntryGroup());
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(left, 3);
    layout->addWidget(buildClassTabs(), 2);
    built_ = true;
}

QLineEdit* EntryPanelWidget::addLine(const QString& field, int width)
{
    auto* box = new QLineEdit;
    box->setObjectName(field);
    box->setMaxLength(width);
    fields_.insert(field, box);
    watchTyping(box);
    return box;
}

void EntryPanelWidget::watchTyping(QWidget* box)
{
    box->installEventFilter(this);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        connect(line, &QLineEdit::textEdited, this, [this] { emit typingStarted(); });
    else if (auto* check = qobject_cast<QCheckBox*>(box))
        connect(check, &QCheckBox::clicked, this, [this] { emit typingStarted(); });
    else if (auto* combo = qobject_cast<QComboBox*>(box)) {
        connect(combo, &QComboBox::activated, this, [this] { emit typingStarted(); });
        if (combo->isEditable())
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this] { emit typingStarted(); });
    }
}

QWidget* EntryPanelWidget::buildDogGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Dog"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    int row = 0;
    const auto pair = [&](int column, const QString& text, QWidget* box, int span = 1) {
        grid->addWidget(caption(text), row, column);
        grid->addWidget(box, row, column + 1, 1, span);
    };
    pair(0, QStringLiteral("Registration #"), addLine("reg", 12));
    pair(2, QStringLiteral("Foreign Ctry"), addLine("reg_ctry", 10));
    ++row;
    pair(0, QStringLiteral("Title Prefix"), addLine("titles_pre", widthOf("titles_pre")));
    pair(2, QStringLiteral("Titles Suffix"), addLine("titles_end", widthOf("titles_end")));
    ++row;
    pair(0, QStringLiteral("Dog's  Registered Name "), addLine("dog", widthOf("dog")), 3);
    ++row;
    sex_ = new QComboBox;
    sex_->setObjectName(QStringLiteral("sex"));
    sex_->addItems({QString(), QStringLiteral("Bitch"), QStringLiteral("Dog")});
    watchTyping(sex_);
    birthdate_ = new QLineEdit;
    birthdate_->setObjectName(QStringLiteral("bdate"));
    birthdate_->setPlaceholderText(QStringLiteral("MM/DD/YYYY"));
    birthdate_->setMaxLength(10);
    watchTyping(birthdate_);
    pair(0, QStringLiteral("Sex"), sex_);
    pair(2, QStringLiteral("Birthdate"), birthdate_);
    ++row;
    breed_ = new BreedPickWidget;
    breed_->setObjectName(QStringLiteral("breed"));
    fields_.insert(QStringLiteral("breed"), breed_);
    watchTyping(breed_);
    breed_->lineEdit()->installEventFilter(this);
    pair(0, QStringLiteral("Breed "), breed_, 3);
    for (const char* name : {"breeder", "sire", "dam"}) {
        ++row;
        auto* box = new QLineEdit;
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxLength(60);
        dogBoxes_.insert(QString::fromLatin1(name), box);
        watchTyping(box);
        const QString text = QString::fromLatin1(name);
        pair(0, text.left(1).toUpper() + text.mid(1), box, 3);
    }
    ++row;
    pair(0, QStringLiteral("Handler (other than owner)"), addLine("handler", 40), 3);
    ++row;
    for (const auto& [name, text, column] :
         {std::tuple{"callname", "Call Name", 0}, std::tuple{"ht_card", "Ht Card", 2}}) {
        auto* box = new QLineEdit;
        box->setObjectName(QString::fromLatin1(name));
        box->setEnabled(false);
        dogBoxes_.insert(QString::fromLatin1(name), box);
        pair(column, QString::fromLatin1(text), box);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget* EntryPanelWidget::buildOwnerGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Owner"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    int row = 0;
    const auto pair = [&](int column, const QString& text, QWidget* box, int span = 1) {
        grid->addWidget(caption(text), row, column);
        grid->addWidget(box, row, column + 1, 1, span);
    };
    QLineEdit* first = addLine("first", 25);
    QLineEdit* last = addLine("last", 25);
    pair(0, QStringLiteral("First Name"), first);
    pair(2, QStringLiteral("Last Name"), last, 3);
    // While an owner is chosen the pick list takes the place of the names.
    pickLabel_ =
        new QLabel(QStringLiteral("Select Owner (Last Name) or type-in new name then hit ENTER"));
    pickList_ = new QComboBox;
    pickList_->setObjectName(QStringLiteral("ownerPickList"));
    pickList_->setEditable(true);
    pickList_->setInsertPolicy(QComboBox::NoInsert);
    pickList_->lineEdit()->installEventFilter(this);
    ++row;
    grid->addWidget(pickLabel_, row, 0, 1, 2);
    grid->addWidget(pickList_, row, 2, 1, 4);
    showOwnerPickList(false);
    ++row;
    QLineEdit* ownerId = addLine("owner_id", 5);
    ownerId->setReadOnly(true);
    ownerId->setFocusPolicy(Qt::NoFocus);
    pair(0, QStringLiteral("Owner ID"), ownerId);
    auto* owners2 = new QLineEdit;
    owners2->setObjectName(QStringLiteral("owner2"));
    owners2->setMaxLength(50);
    dogBoxes_.insert(QStringLiteral("owner2"), owners2);
    watchTyping(owners2);
    pair(2, QStringLiteral("Owners2"), owners2, 3);
    const auto ownerLine = [&](const char* field) {
        auto* box = new QLineEdit;
        box->setObjectName(QString::fromLatin1(field));
        box->setReadOnly(true);
        box->installEventFilter(this);
        owner_.insert(QString::fromLatin1(field), box);
        return box;
    };
    ++row;
    pair(0, QStringLiteral("Address"), ownerLine("address"), 5);
    ++row;
    pair(0, QStringLiteral("City"), ownerLine("city"));
    pair(2, QStringLiteral("State"), ownerLine("state"));
    pair(4, QStringLiteral("Zip"), ownerLine("zip"));
    ++row;
    pair(0, QStringLiteral("Country"), ownerLine("country"));
    pair(2, QStringLiteral("Phone "), ownerLine("phone"));
    pair(4, QStringLiteral("Cell # "), ownerLine("cell"));
    ++row;
    pair(0, QStringLiteral("Email Address"), ownerLine("email"), 3);
    changeOwner_ = new QPushButton(QStringLiteral("Change Owner"));
    ownerHelp_ = new QPushButton(QStringLiteral("OwnerHelp "));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(changeOwner_);
    buttons->addWidget(ownerHelp_);
    grid->addLayout(buttons, row, 4, 1, 2);
    connect(changeOwner_, &QPushButton::clicked, this, [this] { emit changeOwnerClicked(); });
    connect(ownerHelp_, &QPushButton::clicked, this, [this] { emit ownerHelpClicked(); });
    // The names belong to the owner: entering them opens the owner dialog.
    for (QLineEdit* name : {first, last}) {
        name->setReadOnly(true);
        owner_.insert(name->objectName(), name);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    return group;
}

QWidget* EntryPanelWidget::buildEntryGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Entry"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    grid->addWidget(caption(QStringLiteral("Notes")), 0, 0);
    grid->addWidget(addLine("notes", 80), 0, 1, 1, 5);
    const auto check = [&](const char* field, const QString& text) {
        auto* box = new QCheckBox(text);
        box->setObjectName(QString::fromLatin1(field));
        fields_.insert(QString::fromLatin1(field), box);
        watchTyping(box);
        return box;
    };
    grid->addWidget(caption(QStringLiteral("Print Note on")), 1, 0);
    grid->addWidget(check("printit", QStringLiteral("Exhibitor Slip")), 1, 1);
    grid->addWidget(check("emailsent", QStringLiteral("Email Conf Sent")), 1, 2);
    grid->addWidget(check("worker", QStringLiteral("Volunteer Worker")), 1, 3);
    grid->addWidget(check("prepaidcat", QStringLiteral("Pre-Paid Catalog")), 1, 4);
    QCheckBox* waitList = check("waitlist", QStringLiteral("Also On Wait List"));
    waitList->setEnabled(false);
    grid->addWidget(waitList, 1, 5);
    grid->addWidget(caption(QStringLiteral("JR ID#")), 2, 0);
    grid->addWidget(addLine("junior_id", 12), 2, 1);
    grid->addWidget(caption(QStringLiteral("Armband #")), 2, 2);
    grid->addWidget(addLine("arm", 5), 2, 3);
    deleted_ = new QLabel(QStringLiteral("  "));
    deleted_->setObjectName(QStringLiteral("deletedMarker"));
    QFont bold = deleted_->font();
    bold.setBold(true);
    deleted_->setFont(bold);
    QPalette red = deleted_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    deleted_->setPalette(red);
    grid->addWidget(deleted_, 2, 4, 1, 2);
    return group;
}

QWidget* EntryPanelWidget::buildClassTabs()
{
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("classTabs"));
    tabs_->addTab(buildClassPage(Section::Obedience), QStringLiteral("Obedience "));
    tabs_->addTab(buildClassPage(Section::Rally), QStringLiteral("Rally "));
    return tabs_;
}

QWidget* EntryPanelWidget::buildClassPage(Section section)
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);
    int row = 0;
    auto* hint =
        new QLabel(QStringLiteral("Click the Class Name to Check-Off ALL trials as entered"));
    hint->setWordWrap(true);
    grid->addWidget(hint, row++, 0, 1, 7);
    for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
        grid->addWidget(new QLabel(QStringLiteral("T%1").arg(trial)), row, trial, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("Link Code")), row, 5);
    ++row;
    for (const ClassCode& cls : ClassCodes::classesOf(section)) {
        if (const QString heading = headingBefore(cls); !heading.isEmpty()) {
            auto* label = new QLabel(heading);
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            grid->addWidget(label, row++, 0, 1, 5);
        }
        auto* name = new QPushButton(cls.caption.toString());
        name->setFlat(true);
        name->setFocusPolicy(Qt::NoFocus);
        name->setStyleSheet(QStringLiteral("text-align: left; padding: 0 4px;"));
        labels_.insert(&cls, name);
        connect(name, &QPushButton::clicked, this, [this, c = &cls] { emit classLabelClicked(c); });
        grid->addWidget(name, row, 0);
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
            auto* box = new QCheckBox;
            box->setObjectName(ClassCodes::entryFlagName(cls.key, trial));
            boxes_[indexOf(cls)][trial - 1] = box;
            watchTyping(box);
            grid->addWidget(box, row, trial, Qt::AlignCenter);
        }
        for (const LinkCode& link : kLinkCodes) {
            if (link.classKey != cls.key)
                continue;
            QLineEdit* code = addLine(QString::fromLatin1(link.field), 1);
            code->setMaximumWidth(code->fontMetrics().horizontalAdvance(u'W') * 3);
            code->setToolTip(QStringLiteral("Use a Code to Link Members"));
            grid->addWidget(code, row, 5);
            maxCodes_[link.maxIndex] = new QLabel(QStringLiteral("Max Code None"));
            grid->addWidget(maxCodes_[link.maxIndex], row, 6);
        }
        ++row;
    }
    if (section == Section::Obedience) {
        obedienceHeight_ = new QComboBox;
        obedienceHeight_->setObjectName(QStringLiteral("ob_jmpht"));
        obedienceHeight_->addItem(QString());
        obedienceHeight_->addItems(kObedienceHeights);
        fields_.insert(QStringLiteral("ob_jmpht"), obedienceHeight_);
        watchTyping(obedienceHeight_);
        grid->addWidget(new QLabel(QStringLiteral("High Jump Ht")), row, 0);
        grid->addWidget(obedienceHeight_, row, 1, 1, 2);
    } else {
        auto* group = new QGroupBox(QStringLiteral("Jump Height"));
        group->setObjectName(QStringLiteral("rallyjmpht"));
        auto* buttons = new QHBoxLayout(group);
        rallyHeights_ = new QButtonGroup(this);
        for (int i = 0; i < int(kRallyHeights.size()); ++i) {
            auto* height = new QRadioButton(kRallyHeights[i].trimmed() + u'"');
            rallyHeights_->addButton(height, i);
            buttons->addWidget(height);
            height->installEventFilter(this);
        }
        connect(rallyHeights_, &QButtonGroup::idClicked, this, [this] { emit typingStarted(); });
        fields_.insert(QStringLiteral("rallyjmpht"), group);
        grid->addWidget(group, row, 0, 1, 5);
        ++row;
        auto* note = new QLabel(
            QStringLiteral("A Jump Height is required for the Advanced and Excellent Classes"));
        note->setWordWrap(true);
        grid->addWidget(note, row, 0, 1, 7);
    }
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(6, 1);
    return page;
}

QWidget* EntryPanelWidget::fieldBox(const QString& field) const
{
    if (QWidget* box = fields_.value(field))
        return box;
    return nullptr;
}

QLineEdit* EntryPanelWidget::ownerBox(const QString& field) const
{
    return owner_.value(field);
}

QLineEdit* EntryPanelWidget::dogBox(const QString& name) const
{
    return dogBoxes_.value(name);
}

QCheckBox* EntryPanelWidget::classBox(const ClassCode& cls, int trial) const
{
    return boxes_.at(indexOf(cls)).at(trial - 1);
}

QAbstractButton* EntryPanelWidget::classLabel(const ClassCode& cls) const
{
    return labels_.value(&cls);
}

void EntryPanelWidget::showEntry(const dbf::Table& entry, const EntryOwner::Display& owner,
                                 const DogDetails& dog)
{
    loading_ = true;
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) {
        const std::string field = it.key().toStdString();
        if (auto* line = qobject_cast<QLineEdit*>(it.value()))
            line->setText(RecordValues::text(entry, field));
        else if (auto* check = qobject_cast<QCheckBox*>(it.value()))
            check->setChecked(entry.logical(field));
    }
    breed_->setBreed(RecordValues::text(entry, "breed"));
    const int height = obedienceHeight_->findText(RecordValues::raw(entry, "ob_jmpht"));
    obedienceHeight_->setCurrentIndex(std::max(height, 0));
    // A rally height selects the item of that number, or none.
    const int rally = RecordValues::text(entry, "rallyjmpht").trimmed().toInt();
    rallyHeights_->setExclusive(false);
    for (QAbstractButton* button : rallyHeights_->buttons())
        button->setChecked(kRallyHeights.at(rallyHeights_->id(button)).trimmed().toInt() == rally);
    rallyHeights_->setExclusive(true);
    for (const ClassCode& cls : ClassCodes::classes) {
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            classBox(cls, trial)
                ->setChecked(
                    entry.logical(ClassCodes::entryFlagName(cls.key, trial).toStdString()));
    }
    showOwner(owner);
    showDogDetails(dog);
    showDeleted(!entry.isEmpty() && entry.deleted());
    loading_ = false;
}

void EntryPanelWidget::showOwner(const EntryOwner::Display& owner)
{
    const std::pair<const char*, QString> values[] = {
        {"address", owner.address}, {"city", owner.city},       {"state", owner.state},
        {"zip", owner.zip},         {"country", owner.country}, {"phone", owner.phone},
        {"cell", owner.cell},       {"email", owner.email}};
    for (const auto& [field, value] : values)
        owner_.value(QString::fromLatin1(field))->setText(value);
}

void EntryPanelWidget::showDogDetails(const DogDetails& dog)
{
    sex_->setCurrentIndex(std::max(0, sex_->findText(dog.sex)));
    birthdate_->setText(dateBoxText(dog.birthdate));
    dogBoxes_.value("breeder")->setText(dog.breeder);
    dogBoxes_.value("sire")->setText(dog.sire);
    dogBoxes_.value("dam")->setText(dog.dam);
    dogBoxes_.value("owner2")->setText(dog.owners2);
    dogBoxes_.value("callname")->setText(dog.callName);
    dogBoxes_.value("ht_card")->setText(dog.heightCard);
}

void EntryPanelWidget::showOwnerPickList(bool shown, const QStringList& owners)
{
    if (shown) {
        pickList_->clear();
        pickList_->addItems(owners);
        pickList_->setCurrentIndex(-1);
        pickList_->setEditText(QString());
    }
    pickLabel_->setVisible(shown);
    pickList_->setVisible(shown);
    for (const char* name : {"first", "last"})
        fields_.value(QString::fromLatin1(name))->setVisible(!shown);
}

void EntryPanelWidget::showDeleted(bool deleted)
{
    deleted_->setText(deleted ? QStringLiteral("DELETED") : QStringLiteral("  "));
    // The desk's colours of a deleted entry: pink boxes, grey lists.
    const QString boxStyle =
        deleted ? QStringLiteral("QLineEdit { background: #ffb6c1; }") : QString();
    const QString listStyle =
        deleted ? QStringLiteral("QComboBox { background: #808080; }") : QString();
    for (QWidget* box : fields_) {
        if (qobject_cast<QLineEdit*>(box))
            box->setStyleSheet(boxStyle);
        else if (qobject_cast<QComboBox*>(box))
            box->setStyleSheet(listStyle);
    }
}

void EntryPanelWidget::showMaxCodes(const std::array<QString, 5>& codes)
{
    for (std::size_t i = 0; i < codes.size(); ++i)
        maxCodes_[i]->setText(QStringLiteral("Max Code ") +
                              (codes[i].isEmpty() ? QStringLiteral("None") : codes[i]));
}

void EntryPanelWidget::setBreeds(const QStringList& breeds)
{
    breed_->setBreeds(breeds);
}

void EntryPanelWidget::enableClasses(const OfferedClasses& offered)
{
    for (const ClassCode& cls : ClassCodes::classes) {
        bool any = false;
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial) {
            const bool on = offered.offered(cls, trial);
            classBox(cls, trial)->setEnabled(on);
            any = any || on;
        }
        classLabel(cls)->setEnabled(any);
    }
    tabs_->setCurrentIndex(offered.offersSection(Section::Obedience) ? 0 : 1);
}

void EntryPanelWidget::storeEntry(dbf::Table& entry) const
{
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it) {
        const std::string field = it.key().toStdString();
        if (auto* line = qobject_cast<QLineEdit*>(it.value())) {
            if (!line->isReadOnly())
                entry.setText(field, line->text().toStdString());
        } else if (auto* check = qobject_cast<QCheckBox*>(it.value())) {
            if (check->isEnabled())
                entry.setLogical(field, check->isChecked());
        }
    }
    entry.setText("breed", breed_->breed().toStdString());
    entry.setText("ob_jmpht", obedienceHeight_->currentText().toStdString());
    if (const int rally = rallyHeights_->checkedId(); rally >= 0)
        entry.setText("rallyjmpht", kRallyHeights.at(rally).toStdString());
    for (const ClassCode& cls : ClassCodes::classes) {
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            entry.setLogical(ClassCodes::entryFlagName(cls.key, trial).toStdString(),
                             classBox(cls, trial)->isChecked());
    }
}

DogDetails EntryPanelWidget::dogDetails() const
{
    DogDetails dog;
    dog.sex = sex_->currentText();
    dog.birthdate = dateFromBoxText(birthdate_->text());
    dog.breeder = dogBoxes_.value("breeder")->text();
    dog.sire = dogBoxes_.value("sire")->text();
    dog.dam = dogBoxes_.value("dam")->text();
    dog.owners2 = dogBoxes_.value("owner2")->text();
    dog.callName = dogBoxes_.value("callname")->text();
    dog.heightCard = dogBoxes_.value("ht_card")->text();
    return dog;
}

bool EntryPanelWidget::eventFilter(QObject* watched, QEvent* event)
{
    // Boxes are watched from the moment they are made, before the panel is whole.
    if (loading_ || !built_)
        return QWidget::eventFilter(watched, event);
    const auto reason = [event] { return static_cast<QFocusEvent*>(event)->reason(); };
    // Focus that comes back when a dialog closes is no entering by the secretary.
    const auto entered = [&] {
        return event->type() == QEvent::FocusIn && reason() != Qt::ActiveWindowFocusReason &&
               reason() != Qt::PopupFocusReason;
    };
    const auto left = [&] {
        return event->type() == QEvent::FocusOut && reason() != Qt::ActiveWindowFocusReason &&
               reason() != Qt::PopupFocusReason;
    };
    if (watched == pickList_->lineEdit()) {
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if ((left() || enter) && pickList_->isVisible()) {
            emit ownerPickListLeft(pickList_->currentText());
            return enter;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched == fields_.value("reg") && left())
        emit registrationLeft();
    else if ((watched == breed_ || watched == breed_->lineEdit()) && left())
        emit breedLeft();
    else if (watched == fields_.value("arm") && left())
        emit armbandLeft();
    if (entered()) {
        if (owner_.key(qobject_cast<QLineEdit*>(watched)).size() > 0)
            emit ownerFieldEntered();
        else if (watched == sex_ || watched == birthdate_ || watched == breed_ ||
                 watched == obedienceHeight_ ||
                 dogBoxes_.key(qobject_cast<QLineEdit*>(watched)).size() > 0 ||
                 qobject_cast<QRadioButton*>(watched) ||
                 (watched->objectName() == u"dog" || watched->objectName() == u"titles_pre" ||
                  watched->objectName() == u"titles_end" || watched->objectName() == u"reg_ctry"))
            emit dogDetailsEntered();
    }
    return QWidget::eventFilter(watched, event);
}
