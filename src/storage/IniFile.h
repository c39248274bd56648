#pragma once

#include <QList>
#include <QString>

#include <optional>

// One key=value pair of a section, for writing several keys in one go.
struct IniEntry {
    QString section;
    QString key;
    QString value;
};

// A settings file of [sections] and key=value lines, read and written the way
// the secretary's older tools left it: no quoting and no escaping, so a Windows
// path stays exactly as typed. Sections and keys match without regard to case.
// Every read opens the file afresh, so a value written anywhere is seen by the
// next read. Writing keeps every other line (comments, unknown keys) in place.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // The value of the key, or nothing when the file, the section or the key is
    // missing or the file cannot be read.
    std::optional<QString> read(const QString& section, const QString& key) const;

    // Each returns false when the file could not be written; errorString() says why.
    bool write(const QString& section, const QString& key, const QString& value);
    bool writeMany(const QList<IniEntry>& entries);

    QString errorString() const { return errorString_; }

private:
    QString path_;
    QString errorString_;
};
