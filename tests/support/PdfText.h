#pragma once

#include <QSizeF>
#include <QString>

#include <vector>

// What poppler's pdftotext, a reader that shares nothing with our printing,
// finds in a PDF file.

// A word of a page, its box in points from the page's top-left corner.
struct PdfWord {
    QString text;
    int page; // counted from 1
    double xMin;
    double yMin;
    double xMax;
    double yMax;
};

struct PdfWords {
    int pages = 0;
    QSizeF pageSize; // of the last page
    std::vector<PdfWord> words;

    // The first word with that text on the page, or on any page for 0.
    const PdfWord* find(const QString& text, int page = 0) const;
};

// Every word of every page (`pdftotext -bbox`); a file pdftotext cannot read
// fails the test.
PdfWords pdfWords(const QString& pdf);

// The plain text of every page laid out as printed (`pdftotext -layout`),
// each page ended by a form feed; empty when pdftotext cannot read the file.
QString pdfText(const QString& pdf);
