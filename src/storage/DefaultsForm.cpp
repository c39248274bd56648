#include "storage/DefaultsForm.h"

#include "storage/CommandGuard.h"
#include "storage/Messages.h"
#include "storage/Preferences.h"
#include "storage/SessionSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

QLineEdit* namedEdit(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QLabel* note(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QRadioButton* addRadio(QButtonGroup* group, QVBoxLayout* layout, const QString& caption, int id)
{
    auto* radio = new QRadioButton(caption);
    group->addButton(radio, id);
    layout->addWidget(radio);
    return radio;
}

} // namespace

TDefaultsForm::TDefaultsForm(Preferences& preferences, SessionSettings& session, Messages& messages,
                             QWidget* parent)
    : QDialog(parent), preferences_(preferences), session_(session), messages_(messages)
{
    setWindowTitle(QStringLiteral("NUR Trial - Default Settings"));

    pages_ = new QTabWidget;
    pages_->addTab(buildClubPage(), QStringLiteral("Club Info"));
    pages_->addTab(buildSecretaryPage(), QStringLiteral("Secretary Info"));
    pages_->addTab(buildDataEntryPage(), QStringLiteral("Data Entry"));
    pages_->addTab(buildArmbandsPage(), QStringLiteral("Armbands"));
    pages_->addTab(buildSlipsPage(), QStringLiteral("Exhibitor Slips"));
    // Wide enough to show every page's tab at once.
    pages_->setMinimumWidth(pages_->tabBar()->sizeHint().width() + 40);

    auto* okayButton = new QPushButton(QStringLiteral("Okay "));
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel "));
    auto* helpButton = new QPushButton(QStringLiteral("Help "));
    applyButton_ = new QPushButton(QStringLiteral("Apply"));
    okayButton->setDefault(true);
    connect(okayButton, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { okay(); }); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { showHelp(); }); });
    connect(applyButton_, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { apply(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okayButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    buttons->addWidget(applyButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);

    load(readDefaultsValues(preferences_));
    watchForChanges();
}

TDefaultsForm::~TDefaultsForm() = default;

QWidget* TDefaultsForm::buildClubPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    clubName_ = namedEdit("clubName");
    form->addRow(QStringLiteral("Club Name"), clubName_);
    form->addRow(note(QStringLiteral("This info will be printed on the Reports")));
    return page;
}

QWidget* TDefaultsForm::buildSecretaryPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    secretaryName_ = namedEdit("secretaryName");
    phone_ = namedEdit("phone");
    phone_->setInputMask(QStringLiteral("999-999-9999"));
    email_ = namedEdit("email");
    address_ = namedEdit("address");
    city_ = namedEdit("city");
    state_ = namedEdit("state");
    zip_ = namedEdit("zip");
    form->addRow(QStringLiteral("Secretary's Name"), secretaryName_);
    form->addRow(QStringLiteral("Phone Number"), phone_);
    form->addRow(QStringLiteral("Email Address"), email_);
    form->addRow(QStringLiteral("Address"), address_);
    form->addRow(QStringLiteral("City"), city_);
    form->addRow(QStringLiteral("State"), state_);
    form->addRow(QStringLiteral("Zip"), zip_);
    return page;
}

QWidget* TDefaultsForm::buildDataEntryPage()
{
    auto* page = new QWidget;
    auto* editing = new QGroupBox(QStringLiteral("Editing"));
    enterAsTab_ = new QCheckBox(QStringLiteral("Enter same as Tab"));
    pgdnAsSave_ = new QCheckBox(QStringLiteral("PageDown Key same as Save"));
    autoCaps_ = new QCheckBox(QStringLiteral("Auto Caps"));
    auto* checks = new QVBoxLayout(editing);
    checks->addWidget(enterAsTab_);
    checks->addWidget(pgdnAsSave_);
    checks->addWidget(autoCaps_);
    checks->addWidget(note(QStringLiteral("(This will make the first letter of each word a capital "
                                          "letter - you will not need to use the shift key.)")));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(editing);
    layout->addStretch();
    return page;
}

QWidget* TDefaultsForm::buildArmbandsPage()
{
    auto* page = new QWidget;

    auto* creationBox = new QGroupBox(QStringLiteral("Armband Creation"));
    auto* creationLayout = new QVBoxLayout(creationBox);
    creation_ = new QButtonGroup(this);
    addRadio(creation_, creationLayout,
             QStringLiteral("Automatic - By Index After all Entries are inputted"),
             static_cast<int>(ArmbandCreation::AfterAutomatic))
        ->setChecked(true);
    addRadio(creation_, creationLayout, QStringLiteral("Automatic - as Entries are inputted   "),
             static_cast<int>(ArmbandCreation::InputAutomatic));
    addRadio(creation_, creationLayout, QStringLiteral("Manual - after all Entries are inputted"),
             static_cast<int>(ArmbandCreation::Manual));

    auto* digitsBox = new QGroupBox(QStringLiteral("Armband Numbers"));
    auto* digitsLayout = new QVBoxLayout(digitsBox);
    digits_ = new QButtonGroup(this);
    addRadio(digits_, digitsLayout, QStringLiteral("3 digits  (104)"), 3)->setChecked(true);
    addRadio(digits_, digitsLayout, QStringLiteral("4 digits  (1004)"), 4);
    addRadio(digits_, digitsLayout, QStringLiteral("5 digits  (16004  = Jmp Ht + #)"), 5);

    armbandStart_ = namedEdit("armbandStart");
    auto* start = new QFormLayout;
    start->addRow(QStringLiteral("Start Automatic Armband Numbering with #"), armbandStart_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(creationBox);
    layout->addWidget(digitsBox);
    layout->addLayout(start);
    layout->addWidget(
        note(QStringLiteral("Armband numbers can always be modified manually under any Option.")));
    layout->addStretch();
    return page;
}

QWidget* TDefaultsForm::buildSlipsPage()
{
    auto* page = new QWidget;
    slipComment_ = namedEdit("slipComment");
    slipComment_->setMaxLength(DefaultsValues::kSlipCommentMaxLength);
    auto* reset = new QPushButton(QStringLiteral("Reset Default"));
    connect(reset, &QPushButton::clicked, this, [this] {
        slipComment_->setText(DefaultsValues::kDefaultSlipComment);
        markChanged();
    });

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(note(QStringLiteral(
        "Currently, at the bottom of each Exhibitor Slip, there is a comment line and a line "
        "showing the Secretary's information.   The Secretary line is automatically created "
        "from the Secretary Info page.  The Comment Line can be modified.    ")));
    layout->addWidget(note(QStringLiteral("Feel free to modify here")));
    layout->addWidget(new QLabel(QStringLiteral("Comment Line")));
    layout->addWidget(slipComment_);
    layout->addWidget(reset, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

void TDefaultsForm::load(const DefaultsValues& values)
{
    loaded_ = values;
    clubName_->setText(values.clubName);
    secretaryName_->setText(values.secretary.name);
    phone_->setText(values.secretary.phone);
    email_->setText(values.secretary.email);
    address_->setText(values.secretary.address);
    city_->setText(values.secretary.city);
    state_->setText(values.secretary.state);
    zip_->setText(values.secretary.zip);
    enterAsTab_->setChecked(values.enterAsTab);
    pgdnAsSave_->setChecked(values.pgdnAsSave);
    autoCaps_->setChecked(values.autoCaps);
    if (auto* button = creation_->button(static_cast<int>(values.armbandCreation)))
        button->setChecked(true);
    if (auto* button = digits_->button(values.armbandDigits))
        button->setChecked(true);
    armbandStart_->setText(values.armbandStart);
    slipComment_->setText(values.slipComment);
    applyButton_->setEnabled(false);
}

void TDefaultsForm::watchForChanges()
{
    for (QLineEdit* edit : {clubName_, secretaryName_, phone_, email_, address_, city_, state_,
                            zip_, armbandStart_, slipComment_})
        connect(edit, &QLineEdit::textChanged, this, &TDefaultsForm::markChanged);
    for (QCheckBox* check : {enterAsTab_, pgdnAsSave_, autoCaps_})
        connect(check, &QCheckBox::clicked, this, &TDefaultsForm::markChanged);
    connect(creation_, &QButtonGroup::buttonClicked, this, &TDefaultsForm::markChanged);
    connect(digits_, &QButtonGroup::buttonClicked, this, &TDefaultsForm::markChanged);
}

void TDefaultsForm::markChanged()
{
    applyButton_->setEnabled(true);
}

DefaultsValues TDefaultsForm::values() const
{
    DefaultsValues values;
    values.clubName = clubName_->text();
    values.secretary.name = secretaryName_->text();
    // The phone mask cannot show a stored text such as "Unknown"; it is kept
    // unless the secretary typed a number, and an emptied mask stores nothing.
    if (!phone_->isModified())
        values.secretary.phone = loaded_.secretary.phone;
    else if (phone_->text().contains(QRegularExpression(QStringLiteral("\\d"))))
        values.secretary.phone = phone_->text();
    values.secretary.email = email_->text();
    values.secretary.address = address_->text();
    values.secretary.city = city_->text();
    values.secretary.state = state_->text();
    values.secretary.zip = zip_->text();
    values.enterAsTab = enterAsTab_->isChecked();
    values.pgdnAsSave = pgdnAsSave_->isChecked();
    values.autoCaps = autoCaps_->isChecked();
    values.armbandCreation = static_cast<ArmbandCreation>(creation_->checkedId());
    values.armbandDigits = digits_->checkedId();
    values.armbandStart = armbandStart_->text();
    values.slipComment = slipComment_->text();
    return values;
}

bool TDefaultsForm::apply()
{
    const DefaultsValues current = values();
    if (!writeDefaultsValues(preferences_, current)) {
        messages_.error(preferences_.errorString());
        return false;
    }
    loaded_ = current;
    phone_->setModified(false);
    session_.reload(preferences_);
    applyButton_->setEnabled(false);
    return true;
}

void TDefaultsForm::okay()
{
    if (applyButton_->isEnabled() && !apply())
        return;
    accept();
}

void TDefaultsForm::showHelp()
{
    messages_.inform(QStringLiteral("Still working on"));
}
