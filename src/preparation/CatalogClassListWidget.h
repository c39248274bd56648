#pragma once

#include "preparation/CatalogSequence.h"

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTabBar;

// The section tabs and the class check list of the catalog windows, with
// "Select &All" (then "De-Select All"), "&Select Opposite" and "&Clear
// CheckMarks" (enabled while a class is ticked). A class with entries in
// any trial has a line; the ticked ones print in list order.
class CatalogClassListWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CatalogClassListWidget(QWidget* parent = nullptr);

    // "Obedience" and "Rally" tabs for the sections given, the first chosen.
    void setSections(const std::vector<ClassCodes::Section>& sections);
    std::optional<ClassCodes::Section> section() const;
    // The lines of the chosen section, none ticked.
    void setClasses(std::vector<CatalogClass> classes);
    // "Patience - Gathering Data" in place of the list while it is made.
    void setGathering(bool gathering);

    std::vector<CatalogClass> ticked() const;
    void tickAll(bool ticked);
    // Ticks the classes of those keys, unticks the others.
    void tickKeys(const QStringList& keys);

    QTabBar* tabs() const { return tabs_; }
    QListWidget* list() const { return list_; }
    QPushButton* selectAllButton() const { return selectAll_; }
    QPushButton* selectOppositeButton() const { return selectOpposite_; }
    QPushButton* clearButton() const { return clear_; }

signals:
    // Another tab was chosen: the window lists that section's classes.
    void sectionChosen(ClassCodes::Section section);

private:
    void ticksChanged();

    std::vector<ClassCodes::Section> sections_;
    std::vector<CatalogClass> classes_;
    QTabBar* tabs_;
    QLabel* gathering_;
    QListWidget* list_;
    QPushButton* selectAll_;
    QPushButton* selectOpposite_;
    QPushButton* clear_;
};
