#pragma once

#include "storage/Result.h"

#include <QString>
#include <QStringView>

class DataRoot;
class QTextDocument;

// The help texts the program shows, and reading one from the data root's
// help folder for the help viewer.
namespace HelpText
{

// The files the menus and buttons name.
inline constexpr QStringView startAShow = u"nurhowto.rtf";
inline constexpr QStringView addOwnerNames = u"ownerhelp.rtf";
inline constexpr QStringView backupOrTransfer = u"nurtranshow2.rtf";
inline constexpr QStringView newSecretary = u"NurNewSec.txt";
inline constexpr QStringView versionHistory = u"~nur26Notes.txt";
inline constexpr QStringView breedNameFormats = u"nurbreeds.rtf";
inline constexpr QStringView classKeys = u"classkeys.rtf";

// Reads the help file `name` from the help folder (found whatever the case of
// its name) into `document`: a rich-text file (.rtf) as rich text, any other
// as plain text (UTF-8, or Windows-1252 when it is not UTF-8). A missing or
// unreadable file gives the message that names it; the document is then
// left as it was.
Done read(const DataRoot& root, QStringView name, QTextDocument& document);

} // namespace HelpText
