#pragma once

#include "print/RecordSource.h"
#include "print/ReportElement.h"

#include <QDate>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

// A horizontal strip of a page: its height in millimetres and what it prints.
// A band whose `grow` function adds elements (one line per class entered, say)
// is as tall as its lowest element when that is below `height`.
struct ReportBand {
    double height = 0;
    QList<ReportElement> elements;
    std::function<QList<ReportElement>(const ReportContext&)> grow;
};

// A group of consecutive rows sharing a key (a field's text, or what `key`
// makes of the row), with a header before and a footer after. Groups nest in
// the order the report lists them, the first being the outermost.
struct ReportGroup {
    QString name;
    QString keyField;
    std::function<QString(const ReportRow&)> key;
    ReportBand header;
    ReportBand footer;
    bool startNewPage = false;
    // Moves the whole group to a new page when it would not fit on this one
    // but would on an empty page.
    bool keepTogether = false;
    // Starts a new page set: page numbers count from 1 again and the page
    // count covers this group's pages only. Implies a new page.
    bool restartPageNumbers = false;
    // Prints the header again at the top of each page the group runs onto.
    bool reprintHeaderOnNewPage = false;

    QString keyOf(const ReportRow& row) const { return key ? key(row) : row.text(keyField); }
};

// A figure worked out while the rows print: the count of rows or the sum of a
// field, since the start of the report, of the page or of a group.
struct ReportVariable {
    enum class Calculation { Count, Sum };
    enum class Scope { Report, Page, Group };

    QString name;
    Calculation calculation = Calculation::Count;
    QString field;
    Scope scope = Scope::Report;
    QString group; // the group's name, for Scope::Group

    static ReportVariable count(const QString& name, Scope scope, const QString& group = {});
    static ReportVariable sum(const QString& name, const QString& field, Scope scope,
                              const QString& group = {});
};

// Everything a report prints, in millimetres on portrait paper. The title
// prints once at the top of the first page, the page header at the top of
// every page, the page footer at the foot of every page and the summary after
// the last row.
struct ReportDefinition {
    QString title; // names the print job and the preview window
    QSizeF paperSize{215.9, 279.4};
    QMarginsF margins{6.35, 6.35, 6.35, 6.35};
    ReportBand titleBand;
    ReportBand pageHeader;
    QList<ReportGroup> groups;
    ReportBand detail;
    // Rows fill the first column down the page, then the next one.
    int columns = 1;
    double columnWidth = 0;
    ReportBand pageFooter;
    ReportBand summary;
    QList<ReportVariable> variables;
    QDate printDate = QDate::currentDate();
};

// A report ready to lay out: its declaration and the rows it prints.
struct Report {
    ReportDefinition definition;
    std::shared_ptr<const RecordSource> data;
};
