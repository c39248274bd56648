#include "storage/Preferences.h"

#include <QDir>

namespace K = PreferenceKeys;

namespace
{

QString catalogSection(CatalogLayout layout)
{
    return layout == CatalogLayout::Booklet ? QStringLiteral("BookletSettings")
                                            : QStringLiteral("FullPageSettings");
}

} // namespace

Preferences::Preferences(const QString& dataRoot)
    : ini_(QDir(dataRoot).filePath(QStringLiteral("gendefs.ini")))
{
}

QString Preferences::readText(const PreferenceKey& key, const QString& fallback) const
{
    return ini_.read(key.section, key.key).value_or(fallback);
}

bool Preferences::readBool(const PreferenceKey& key, bool fallback) const
{
    const QString text = readText(key, QString()).trimmed();
    if (text == u"1" || text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text == u"0" || text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

int Preferences::readInt(const PreferenceKey& key, int fallback) const
{
    bool ok = false;
    const int value = readText(key, QString()).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool Preferences::writeMany(const QList<IniEntry>& entries)
{
    return ini_.writeMany(entries);
}

QString Preferences::clubName() const
{
    return readText(K::clubName, kUnknown);
}

SecretaryInfo Preferences::secretary() const
{
    return SecretaryInfo{readText(K::secretaryName, kUnknown), readText(K::address, kUnknown),
                         readText(K::city, kUnknown),          readText(K::state, kUnknown),
                         readText(K::zip, kUnknown),           readText(K::phone, kUnknown),
                         readText(K::email, kUnknown)};
}

QString Preferences::slipCommentLine() const
{
    return readText(K::slipComment, kUnknown);
}

bool Preferences::enterAsTab(bool fallback) const
{
    return readBool(K::enterAsTab, fallback);
}

bool Preferences::pgdnAsSave(bool fallback) const
{
    return readBool(K::pgdnAsSave, fallback);
}

bool Preferences::autoCaps(bool fallback) const
{
    return readBool(K::autoCaps, fallback);
}

ArmbandCreation Preferences::armbandCreation() const
{
    const QString text = readText(K::armbands, QString()).trimmed();
    const QChar letter = text.isEmpty() ? QChar() : text.front().toUpper();
    if (letter == u'I')
        return ArmbandCreation::InputAutomatic;
    if (letter == u'M')
        return ArmbandCreation::Manual;
    return ArmbandCreation::AfterAutomatic;
}

QString Preferences::armbandCreationText(ArmbandCreation creation)
{
    switch (creation) {
    case ArmbandCreation::InputAutomatic:
        return QStringLiteral("InputAutomatic");
    case ArmbandCreation::Manual:
        return QStringLiteral("Manual");
    case ArmbandCreation::AfterAutomatic:
        break;
    }
    return QStringLiteral("AfterAutomatic");
}

int Preferences::armbandDigits() const
{
    const int digits = readInt(K::digits, 3);
    // Armband numbering has layouts for these three lengths only.
    return digits >= 3 && digits <= 5 ? digits : 3;
}

QString Preferences::armbandStart() const
{
    return readText(K::armbandStart, QStringLiteral("101"));
}

QString Preferences::lastOpenedShow() const
{
    return readText(K::lastOpenedShow, kUnknown);
}

bool Preferences::setLastOpenedShow(const QString& path)
{
    return ini_.writeMany({K::lastOpenedShow.with(path)});
}

QString Preferences::lastShow() const
{
    return readText(K::lastShow, kUnknown);
}

bool Preferences::setLastShow(const QString& showNumber)
{
    return ini_.writeMany({K::lastShow.with(showNumber)});
}

CatalogPrintSettings Preferences::catalogPrintSettings(CatalogLayout layout) const
{
    const QString section = catalogSection(layout);
    const CatalogPrintSettings d;
    const auto number = [&](const char* key, int fallback) {
        return readInt({section, QString::fromLatin1(key)}, fallback);
    };
    const auto flag = [&](const char* key, bool fallback) {
        return readBool({section, QString::fromLatin1(key)}, fallback);
    };
    CatalogPrintSettings s;
    s.clubName = number("ClubName", d.clubName);
    s.showDate = number("ShowDate", d.showDate);
    s.eachPage = number("EachPage", d.eachPage);
    s.classBreaks = flag("ClassBreaks", d.classBreaks);
    s.catBreak = flag("CatBreak", d.catBreak);
    s.classLines = number("ClassLines", d.classLines);
    s.catLines = number("CatLines", d.catLines);
    s.footerLines = number("FooterLines", d.footerLines);
    s.placeLines = number("PlaceLines", d.placeLines);
    s.entryLines = number("EntryLines", d.entryLines);
    s.bold = flag("Bold", d.bold);
    s.caps = flag("Caps", d.caps);
    s.save = flag("Save", d.save);
    return s;
}

bool Preferences::setCatalogPrintSettings(CatalogLayout layout, const CatalogPrintSettings& s)
{
    const QString section = catalogSection(layout);
    const auto number = [&](const char* key, int value) {
        return IniEntry{section, QString::fromLatin1(key), QString::number(value)};
    };
    const auto flag = [&](const char* key, bool value) {
        return IniEntry{section, QString::fromLatin1(key), boolText(value)};
    };
    return ini_.writeMany({number("ClubName", s.clubName), number("ShowDate", s.showDate),
                           number("EachPage", s.eachPage), flag("ClassBreaks", s.classBreaks),
                           flag("CatBreak", s.catBreak), number("ClassLines", s.classLines),
                           number("CatLines", s.catLines), number("FooterLines", s.footerLines),
                           number("PlaceLines", s.placeLines), number("EntryLines", s.entryLines),
                           flag("Bold", s.bold), flag("Caps", s.caps), flag("Save", s.save)});
}

WindowGeometrySettings Preferences::windowGeometry(const QString& windowClass) const
{
    const auto number = [&](const char* key) {
        return readInt({windowClass, QString::fromLatin1(key)}, -1);
    };
    return WindowGeometrySettings{number("Top"), number("Left"), number("Height"), number("Width")};
}

bool Preferences::setWindowGeometry(const QString& windowClass, const WindowGeometrySettings& g)
{
    const auto number = [&](const char* key, int value) {
        return IniEntry{windowClass, QString::fromLatin1(key), QString::number(value)};
    };
    return ini_.writeMany({number("Top", g.top), number("Left", g.left), number("Height", g.height),
                           number("Width", g.width)});
}
