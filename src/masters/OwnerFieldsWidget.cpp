#include "masters/OwnerFieldsWidget.h"

#include "masters/OwnerRules.h"
#include "ui/TableModel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace
{

// Digits in the pattern 999-999-9999, the dashes stored with them.
const QString kPhoneMask = QStringLiteral("000-000-0000; ");

} // namespace

// Stops typing at the field's edit limit, or at the length of a longer value
// that was stored before: a box's maximum length would cut such a value on
// loading, and Save would write the shortened text back.
class OwnerFieldsWidget::TypingLimit : public QValidator
{
public:
    TypingLimit(QObject* parent, int limit, bool upperCase)
        : QValidator(parent), limit_(limit), allowed_(limit), upperCase_(upperCase)
    {
    }

    void allow(qsizetype storedLength) { allowed_ = std::max<qsizetype>(limit_, storedLength); }

    State validate(QString& input, int&) const override
    {
        if (upperCase_)
            input = input.toUpper();
        return input.size() <= allowed_ ? Acceptable : Invalid;
    }

private:
    qsizetype limit_;
    qsizetype allowed_;
    bool upperCase_;
};

OwnerFieldsWidget::OwnerFieldsWidget(Use use, QWidget* parent) : QWidget(parent), use_(use)
{
    const bool window = use == Use::Window;
    addBox(QStringLiteral("owner_id"), QStringLiteral("Owner ID"), 5);
    addBox(QStringLiteral("first"), QStringLiteral("First Name"), 25);
    addBox(QStringLiteral("last"), QStringLiteral("Last Name"), 20);
    addBox(QStringLiteral("address"), QStringLiteral("Address"), 30);
    addBox(QStringLiteral("city"), QStringLiteral("City"), 20);
    addBox(QStringLiteral("state"), QStringLiteral("State"), 10);
    addBox(QStringLiteral("zip"), QStringLiteral("Zip Code"), 10);
    addBox(QStringLiteral("country"), QStringLiteral("Country"), 6);
    addBox(QStringLiteral("phone"), QStringLiteral("Phone Number"), 12);
    addBox(QStringLiteral("cell"),
           window ? QStringLiteral("Cell Number") : QStringLiteral("Cell #"), 12);
    addBox(QStringLiteral("email"), QStringLiteral("Email Address"), 60);
    if (window) {
        addBox(QStringLiteral("notes"), QStringLiteral("Notes"), 50);
        addBox(QStringLiteral("modified"), QStringLiteral("Added/Modified"), 8);
    }
    // The window sets the address beside the numbers, so that its grid of
    // owners keeps room below them; the dialog is one column.
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    QFormLayout* form = nullptr;
    for (const Box& b : std::as_const(boxes_)) {
        if (!form || (window && b.field == QStringLiteral("phone"))) {
            form = new QFormLayout;
            columns->addLayout(form, 1);
        }
        form->addRow(b.edit->accessibleName(), b.edit);
    }

    for (const char* field : {"owner_id", "modified"}) {
        if (QLineEdit* readOnly = box(QString::fromLatin1(field))) {
            readOnly->setReadOnly(true);
            readOnly->setFocusPolicy(Qt::NoFocus);
        }
    }
    for (const char* field : {"phone", "cell"})
        box(QString::fromLatin1(field))->setInputMask(kPhoneMask);

    QLineEdit* state = box(QStringLiteral("state"));
    connect(state, &QLineEdit::editingFinished, state, [state] {
        if (state->isModified())
            state->setText(OwnerRules::stateOnLeaving(state->text()));
    });
    QLineEdit* country = box(QStringLiteral("country"));
    connect(country, &QLineEdit::editingFinished, country, [country] {
        if (country->isModified())
            country->setText(OwnerRules::countryOnLeaving(country->text()));
    });
}

void OwnerFieldsWidget::addBox(const QString& field, const QString& caption, int limit)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(field);
    edit->setAccessibleName(caption);
    // The box's maximum length stays at (or is bound to) the stored width, so
    // a stored value is never cut on loading; the validator holds typing to
    // the edit limit.
    auto* typing = new TypingLimit(edit, limit, field == QStringLiteral("zip"));
    edit->setValidator(typing);
    boxes_.append({field, edit});
    limits_.append(typing);
}

QLineEdit* OwnerFieldsWidget::box(const QString& field) const
{
    for (const Box& b : boxes_) {
        if (b.field == field)
            return b.edit;
    }
    return nullptr;
}

QList<QLineEdit*> OwnerFieldsWidget::autoCapsBoxes() const
{
    QStringList fields{QStringLiteral("first"), QStringLiteral("last"), QStringLiteral("address"),
                       QStringLiteral("city"), QStringLiteral("country")};
    if (use_ == Use::Dialog)
        fields << QStringLiteral("state") << QStringLiteral("zip");
    QList<QLineEdit*> result;
    for (const QString& field : fields)
        result << box(field);
    return result;
}

void OwnerFieldsWidget::allowStoredLengths()
{
    for (int i = 0; i < boxes_.size(); ++i)
        limits_.at(i)->allow(boxes_.at(i).edit->text().size());
}

void OwnerFieldsWidget::load(const dbf::Table& owner)
{
    for (const Box& b : boxes_) {
        b.edit->setText(TableModel::fieldText(owner, b.field));
        b.edit->setCursorPosition(0);
    }
    allowStoredLengths();
}

void OwnerFieldsWidget::write(dbf::Table& owner) const
{
    for (const Box& b : boxes_) {
        if (!b.edit->isReadOnly())
            TableModel::writeField(owner, b.field, b.edit->text());
    }
}
