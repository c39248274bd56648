#include "masters/JudgeForm.h"

#include "masters/JlistForm.h"
#include "masters/JudgLabelsForm.h"
#include "masters/JudgeOrders.h"
#include "masters/JudgeSaveRules.h"
#include "masters/JudgesList.h"
#include "storage/DataModule.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QValidator>

#include <exception>

namespace
{

class UpperCase : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// Digits in the pattern 999-999-9999, the dashes stored with them.
const QString kPhoneMask = QStringLiteral("000-000-0000; ");
const QStringList kPhoneFields = {QStringLiteral("phone"), QStringLiteral("workphone"),
                                  QStringLiteral("fax")};

// A number kept before the mask was used (an extension, brackets) would be
// cut by it and written back cut on the next save; such a number is shown
// and kept as it is.
bool fitsPhoneMask(const QString& value)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[0-9 ]{0,3}-?[0-9 ]{0,3}-?[0-9 ]{0,4}$"));
    return pattern.match(value).hasMatch();
}

} // namespace

Tjudgeform::Tjudgeform(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent)
    : MasterTableWindow(*data.Judges(), data.messages(), parent), data_(data),
      rules_(new JudgeSaveRules(data))
{
    browser().setSaveRules(std::unique_ptr<MasterSaveRules>(rules_));
    setWindowTitle(QStringLiteral("Judges Data Base"));
    setKeyboardSettings(keyboard);
    browser().setIndexPrefix(QStringLiteral("Current Index is "));
    browser().setFindPadding(20);

    findButton()->setText(QStringLiteral("&Find "));
    addButton()->setText(QStringLiteral("&Add "));
    setHint(findButton(), QStringLiteral("Find Record by current index"));
    setHint(editButton(), QStringLiteral("Edit Current Record"));
    setHint(addButton(), QStringLiteral("Add a New Record"));
    setHint(deleteButton(), QStringLiteral("Delete or UnDelete current record"));
    setHint(saveButton(), QStringLiteral("Save Changes"));
    setHint(cancelButton(), QStringLiteral("Cancel Changes"));

    auto* grid = new QGridLayout(dataPanel());
    grid->setContentsMargins(0, 0, 0, 0);
    addBox(QStringLiteral("judgenum"), QStringLiteral("Pgm Judge #"), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("(Auto Assigned)")), 1, 1);
    addBox(QStringLiteral("nurjudgeid"), QStringLiteral("NUR Judge #"), 0, 1);
    addBox(QStringLiteral("first"), QStringLiteral("First Name"), 2, 0);
    addBox(QStringLiteral("last"), QStringLiteral("Last Name"), 2, 1);
    addBox(QStringLiteral("address"), QStringLiteral("Address"), 3, 0);
    addBox(QStringLiteral("city"), QStringLiteral("City"), 4, 0);
    addBox(QStringLiteral("state"), QStringLiteral("State / Province"), 4, 1);
    addBox(QStringLiteral("zip"), QStringLiteral("Zip Code"), 5, 0);
    addBox(QStringLiteral("country"), QStringLiteral("Country"), 5, 1);
    addBox(QStringLiteral("phone"), QStringLiteral("Phone"), 6, 0);
    addBox(QStringLiteral("workphone"), QStringLiteral("Work "), 6, 1);
    addBox(QStringLiteral("fax"), QStringLiteral("Fax #"), 7, 0);
    addBox(QStringLiteral("email"), QStringLiteral("E-Mail"), 7, 1);
    addBox(QStringLiteral("notes"), QStringLiteral("Notes"), 8, 0);
    // The number changes only through "Modify Judge Number".
    showNumberBox();
    for (const QString& field : {QStringLiteral("state"), QStringLiteral("zip")})
        box(field)->setValidator(new UpperCase(box(field)));
    for (const QString& field :
         {QStringLiteral("first"), QStringLiteral("last"), QStringLiteral("address"),
          QStringLiteral("city"), QStringLiteral("country")})
        setAutoCaps(box(field));
    setFirstField(box(QStringLiteral("first")));

    model().setColumns({QStringLiteral("judgenum"), QStringLiteral("first"), QStringLiteral("last"),
                        QStringLiteral("city"), QStringLiteral("state"), QStringLiteral("phone"),
                        QStringLiteral("email"), QStringLiteral("nurjudgeid")});
    for (const JudgeOrder& order : JudgeOrders::all())
        addOrder({order.menuText, order.tag, order.statusName, order.findName});

    // Alt+F is the Find button's, from anywhere in the window; the menu
    // takes the L of File.
    auto* file = new QMenu(QStringLiteral("Fi&le"), this);
    menuBar()->insertMenu(indexMenu()->menuAction(), file);
    connect(file->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &Tjudgeform::close);
    auto* reports = new QMenu(QStringLiteral("&Reports"), this);
    menuBar()->insertMenu(tasksMenu()->menuAction(), reports);
    listAction_ = reports->addAction(QStringLiteral("List by Current Index"));
    labelsAction_ = reports->addAction(QStringLiteral("Address Labels"));
    connect(listAction_, &QAction::triggered, this, &Tjudgeform::showList);
    connect(labelsAction_, &QAction::triggered, this, &Tjudgeform::showLabels);

    modifyNumberAction_ = new QAction(QStringLiteral("Modify Judge Number"), this);
    tasksMenu()->insertAction(packAction(), modifyNumberAction_);
    connect(modifyNumberAction_, &QAction::triggered, this, &Tjudgeform::modifyJudgeNumber);
    packAction()->setText(QStringLiteral("Pack / Remove Deletes"));
    offerRemoveAll(QStringLiteral("Are you sure you want to permanently remove all Judges?"));
    removeAllAction()->setText(QStringLiteral("Remove All Records From Database"));

    startBrowsing(0);
    goFirst();
}

Tjudgeform::~Tjudgeform() = default;

QLineEdit* Tjudgeform::addBox(const QString& field, const QString& caption, int row, int column)
{
    auto* grid = static_cast<QGridLayout*>(dataPanel()->layout());
    auto* edit = new QLineEdit;
    grid->addWidget(new QLabel(caption), row, column * 2);
    grid->addWidget(edit, row, column * 2 + 1);
    bind(edit, field);
    boxes_.insert(field, edit);
    return edit;
}

void Tjudgeform::showEvent(QShowEvent* event)
{
    MasterTableWindow::showEvent(event);
    findButton()->setFocus();
}

void Tjudgeform::afterRecordShown()
{
    showNumberBox();
    const bool adding = table().state() == dbf::Table::State::Insert;
    if (browser().editing() && !adding)
        return;
    for (const QString& field : kPhoneFields) {
        QLineEdit* phone = box(field);
        // Changing the mask is no typing: it must not start an edit.
        const QSignalBlocker quiet(phone);
        if (adding) {
            // A new judge's numbers are typed into the mask.
            if (phone->inputMask() != kPhoneMask)
                phone->setInputMask(kPhoneMask);
            continue;
        }
        const QString value = TableModel::fieldText(table(), field);
        phone->setInputMask(fitsPhoneMask(value) ? kPhoneMask : QString());
        phone->setText(value);
    }
}

bool Tjudgeform::modifyingNumber() const
{
    return rules_->renumbering();
}

void Tjudgeform::showNumberBox()
{
    QLineEdit* number = box(QStringLiteral("judgenum"));
    number->setReadOnly(!modifyingNumber());
    number->setEnabled(modifyingNumber());
}

void Tjudgeform::saveRefused()
{
    if (!modifyingNumber())
        return;
    box(QStringLiteral("judgenum"))->setFocus();
    box(QStringLiteral("judgenum"))->selectAll();
}

void Tjudgeform::modifyJudgeNumber()
{
    if (!readyToWalk() || table().isEmpty())
        return;
    // Begun while browsing: it walks the table to note the other judges' numbers.
    rules_->beginRenumbering();
    showNumberBox();
    edit();
    if (!browser().editing()) {
        browser().cancel();
        showNumberBox();
        return;
    }
    QLineEdit* number = box(QStringLiteral("judgenum"));
    number->setFocus();
    number->selectAll();
}

void Tjudgeform::closeWhileEditing()
{
    if (table().state() != dbf::Table::State::Insert) {
        MasterTableWindow::closeWhileEditing();
        return;
    }
    const QChar answer = messages().ask(
        {QStringLiteral("You were in the process of adding a judge - Save or Cancel the data?"),
         QStringLiteral("Save Cancel"), MessageKind::Question});
    if (answer == u'S' && save())
        return;
    cancel();
}

bool Tjudgeform::readyToWalk()
{
    return !browser().editing() || save();
}

void Tjudgeform::showList()
{
    if (!readyToWalk())
        return;
    TJlistForm list(JudgesList::lines(table()), messages(), this);
    list.exec();
}

void Tjudgeform::showLabels()
{
    if (!readyToWalk())
        return;
    TJudgLabels labels(table(), messages(), this);
    labels.exec();
    // The labels window may have put the table in another order.
    selectOrder(browser().currentOrder());
    refreshAll();
}

void openJudgesWindow(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent)
{
    data.OpenJudges();
    Tjudgeform window(data, keyboard, parent);
    window.exec();
}
