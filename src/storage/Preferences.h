#pragma once

#include "storage/CatalogPrintSettings.h"
#include "storage/IniFile.h"
#include "storage/WindowGeometrySettings.h"

#include <QString>

// How armband numbers come about; only the first letter of the stored word counts.
enum class ArmbandCreation {
    AfterAutomatic, // by index, after all entries are in
    InputAutomatic, // as each entry is saved
    Manual,
};

// Where one setting lives in the file.
struct PreferenceKey {
    QString section;
    QString key;

    IniEntry with(const QString& value) const { return IniEntry{section, key, value}; }
};

// The keys of the club, secretary, keyboard and armband settings.
namespace PreferenceKeys
{
inline const PreferenceKey clubName{QStringLiteral("ClubInfo"), QStringLiteral("ClubName")};
inline const PreferenceKey secretaryName{QStringLiteral("SecretaryInfo"), QStringLiteral("Name")};
inline const PreferenceKey address{QStringLiteral("SecretaryInfo"), QStringLiteral("Address")};
inline const PreferenceKey city{QStringLiteral("SecretaryInfo"), QStringLiteral("City")};
inline const PreferenceKey state{QStringLiteral("SecretaryInfo"), QStringLiteral("State")};
inline const PreferenceKey zip{QStringLiteral("SecretaryInfo"), QStringLiteral("Zip")};
inline const PreferenceKey phone{QStringLiteral("SecretaryInfo"), QStringLiteral("Phone")};
inline const PreferenceKey email{QStringLiteral("SecretaryInfo"), QStringLiteral("Email")};
inline const PreferenceKey slipComment{QStringLiteral("Preferences"), QStringLiteral("Line1")};
inline const PreferenceKey enterAsTab{QStringLiteral("Preferences"), QStringLiteral("EnterAsTab")};
inline const PreferenceKey pgdnAsSave{QStringLiteral("Preferences"), QStringLiteral("PgdnAsSave")};
inline const PreferenceKey autoCaps{QStringLiteral("Preferences"), QStringLiteral("AutoCaps")};
inline const PreferenceKey armbands{QStringLiteral("Preferences"), QStringLiteral("Armbands")};
inline const PreferenceKey digits{QStringLiteral("Preferences"), QStringLiteral("Digits")};
inline const PreferenceKey armbandStart{QStringLiteral("Preferences"),
                                        QStringLiteral("ArmbandStart")};
inline const PreferenceKey lastOpenedShow{QStringLiteral("LastShow"),
                                          QStringLiteral("LastOpenedShow")};
inline const PreferenceKey lastShow{QStringLiteral("LastShow"), QStringLiteral("LastShow")};
} // namespace PreferenceKeys

struct SecretaryInfo {
    QString name;
    QString address;
    QString city;
    QString state;
    QString zip;
    QString phone;
    QString email;
};

// The settings in gendefs.ini in the data root: club and secretary details, the
// keyboard and armband preferences, the catalog print options, the last show
// used and saved window positions. Nothing is cached: every accessor reads the
// file again, and a missing key or a value that does not read as its type gives
// the default.
class Preferences
{
public:
    // Stands for "never set" in the text keys.
    static inline const QString kUnknown = QStringLiteral("Unknown");

    explicit Preferences(const QString& dataRoot);

    QString filePath() const { return ini_.path(); }
    QString errorString() const { return ini_.errorString(); }

    QString clubName() const;
    SecretaryInfo secretary() const;
    // The comment line at the foot of every exhibitor slip, as stored.
    QString slipCommentLine() const;

    // Most windows default these to true; the owner dialog and the return
    // address labels window default them to false.
    bool enterAsTab(bool fallback = true) const;
    bool pgdnAsSave(bool fallback = true) const;
    bool autoCaps(bool fallback = true) const;

    ArmbandCreation armbandCreation() const;
    // 3, 4 or 5; anything else gives 3.
    int armbandDigits() const;
    // Left as text: armband numbering reads it as a number when it runs.
    QString armbandStart() const;

    // Full path of the show entry file last created or opened.
    QString lastOpenedShow() const;
    bool setLastOpenedShow(const QString& path);
    // Number of the last show taken into the mailing list.
    QString lastShow() const;
    bool setLastShow(const QString& showNumber);

    CatalogPrintSettings catalogPrintSettings(CatalogLayout layout) const;
    bool setCatalogPrintSettings(CatalogLayout layout, const CatalogPrintSettings& settings);

    // Kept under the window's class name, e.g. "TMainForm".
    WindowGeometrySettings windowGeometry(const QString& windowClass) const;
    bool setWindowGeometry(const QString& windowClass, const WindowGeometrySettings& geometry);

    // Typed reads and writes for keys without an accessor of their own.
    QString readText(const PreferenceKey& key, const QString& fallback) const;
    bool readBool(const PreferenceKey& key, bool fallback) const;
    int readInt(const PreferenceKey& key, int fallback) const;
    // Each returns false when the file could not be written; errorString() says why.
    bool writeMany(const QList<IniEntry>& entries);

    static QString boolText(bool value)
    {
        return value ? QStringLiteral("1") : QStringLiteral("0");
    }
    static QString armbandCreationText(ArmbandCreation creation);

private:
    IniFile ini_;
};
