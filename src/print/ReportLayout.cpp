#include "print/ReportLayout.h"

#include "dbf/Error.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

struct PreparedBand {
    QList<ReportElement> elements;
    double height = 0;
};

PreparedBand prepare(const ReportBand& band, const ReportContext& context)
{
    PreparedBand prepared{band.elements, band.height};
    if (band.grow)
        prepared.elements.append(band.grow(context));
    for (const ReportElement& element : std::as_const(prepared.elements))
        prepared.height = std::max(prepared.height, element.bottom());
    return prepared;
}

class LayoutRun
{
public:
    explicit LayoutRun(const Report& report) : def_(report.definition)
    {
        readRows(report.data.get());
        checkVariables();
        computeKeys();
        bodyBottom_ = def_.paperSize.height() - def_.margins.bottom() - def_.pageFooter.height;
        columnWidth_ = def_.columnWidth > 0
                           ? def_.columnWidth
                           : (def_.paperSize.width() - def_.margins.left() - def_.margins.right()) /
                                 std::max(1, def_.columns);
        groupStart_.assign(def_.groups.size(), 0);
    }

    ReportPages run();

private:
    int groupCount() const { return static_cast<int>(def_.groups.size()); }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    std::span<const ReportRow> span(int from, int to) const
    {
        return std::span<const ReportRow>(rows_).subspan(from, to - from);
    }
    const ReportRow* rowAt(int index) const
    {
        return index >= 0 && index < rowCount() ? &rows_[index] : nullptr;
    }

    void readRows(const RecordSource* data);
    void checkVariables() const;
    void computeKeys();
    int groupEnd(int level, int start) const;
    ReportContext context(const ReportRow* row, std::span<const ReportRow> groupRows) const;
    QVariant variable(const QString& name) const;
    void resetVariables(ReportVariable::Scope scope, const QString& group = {});
    void count(const ReportRow& row);

    void startPage(bool newPageSet, int reprintLevels);
    void finishPage();
    void newPage(bool newPageSet, int reprintLevels);
    void place(const PreparedBand& band, double left, double top, const ReportContext& context);
    void leaveColumns();
    double room() const { return bodyBottom_ - y_; }

    void openGroup(int level, int row);
    void closeGroups(int fromLevel, int lastRow);
    void placeDetail(int row);
    double headersAndFirstRow(int level, int row) const;
    double groupHeight(int level, int start, int end) const;
    void resolvePageNumbers();

    const ReportDefinition& def_;
    std::vector<ReportRow> rows_;
    std::vector<std::vector<QString>> keys_; // per group level, per row
    std::vector<int> changeLevel_;           // per row: outermost group whose key changes
    std::vector<int> groupStart_;
    int openLevels_ = 0;
    QHash<QString, double> values_;

    ReportPages pages_;
    std::vector<int> pageSet_;
    int currentSet_ = 0;
    int pageInSet_ = 0;
    struct PendingText {
        int page;
        int item;
        ReportValue value;
    };
    std::vector<PendingText> pending_;

    double y_ = 0;
    double bodyTop_ = 0; // below the page header and any reprinted group headers
    double bodyBottom_ = 0;
    // Nothing but headers has printed on this page yet: a group that wants a
    // page of its own, or room, gains nothing by breaking it.
    bool fresh_ = true;
    int currentRow_ = -1;
    int lastPlacedRow_ = -1;

    double columnWidth_ = 0;
    bool inColumns_ = false;
    int column_ = 0;
    double columnTop_ = 0;
    double columnsBottom_ = 0;
};

void LayoutRun::readRows(const RecordSource* data)
{
    if (!data)
        return;
    const QStringList names = data->fieldNames();
    const auto index = ReportRow::indexFields(names);
    for (int row = 0; row < data->rowCount(); ++row) {
        QVariantList values;
        values.reserve(names.size());
        for (const QString& name : names)
            values.append(data->value(row, name));
        rows_.emplace_back(index, std::move(values));
    }
}

void LayoutRun::checkVariables() const
{
    for (const ReportVariable& variable : def_.variables) {
        if (variable.scope != ReportVariable::Scope::Group)
            continue;
        const bool known =
            std::any_of(def_.groups.begin(), def_.groups.end(),
                        [&](const ReportGroup& g) { return g.name == variable.group; });
        if (!known)
            throw dbf::Error(QStringLiteral("The report variable \"%1\" counts per group \"%2\", "
                                            "which the report does not have")
                                 .arg(variable.name, variable.group)
                                 .toStdString());
    }
}

void LayoutRun::computeKeys()
{
    keys_.assign(def_.groups.size(), {});
    for (int level = 0; level < groupCount(); ++level) {
        for (const ReportRow& row : rows_)
            keys_[level].push_back(def_.groups.at(level).keyOf(row));
    }
    changeLevel_.assign(rows_.size(), 0);
    for (int row = 1; row < rowCount(); ++row) {
        int level = 0;
        while (level < groupCount() && keys_[level][row] == keys_[level][row - 1])
            ++level;
        changeLevel_[row] = level;
    }
}

int LayoutRun::groupEnd(int level, int start) const
{
    int end = start + 1;
    while (end < rowCount() && changeLevel_[end] > level)
        ++end;
    return end;
}

ReportContext LayoutRun::context(const ReportRow* row, std::span<const ReportRow> groupRows) const
{
    return ReportContext(
        row, groupRows, [this](const QString& name) { return variable(name); }, def_.printDate,
        std::max(1, pageInSet_));
}

QVariant LayoutRun::variable(const QString& name) const
{
    for (const ReportVariable& declared : def_.variables) {
        if (declared.name != name)
            continue;
        const double value = values_.value(name);
        if (declared.calculation == ReportVariable::Calculation::Count)
            return static_cast<int>(value);
        return value;
    }
    throw dbf::Error(QStringLiteral("The report has no variable \"%1\"").arg(name).toStdString());
}

void LayoutRun::resetVariables(ReportVariable::Scope scope, const QString& group)
{
    for (const ReportVariable& variable : def_.variables) {
        if (variable.scope == scope &&
            (scope != ReportVariable::Scope::Group || variable.group == group))
            values_.insert(variable.name, 0);
    }
}

void LayoutRun::count(const ReportRow& row)
{
    for (const ReportVariable& variable : def_.variables) {
        const double step = variable.calculation == ReportVariable::Calculation::Count
                                ? 1
                                : row.number(variable.field);
        values_[variable.name] += step;
    }
}

void LayoutRun::startPage(bool newPageSet, int reprintLevels)
{
    if (newPageSet && !pages_.pages.isEmpty()) {
        ++currentSet_;
        pageInSet_ = 0;
    }
    pages_.pages.append(ReportPage{});
    pageSet_.push_back(currentSet_);
    ++pageInSet_;
    resetVariables(ReportVariable::Scope::Page);
    inColumns_ = false;
    column_ = 0;
    y_ = def_.margins.top();

    const ReportContext pageContext = context(rowAt(currentRow_), span(0, rowCount()));
    if (pages_.pages.size() == 1) {
        const PreparedBand title = prepare(def_.titleBand, pageContext);
        place(title, def_.margins.left(), y_, pageContext);
        y_ += title.height;
    }
    const PreparedBand header = prepare(def_.pageHeader, pageContext);
    place(header, def_.margins.left(), y_, pageContext);
    y_ += header.height;

    for (int level = 0; level < reprintLevels; ++level) {
        const ReportGroup& group = def_.groups.at(level);
        if (!group.reprintHeaderOnNewPage)
            continue;
        const int start = groupStart_[level];
        const ReportContext groupContext =
            context(&rows_[start], span(start, groupEnd(level, start)));
        const PreparedBand band = prepare(group.header, groupContext);
        place(band, def_.margins.left(), y_, groupContext);
        y_ += band.height;
    }
    bodyTop_ = y_;
    fresh_ = true;
}

void LayoutRun::finishPage()
{
    const int row = lastPlacedRow_ >= 0 ? lastPlacedRow_ : currentRow_;
    const ReportContext footerContext = context(rowAt(row), span(0, rowCount()));
    const PreparedBand footer = prepare(def_.pageFooter, footerContext);
    place(footer, def_.margins.left(), bodyBottom_, footerContext);
}

void LayoutRun::newPage(bool newPageSet, int reprintLevels)
{
    finishPage();
    startPage(newPageSet, reprintLevels);
}

void LayoutRun::place(const PreparedBand& band, double left, double top,
                      const ReportContext& context)
{
    ReportPage& page = pages_.pages.last();
    for (const ReportElement& element : band.elements) {
        ReportPageItem item;
        item.penWidth = element.penWidth;
        switch (element.kind) {
        case ReportElement::Kind::Line:
            item.kind = ReportPageItem::Kind::Line;
            item.line = element.line.translated(left, top);
            page.items.append(item);
            continue;
        case ReportElement::Kind::Box:
            item.kind = ReportPageItem::Kind::Box;
            item.rect = element.rect.translated(left, top);
            page.items.append(item);
            continue;
        case ReportElement::Kind::Text:
            break;
        }
        item.rect = element.rect.translated(left, top);
        if (element.framed) {
            ReportPageItem frame = item;
            frame.kind = ReportPageItem::Kind::Box;
            page.items.append(frame);
        }
        item.kind = ReportPageItem::Kind::Text;
        item.font = element.font;
        item.alignment = element.alignment;
        if (element.value.isPageVariable())
            pending_.push_back({static_cast<int>(pages_.pages.size()) - 1,
                                static_cast<int>(page.items.size()), element.value});
        else
            item.text = element.value.resolve(context);
        page.items.append(item);
    }
}

void LayoutRun::leaveColumns()
{
    if (!inColumns_)
        return;
    y_ = columnsBottom_;
    inColumns_ = false;
    column_ = 0;
}

double LayoutRun::headersAndFirstRow(int level, int row) const
{
    double height = 0;
    for (int inner = level; inner < groupCount(); ++inner) {
        const ReportContext c = context(&rows_[row], span(row, groupEnd(inner, row)));
        height += prepare(def_.groups.at(inner).header, c).height;
    }
    return height + prepare(def_.detail, context(&rows_[row], span(row, row + 1))).height;
}

double LayoutRun::groupHeight(int level, int start, int end) const
{
    const int columns = std::max(1, def_.columns);
    double height = 0;
    int runRows = 0;
    double runTallest = 0;
    auto closeRun = [&] {
        height += std::ceil(static_cast<double>(runRows) / columns) * runTallest;
        runRows = 0;
        runTallest = 0;
    };
    std::vector<int> starts(def_.groups.size(), start);
    for (int row = start; row < end; ++row) {
        const int opening = row == start ? level : changeLevel_[row];
        if (opening < groupCount())
            closeRun();
        for (int inner = opening; inner < groupCount(); ++inner) {
            starts[inner] = row;
            const ReportContext c = context(&rows_[row], span(row, groupEnd(inner, row)));
            height += prepare(def_.groups.at(inner).header, c).height;
        }
        runTallest = std::max(
            runTallest, prepare(def_.detail, context(&rows_[row], span(row, row + 1))).height);
        ++runRows;
        const int closing = row + 1 == end ? level : changeLevel_[row + 1];
        if (closing < groupCount())
            closeRun();
        for (int inner = groupCount() - 1; inner >= closing; --inner) {
            const ReportContext c = context(&rows_[row], span(starts[inner], row + 1));
            height += prepare(def_.groups.at(inner).footer, c).height;
        }
    }
    closeRun();
    return height;
}

void LayoutRun::openGroup(int level, int row)
{
    const ReportGroup& group = def_.groups.at(level);
    groupStart_[level] = row;
    const int end = groupEnd(level, row);
    resetVariables(ReportVariable::Scope::Group, group.name);

    leaveColumns();
    if (group.startNewPage || group.restartPageNumbers) {
        if (!fresh_) {
            newPage(group.restartPageNumbers, level);
        } else if (group.restartPageNumbers && pageInSet_ > 1) {
            // Nothing has printed here yet, so this page opens the new set.
            pageSet_.back() = ++currentSet_;
            pageInSet_ = 1;
        }
    }
    const double needed =
        group.keepTogether ? groupHeight(level, row, end) : headersAndFirstRow(level, row);
    const double fullPage = bodyBottom_ - def_.margins.top() - def_.pageHeader.height;
    if (needed > room() && !fresh_ && needed <= fullPage)
        newPage(false, level);

    const ReportContext groupContext = context(&rows_[row], span(row, end));
    const PreparedBand header = prepare(group.header, groupContext);
    place(header, def_.margins.left(), y_, groupContext);
    y_ += header.height;
    openLevels_ = level + 1;
}

void LayoutRun::closeGroups(int fromLevel, int lastRow)
{
    for (int level = groupCount() - 1; level >= fromLevel; --level) {
        const ReportGroup& group = def_.groups.at(level);
        const ReportContext groupContext =
            context(&rows_[lastRow], span(groupStart_[level], lastRow + 1));
        const PreparedBand footer = prepare(group.footer, groupContext);
        leaveColumns();
        if (footer.height > room() && y_ > bodyTop_)
            newPage(false, level + 1);
        place(footer, def_.margins.left(), y_, groupContext);
        y_ += footer.height;
        openLevels_ = level;
        fresh_ = false;
    }
}

void LayoutRun::placeDetail(int row)
{
    const int innermost = groupCount() - 1;
    const int from = innermost >= 0 ? groupStart_[innermost] : 0;
    const int to = innermost >= 0 ? groupEnd(innermost, from) : rowCount();
    const ReportContext rowContext = context(&rows_[row], span(from, to));
    const PreparedBand detail = prepare(def_.detail, rowContext);

    if (def_.columns <= 1) {
        if (detail.height > room() && y_ > bodyTop_)
            newPage(false, openLevels_);
    } else {
        if (!inColumns_) {
            inColumns_ = true;
            column_ = 0;
            columnTop_ = y_;
            columnsBottom_ = y_;
        }
        if (detail.height > room() && y_ > columnTop_) {
            if (column_ + 1 < def_.columns) {
                ++column_;
                y_ = columnTop_;
            } else {
                newPage(false, openLevels_);
                inColumns_ = true;
                column_ = 0;
                columnTop_ = y_;
                columnsBottom_ = y_;
            }
        }
    }
    count(rows_[row]);
    // The context is built again so the row's own page number and variables show.
    const ReportContext placedContext = context(&rows_[row], span(from, to));
    place(detail, def_.margins.left() + column_ * columnWidth_, y_, placedContext);
    y_ += detail.height;
    if (inColumns_)
        columnsBottom_ = std::max(columnsBottom_, y_);
    fresh_ = false;
    lastPlacedRow_ = row;
}

void LayoutRun::resolvePageNumbers()
{
    std::vector<int> numbers(pageSet_.size());
    QHash<int, int> counts;
    for (std::size_t page = 0; page < pageSet_.size(); ++page)
        numbers[page] = ++counts[pageSet_[page]];
    for (std::size_t page = 0; page < pageSet_.size(); ++page) {
        pages_.pages[page].number = numbers[page];
        pages_.pages[page].count = counts.value(pageSet_[page]);
    }
    for (const PendingText& text : pending_) {
        ReportPage& page = pages_.pages[text.page];
        page.items[text.item].text = text.value.resolvePage(page.number, page.count);
    }
}

ReportPages LayoutRun::run()
{
    pages_.title = def_.title;
    pages_.paperSize = def_.paperSize;
    resetVariables(ReportVariable::Scope::Report);
    currentRow_ = rowCount() > 0 ? 0 : -1;
    startPage(false, 0);

    for (int row = 0; row < rowCount(); ++row) {
        currentRow_ = row;
        const int changed = row == 0 ? 0 : changeLevel_[row];
        if (row > 0)
            closeGroups(changed, row - 1);
        for (int level = changed; level < groupCount(); ++level)
            openGroup(level, row);
        placeDetail(row);
    }
    if (rowCount() > 0)
        closeGroups(0, rowCount() - 1);

    leaveColumns();
    const ReportContext summaryContext = context(rowAt(rowCount() - 1), span(0, rowCount()));
    const PreparedBand summary = prepare(def_.summary, summaryContext);
    if (summary.height > room() && y_ > bodyTop_)
        newPage(false, 0);
    place(summary, def_.margins.left(), y_, summaryContext);
    y_ += summary.height;
    finishPage();
    resolvePageNumbers();
    return pages_;
}

} // namespace

ReportPages ReportLayout::layout(const Report& report)
{
    return LayoutRun(report).run();
}
