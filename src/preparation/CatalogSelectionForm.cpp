#include "preparation/CatalogSelectionForm.h"

#include "preparation/CatalogBuild.h"
#include "preparation/CatalogClassListWidget.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"

#include <QApplication>
#include <QShowEvent>

CatalogSelectionForm::CatalogSelectionForm(Tdmod& data,
                                           std::optional<ClassCodes::Section> resultsSection,
                                           QWidget* parent)
    : QDialog(parent), data_(data), resultsSection_(resultsSection),
      classes_(new CatalogClassListWidget(this))
{
    connect(classes_, &CatalogClassListWidget::sectionChosen, this,
            [this](ClassCodes::Section section) {
                runGuarded(data_.messages(), [&] { listClasses(section); });
            });
}

void CatalogSelectionForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Coming back from minimised is no opening.
    if (!event->spontaneous())
        runGuarded(data_.messages(), [this] { build(); });
}

void CatalogSelectionForm::build()
{
    classes_->setGathering(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        CatalogClassListWidget* classes;
        ~Restore()
        {
            QApplication::restoreOverrideCursor();
            classes->setGathering(false);
        }
    } restore{classes_};

    BuildCatalogTable(data_);
    std::vector<ClassCodes::Section> sections;
    if (resultsSection_)
        sections.push_back(*resultsSection_);
    else {
        if (data_.ShowHasObedience())
            sections.push_back(ClassCodes::Section::Obedience);
        if (data_.ShowHasRally())
            sections.push_back(ClassCodes::Section::Rally);
    }
    classes_->setSections(sections);
    if (const auto section = classes_->section())
        listClasses(*section);
    else
        classes_->setClasses({});
    opened();
}

void CatalogSelectionForm::listClasses(ClassCodes::Section section)
{
    classes_->setClasses(catalogClasses(data_, section));
}

std::optional<CatalogRun> CatalogSelectionForm::chosenRun(bool results,
                                                          bool footersForEitherSection) const
{
    CatalogRun run;
    run.classes = classes_->ticked();
    if (run.classes.empty() || !classes_->section()) {
        data_.messages().inform(QStringLiteral("No Classes have been selected"));
        return std::nullopt;
    }
    run.section = *classes_->section();
    run.results = results;
    run.footersForEitherSection = footersForEitherSection;
    return run;
}
