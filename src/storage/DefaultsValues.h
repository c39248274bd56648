#pragma once

#include "storage/Preferences.h"

#include <QString>

// What the preferences window shows and collects, one member per control.
struct DefaultsValues {
    // Shown when no comment line was ever stored.
    static inline const QString kDefaultSlipComment =
        QStringLiteral("Any Errors?  Please CONTACT the Show Secretary as soon as possible.");
    // The slip has room for this many characters on its comment line.
    static constexpr int kSlipCommentMaxLength = 105;

    QString clubName;
    SecretaryInfo secretary;
    bool enterAsTab = true;
    bool pgdnAsSave = true;
    bool autoCaps = true;
    ArmbandCreation armbandCreation = ArmbandCreation::AfterAutomatic;
    int armbandDigits = 3;
    QString armbandStart;
    QString slipComment;
};

DefaultsValues readDefaultsValues(const Preferences& preferences);

// Writes every key the window edits in one go; false when the file could not
// be written (preferences.errorString() says why).
bool writeDefaultsValues(Preferences& preferences, const DefaultsValues& values);
