#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

// The classes a dog can enter and the names they go by in the tables.
//
// A class key ("ORNA", "RNCTM") appears in three forms: the key itself in the
// class table, the judge assignments, the catalog and the results; the entry
// flag of the show entry table ("t2orob": trial 2, Open B); and the offered
// flag of the show dates table ("t2or": the regular obedience classes are
// offered in trial 2). Every key, caption and position of those flags comes
// from the one table below, so that the show entry table, the show dates
// table and every walk over them agree.
namespace ClassCodes
{

enum class Section { Obedience, Rally };

// What an entry must carry when it is entered in the class (checked on save).
enum class EntryRequirement {
    Nothing,
    ObedienceJumpHeight, // `ob_jmpht`
    RallyJumpHeight,     // `rallyjmpht`
    LinkCode,            // the field named by `linkCodeField`, shared by all trials
};

struct ClassCode {
    QStringView key; // class key, upper case, as in `db_key`
    Section section;
    bool regular;               // second letter of the key is "R"
    QStringView caption;        // beside the entry check boxes
    QStringView offeredCode;    // the offered flag name after "t" and the trial digit
    QStringView offeredCaption; // beside the offered check boxes of the show dates window
    EntryRequirement requirement;
    QStringView linkCodeField; // empty unless requirement is LinkCode
};

inline constexpr int maxTrials = 4;

// In entry flag order: the order of the entry flags within one trial of the
// show entry table. The 18 obedience classes come first, then the 11 rally ones.
inline constexpr std::array<ClassCode, 29> classes = [] {
    using enum Section;
    using enum EntryRequirement;
    // clang-format off
    return std::array<ClassCode, 29>{{
        {u"ORNA",  Obedience, true,  u"Nov A",             u"or",   u"Obedience (All Regular)", Nothing,             {}},
        {u"ORNB",  Obedience, true,  u"Nov B",             u"or",   u"Obedience (All Regular)", Nothing,             {}},
        {u"OROA",  Obedience, true,  u"Open A",            u"or",   u"Obedience (All Regular)", ObedienceJumpHeight, {}},
        {u"OROB",  Obedience, true,  u"Open B",            u"or",   u"Obedience (All Regular)", ObedienceJumpHeight, {}},
        {u"ORUA",  Obedience, true,  u"Util A",            u"or",   u"Obedience (All Regular)", ObedienceJumpHeight, {}},
        {u"ORUB",  Obedience, true,  u"Util B",            u"or",   u"Obedience (All Regular)", ObedienceJumpHeight, {}},
        {u"ONPN",  Obedience, false, u"Pre Nov",           u"opn",  u"Pre-Novice",              Nothing,             {}},
        {u"ONGN",  Obedience, false, u"Grad Nov",          u"ogn",  u"Grad Novice",             Nothing,             {}},
        {u"ONGO",  Obedience, false, u"Grad Open",         u"ogo",  u"Grad Open",               Nothing,             {}},
        {u"ONVT",  Obedience, false, u"Veterans",          u"ovt",  u"Veterans",                Nothing,             {}},
        {u"ONVR",  Obedience, false, u"Versatility",       u"ovr",  u"Versatility",             Nothing,             {}},
        {u"ONBR",  Obedience, false, u"Brace",             u"obr",  u"Brace",                   LinkCode,            u"bracecode"},
        {u"ONTM",  Obedience, false, u"Team",              u"otm",  u"Team",                    LinkCode,            u"teamcode"},
        {u"ONWN",  Obedience, false, u"Wild Card Novice",  u"own",  u"Wild Card Novice",        Nothing,             {}},
        {u"ONWO",  Obedience, false, u"Wild Card Open",    u"owo",  u"Wild Card Open",          Nothing,             {}},
        {u"ONWU",  Obedience, false, u"Wild Card Utility", u"owu",  u"Wild Card Utility",       Nothing,             {}},
        {u"ONAT",  Obedience, false, u"Advanced Teamwork", u"oat",  u"Advanced Teamwork",       Nothing,             {}},
        {u"ONIT",  Obedience, false, u"International",     u"oit",  u"International",           Nothing,             {}},
        {u"RRNA",  Rally,     true,  u"Novice A",          u"rr",   u"Rally (All Regular)",     Nothing,             {}},
        {u"RRNB",  Rally,     true,  u"Novice B",          u"rr",   u"Rally (All Regular)",     Nothing,             {}},
        {u"RRAA",  Rally,     true,  u"Advanced A",        u"rr",   u"Rally (All Regular)",     RallyJumpHeight,     {}},
        {u"RRAB",  Rally,     true,  u"Advanced B",        u"rr",   u"Rally (All Regular)",     RallyJumpHeight,     {}},
        {u"RREA",  Rally,     true,  u"Excellent A",       u"rr",   u"Rally (All Regular)",     RallyJumpHeight,     {}},
        {u"RREB",  Rally,     true,  u"Excellent B",       u"rr",   u"Rally (All Regular)",     RallyJumpHeight,     {}},
        {u"RNTC",  Rally,     false, u"T Challenge",       u"rtc",  u"T Challenge",             Nothing,             {}},
        {u"RNPL",  Rally,     false, u"Rally Plus",        u"rpl",  u"Rally Plus",              Nothing,             {}},
        {u"RNPR",  Rally,     false, u"Pairs",             u"rpr",  u"Pairs",                   LinkCode,            u"pairscode"},
        {u"RNCTM", Rally,     false, u"T Challenge Team",  u"rctm", u"T Challenge Team",        LinkCode,            u"rctmcode"},
        {u"RNTM",  Rally,     false, u"Team",              u"rtm",  u"Team",                    LinkCode,            u"rtmcode"},
    }};
    // clang-format on
}();

// The offered codes of a section in the order their flags stand in one trial of
// the show dates table. This is not the entry flag order: Versatility comes
// before Brace there and Veterans after Wild Card Utility.
inline constexpr std::array<QStringView, 13> obedienceOfferedCodes{
    u"or",  u"opn", u"ogn", u"ogo", u"ovr", u"obr", u"otm",
    u"own", u"owo", u"owu", u"ovt", u"oat", u"oit"};
inline constexpr std::array<QStringView, 6> rallyOfferedCodes{u"rr",  u"rtc", u"rpl",
                                                              u"rpr", u"rtm", u"rctm"};

// First and last 1-based field position, both included.
struct FieldRange {
    int first = 0;
    int last = 0;
    friend bool operator==(const FieldRange&, const FieldRange&) = default;
};

// "Obedience" or "Rally", as stored in the `section` fields.
QString sectionName(Section section);

// The section of a class key, or of a section name, by its first letter "O" or
// "R" (either case); nothing for any other text.
std::optional<Section> sectionOf(QStringView keyOrName);

// The classes of one section, in entry flag order.
std::span<const ClassCode> classesOf(Section section);
std::span<const QStringView> offeredCodesOf(Section section);

// The class of a key, compared in upper case with trailing blanks ignored (keys
// are stored blank-padded to six); nullptr when the key is none of ours.
const ClassCode* findClass(QStringView key);

// The classes whose entry check boxes one offered flag enables ("or" enables
// all six regular obedience classes), in entry flag order.
QList<const ClassCode*> classesOfferedBy(QStringView offeredCode);

// Field names. A trial outside 1 to 4 throws dbf::Error: a walk that
// asks for trial 5 is a fault, not a class to skip.
//
// "t" + trial + the key in lower case; applies to any key, known or not.
QString entryFlagName(QStringView key, int trial);
// "t" + trial + the offered code ("t3rctm" for RNCTM in trial 3).
QString offeredFlagName(const ClassCode& cls, int trial);
// The same by key; nothing when the key is none of ours.
std::optional<QString> offeredFlagName(QStringView key, int trial);
// The class key of an entry flag name: its first two characters ("t" and the
// trial) dropped, the rest upper-cased ("t3rnctm" gives "RNCTM").
QString classKeyFromFieldName(QStringView fieldName);
// The `selkey` of a class: its offered code in upper case ("OR", "RR", "OPN").
QString selkey(const ClassCode& cls);

// Positions of the flags in the show entry table and the show dates table, for
// the operations that read records by field position.
int entryFlagPosition(const ClassCode& cls, int trial);
// The position of an offered code's flag; nothing for an unknown code.
std::optional<int> offeredFlagPosition(QStringView offeredCode, int trial);

// The offered flags of one trial of a section in the show dates table. The
// obedience block of a trial ends with the trial's date, which is not included.
FieldRange OfferedFieldRange(int trial, Section section);
// All entry flags of a section in the show entry table (all four trials).
FieldRange EntryFieldRange(Section section);
// The entry flags of one trial of a section.
FieldRange EntryFieldRangeForTrial(int trial, Section section);

// The entry flag names of a section, all trials, in record order; the first
// stands at EntryFieldRange(section).first.
QStringList entryFlagNames(Section section);
// The offered flag names of one trial of a section, in record order; the first
// stands at OfferedFieldRange(trial, section).first.
QStringList offeredFlagNames(Section section, int trial);

} // namespace ClassCodes
