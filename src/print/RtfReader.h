#pragma once

#include <QByteArray>

class QTextDocument;

// Reads rich text into a text document for the help viewer: paragraphs, line
// breaks, tabs, bold, italic, underline, font sizes and families, and the
// characters of Windows-1252 and Unicode escapes. What it does not know (page
// setup, colours, pictures, fields) is passed over, never shown as code, so
// a help file written by a word processor still reads as its text.
namespace RtfReader
{

// Replaces the document's content. Text that is not rich text at all is
// taken as plain text.
void read(const QByteArray& rtf, QTextDocument& document);

} // namespace RtfReader
