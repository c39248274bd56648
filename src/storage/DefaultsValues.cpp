#include "storage/DefaultsValues.h"

namespace K = PreferenceKeys;

DefaultsValues readDefaultsValues(const Preferences& preferences)
{
    DefaultsValues values;
    values.clubName = preferences.clubName();
    values.secretary = preferences.secretary();
    values.enterAsTab = preferences.enterAsTab();
    values.pgdnAsSave = preferences.pgdnAsSave();
    values.autoCaps = preferences.autoCaps();
    values.armbandCreation = preferences.armbandCreation();
    values.armbandDigits = preferences.armbandDigits();
    values.armbandStart = preferences.armbandStart();
    const QString comment = preferences.slipCommentLine();
    values.slipComment =
        comment == Preferences::kUnknown ? DefaultsValues::kDefaultSlipComment : comment;
    return values;
}

bool writeDefaultsValues(Preferences& preferences, const DefaultsValues& values)
{
    const SecretaryInfo& s = values.secretary;
    // The slip prints one comment line, so only the first line is kept.
    const QString comment = values.slipComment.section(u'\n', 0, 0)
                                .remove(u'\r')
                                .left(DefaultsValues::kSlipCommentMaxLength);
    return preferences.writeMany({
        K::clubName.with(values.clubName),
        K::secretaryName.with(s.name),
        K::address.with(s.address),
        K::city.with(s.city),
        K::state.with(s.state),
        K::zip.with(s.zip),
        K::phone.with(s.phone),
        K::email.with(s.email),
        K::slipComment.with(comment),
        K::enterAsTab.with(Preferences::boolText(values.enterAsTab)),
        K::pgdnAsSave.with(Preferences::boolText(values.pgdnAsSave)),
        K::autoCaps.with(Preferences::boolText(values.autoCaps)),
        K::armbands.with(Preferences::armbandCreationText(values.armbandCreation)),
        K::digits.with(QString::number(values.armbandDigits)),
        K::armbandStart.with(values.armbandStart),
    });
}
