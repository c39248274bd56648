#pragma once

#include <vector>

// How much room a column's texts want: `widest` for its longest text on one
// line, `narrowest` for its longest word, the least it can have without a
// word being broken. Both include the gap to the next column.
struct ColumnNeed {
    double widest = 0;
    double narrowest = 0;
};

// How the columns of a listing share its width, as a table shares a page:
// every column as wide as its longest text when all of them fit in `room`;
// otherwise each gets at least its longest word and the rest of the room goes
// to the columns whose texts would still break, in proportion to what they
// lack; only when even the words do not fit are they broken, every column
// shrinking alike.
std::vector<double> sharedColumnWidths(const std::vector<ColumnNeed>& needs, double room);
