#include "TableSchemas.h"

#include "ClassCodes.h"

namespace TableSchemas
{
namespace
{

using dbf::FieldType;

dbf::FieldDef C(const char* name, int width)
{
    return {name, FieldType::Character, width};
}

dbf::FieldDef N(const char* name, int width, int decimals = 0)
{
    return {name, FieldType::Numeric, width, decimals};
}

dbf::FieldDef D(const char* name)
{
    return {name, FieldType::Date, 8};
}

dbf::FieldDef L(const std::string& name)
{
    return {name, FieldType::Logical, 1};
}

std::string trialField(int trial, const char* rest)
{
    return "t" + std::to_string(trial) + rest;
}

// The show dates fields: number, trials, first date, one block per trial of
// the obedience offered flags and the trial's date, event numbers, the rally
// offered flags per trial, and fields of a section this system does not run.
dbf::FieldList showDatesFields()
{
    dbf::FieldList f = {N("show_num", 5), N("num_trials", 1), D("show_date")};
    for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
        for (QStringView code : ClassCodes::obedienceOfferedCodes)
            f.push_back(L(trialField(t, code.toString().toStdString().c_str())));
        f.push_back({trialField(t, "_date"), FieldType::Date, 8});
    }
    for (int t = 1; t <= ClassCodes::maxTrials; ++t)
        f.push_back({trialField(t, "_o_evnum"), FieldType::Character, 12});
    for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
        for (QStringView code : ClassCodes::rallyOfferedCodes)
            f.push_back(L(trialField(t, code.toString().toStdString().c_str())));
    }
    for (int t = 1; t <= ClassCodes::maxTrials; ++t)
        f.push_back({trialField(t, "_r_evnum"), FieldType::Character, 12});
    for (const char* unused : {"ag", "afast", "aspeed"}) {
        for (int t = 1; t <= ClassCodes::maxTrials; ++t)
            f.push_back(L(trialField(t, unused)));
    }
    for (int t = 1; t <= ClassCodes::maxTrials; ++t)
        f.push_back({trialField(t, "_a_evnum"), FieldType::Character, 12});
    return f;
}

void addEntryFlags(dbf::FieldList& f, ClassCodes::Section section)
{
    for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
        for (const auto& cls : ClassCodes::classesOf(section))
            f.push_back(L(ClassCodes::entryFlagName(cls.key, t).toStdString()));
    }
}

// The show entry record: the dog and owner, then the obedience entry flags of
// the four trials, the obedience jump height, the rally entry flags, and the
// rally jump height with the link codes. 145 fields, 519 bytes.
dbf::FieldList showEntryFields()
{
    dbf::FieldList f = {C("reg", 12),        C("dog", 55),        C("breed", 50), C("owner_id", 5),
                        C("first", 25),      C("last", 25),       C("arm", 5),    C("handler", 40),
                        N("shownum", 5),     C("notes", 80),      L("printit"),   L("prepaidcat"),
                        C("titles_pre", 15), C("titles_end", 30), L("worker"),    L("waitlist"),
                        L("emailsent"),      C("reg_ctry", 10),   C("srtkey", 3)};
    addEntryFlags(f, ClassCodes::Section::Obedience);
    f.push_back(C("ob_jmpht", 2));
    addEntryFlags(f, ClassCodes::Section::Rally);
    for (auto field :
         {C("rallyjmpht", 2), C("bracecode", 1), C("teamcode", 1), C("pairscode", 1),
          C("rctmcode", 1), C("rtmcode", 1), C("agil_link", 15), L("mixed"), C("junior_id", 12)})
        f.push_back(field);
    return f;
}

const dbf::FieldList vobcombFields = {C("trial", 1),   C("armband", 11), C("open", 6),
                                      C("utility", 6), C("combined", 6), N("placement", 3),
                                      C("breed", 45)};
const std::vector<dbf::TagDef> vobcombTags = {
    {"armband", "armband+trial+str(recno(),5)"},
    {"report", "trial+armband+str(recno(),5)"},
    {"calc", "trial+combined+armband+str(recno(),5)", true}};

} // namespace

const TableSchema& Dogs()
{
    static const TableSchema s{
        "Dogs",
        "dogmaster2.dbf",
        TableFolder::UserData,
        {C("reg", 12),     C("dog", 55),      C("breed", 50),      C("sex", 6),
         C("first", 25),   C("last", 25),     C("owner2", 50),     C("breeder", 60),
         C("sire", 60),    C("dam", 60),      D("bdate"),          C("callname", 20),
         C("ht_card", 4),  C("owner_id", 5),  C("titles_pre", 12), C("titles_end", 20),
         D("modified"),    C("reg_ctry", 10), C("ob_jmpht", 2),    C("rallyjmpht", 2),
         C("ag_jmpht", 2), C("isc_jmpht", 2)},
        {{"REGNUM", "upper(reg)"},
         {"OWNERNAME", "upper(last + first)"},
         {"DOGNAME", "upper(dog)"},
         // The dog master window offers its Call Name order over this tag.
         {"CALLNAME", "upper(callname)"}},
        "regnum"};
    return s;
}

const TableSchema& Owners()
{
    static const TableSchema s{"Owners",
                               "Owners25.dbf",
                               TableFolder::UserData,
                               {C("owner_id", 5), C("first", 25), C("last", 25), C("address", 40),
                                C("city", 30), C("state", 20), C("zip", 10), C("phone", 14),
                                C("email", 60), C("country", 10), D("modified"), C("notes", 50),
                                C("cell", 12)},
                               {{"NAME", "upper(last + first)"},
                                {"STATE", "state+city+last+first"},
                                {"ZIP", "upper(zip)+upper(last + first)"},
                                {"EMAILSRT", "upper(email)+str(recno(),5)"},
                                {"OWNERID", "owner_id"}},
                               "name"};
    return s;
}

const TableSchema& Judges()
{
    static const TableSchema s{"Judges",
                               "judges25.dbf",
                               TableFolder::UserData,
                               {C("judgenum", 5), C("first", 25), C("last", 25), C("address", 40),
                                C("city", 30), C("state", 20), C("zip", 10), C("country", 20),
                                C("phone", 14), C("workphone", 20), C("fax", 14), C("email", 60),
                                C("notes", 60), C("nurjudgeid", 8)},
                               {{"NAME", "upper(last + first)"},
                                {"STATE", "state+city+last+first"},
                                {"JUDGNUM", "judgenum"}},
                               "name"};
    return s;
}

const TableSchema& Breeds()
{
    static const TableSchema s{
        "Breeds",
        "nurbreeds25.dbf",
        TableFolder::UserData,
        {C("breed_name", 50), C("short_name", 12), C("group", 1), C("groupname", 15)},
        {{"BREEDNAME", "upper(breed_name)"}},
        "breedname"};
    return s;
}

const TableSchema& Mail()
{
    static const TableSchema s{"Mail",
                               "maildb25.dbf",
                               TableFolder::UserData,
                               {C("first", 25), C("last", 25), C("lastshow", 30), C("address", 40),
                                C("city", 30), C("state", 20), C("zip", 10), C("email", 60),
                                C("country", 10), C("phone", 14), L("stored"), L("obed"),
                                L("rally"), L("agility"), C("cell", 12)},
                               {{"NAME", "upper(last + first)"},
                                {"ZIP", "upper(zip)+upper(last + first)"},
                                {"EMAILSRT", "upper(email)+str(recno(),5)"}},
                               "name"};
    return s;
}

const TableSchema& ShowDates()
{
    static const TableSchema s{"ShowDates",
                               "shwdates25.dbf",
                               TableFolder::UserData,
                               showDatesFields(),
                               {{"SHOWNUM", "str(show_num,5)"}, {"SHOWDATE", "dtos(show_date)"}},
                               "shownum"};
    return s;
}

const TableSchema& ShowClasses()
{
    static const TableSchema s{"ShowClasses",
                               "nurclass26.dbf",
                               TableFolder::ProgramData,
                               {C("section", 9), C("classname", 55), C("srtkey", 3),
                                C("catgroup", 3), C("db_key", 6), C("selkey", 4), C("fee_type", 3),
                                N("maxscore", 3), L("can_nq"), N("q_score", 3)},
                               {{"NAME", "upper(classname+section)"},
                                {"DBKEY", "upper(db_key)+str(recno(),5)"},
                                {"srtkey", "srtkey"},
                                {"SECTION", "upper(section+classname)"},
                                {"SECSRT", "upper(section)+srtkey"}},
                               "name"};
    return s;
}

const TableSchema& CatGroups()
{
    static const TableSchema s{
        "CatGroups",
        "catgroups.dbf",
        TableFolder::ProgramData,
        {C("section", 15), C("catgroup", 3), C("descript", 30), C("header", 80), C("footer1", 80),
         C("footer2", 80), C("footer3", 80), C("footer4", 80)},
        {{"GroupKEY", "upper(catgroup)+section"}, {"Section", "section+upper(catgroup)"}},
        "groupkey"};
    return s;
}

const TableSchema& Show()
{
    static const TableSchema s{
        "Show", "showdb25.dbf", TableFolder::ProgramData, showEntryFields(), {}, {}};
    return s;
}

const TableSchema& TzDbf1()
{
    static const TableSchema s{
        "TzDbf1",
        {},
        TableFolder::Shows,
        showEntryFields(),
        {{"NAME", "upper(last + first)+str(recno(),5)"},
         {"REGNUM", "upper(reg)"},
         {"DOGNAME", "upper(dog)"},
         {"ARMBAND", "arm+str(recno(),5)"},
         {"BREEDNAME", "breed"},
         {"SRTKEY", "srtkey+str(recno(),5)"},
         {"aobjmpht", "srtkey+str(val(ob_jmpht),2,0)+str(recno(),5)"},
         {"dobjmpht", "srtkey+str(val(ob_jmpht),2,0)+str(recno(),5)", true},
         {"arallyht", "srtkey+str(val(rallyjmpht),2,0)+str(recno(),5)"},
         {"drallyht", "srtkey+str(val(rallyjmpht),2,0)+str(recno(),5)", true}},
        "name"};
    return s;
}

const TableSchema& ShwJudges()
{
    static const TableSchema s{
        "ShwJudges",
        "shwjudge.dbf",
        TableFolder::ShowData,
        {N("show_num", 5), C("trialnum", 1), C("judgenum", 5), C("section", 9), C("classname", 55),
         C("db_key", 6)},
        {{"judgekey", "trialnum+judgenum+classname"}, {"trialKEY", "trialnum+db_key"}},
        "trialkey"};
    return s;
}

const TableSchema& Catalog()
{
    static const TableSchema s{
        "Catalog",
        "catalog.dbf",
        TableFolder::ShowData,
        {N("shownum", 5),  C("reg", 12),     C("armband", 5),   C("section", 9),   C("class", 50),
         C("db_key", 6),   C("srtkey", 3),   L("trial1"),       L("trial2"),       L("trial3"),
         L("trial4"),      C("dogname", 80), C("breed", 50),    C("first", 25),    C("last", 25),
         C("handler", 30), C("owner_id", 5), C("bracecode", 1), C("teamcode", 1),  C("jmp_ht", 2),
         C("sex", 6),      D("bdate"),       C("sire", 60),     C("dam", 60),      C("breeder", 60),
         C("owner2", 50),  C("catgroup", 3), C("reg_ctry", 10), C("pairscode", 1), C("rtmcode", 1),
         C("rctmcode", 1)},
        {{"CATKEY", "srtkey+bracecode+teamcode+armband+str(recno(),5)"},
         {"DBKEY", "db_key+armband+str(recno(),5)"},
         {"RCATKEY", "srtkey+pairscode+rtmcode+rctmcode+armband+str(recno(),5)"}},
        "DBKEY"};
    return s;
}

const TableSchema& Results()
{
    static const TableSchema s{
        "Results",
        "results.dbf",
        TableFolder::ShowData,
        {N("shownum", 5),      C("trial", 1),     C("db_key", 6),      C("jmp_ht", 2),
         C("reg", 12),         C("breed", 50),    C("armband", 5),     C("score", 6),
         C("tie", 4),          C("nq", 2),        C("runtime", 8),     C("place", 1),
         N("srt_score", 6, 2), N("srt_tie", 1),   N("srt_time", 7, 2), N("flipsort", 2),
         C("srtkey", 3),       C("bracecode", 2), C("teamcode", 2),    C("points_off", 4),
         C("ownerid", 5),      C("handler", 30),  C("pairscode", 2),   C("rtmcode", 2),
         C("rctmcode", 2),     C("mixed", 1),     L("junior")},
        {{"DBKEY", "trial+db_key+armband+reg+str(recno(),5)"},
         {"BRACE", "trial+db_key+bracecode+armband+str(recno(),5)"},
         {"TEAM", "trial+db_key+teamcode+armband+str(recno(),5)"},
         {"REGKEY", "trial+db_key+reg+str(recno(),5)"},
         {"OBSCORE", "trial+db_key+str(srt_score,6,2) + str(srt_tie)", true},
         {"RASCORE", "trial+db_key+str(srt_score,6,2) + str(srt_time,7,2) + str(srt_tie)", true},
         {"OBHIT", "trial+substr(db_key,1,1)+str(srt_score,6,2) + str(srt_tie)", true},
         {"RAHIT", "trial+substr(db_key,1,1)+str(srt_score,6,2) + str(srt_time,7,2) + str(srt_tie)",
          true},
         {"BREEDHIT",
          "trial+substr(db_key,1,1)+upper(breed)+str(srt_score,6,2) + str(srt_time,7,2) + "
          "str(srt_tie)",
          true},
         {"PAIRS", "trial+db_key+pairscode+armband"},
         {"RTEAM", "trial+db_key+rtmcode+armband"},
         {"CTEAM", "trial+db_key+rctmcode+armband"}},
        "REGKEY"};
    return s;
}

const TableSchema& TzVDbf1()
{
    static const TableSchema s{"TzVDbf1",
                               "vobgate25.dbf",
                               TableFolder::ProgramData,
                               {C("trial", 1), C("srtkey", 3), C("db_key", 6), C("section", 9),
                                C("armband", 5), C("breed", 50), D("tdate"), C("jmpht", 2),
                                C("handler", 40)},
                               {{"TrialKEY", "section+trial+srtkey+armband"}},
                               "trialkey"};
    return s;
}

const TableSchema& Ribbons()
{
    static const TableSchema s{"Ribbons",
                               "vribbon.dbf",
                               TableFolder::ProgramData,
                               {D("showdate"), C("trial", 1), C("fullclass", 18), C("reg", 12),
                                C("dog", 40), C("score", 6), C("sct_act", 6), C("runtime", 6),
                                C("judge", 20), C("place", 1), C("clubname", 60)},
                               {},
                               {}};
    return s;
}

const TableSchema& Placings()
{
    static const TableSchema s{"Placings",
                               "vPlacings.dbf",
                               TableFolder::ProgramData,
                               {C("trial", 1), C("place", 1), C("arm", 5), C("score", 10)},
                               {},
                               {}};
    return s;
}

const TableSchema& Counts()
{
    static const TableSchema s{"Counts",
                               "counts25.dbf",
                               TableFolder::ProgramData,
                               {C("dbkey", 6), C("jmpht", 2), N("t1", 5), N("t2", 5), N("t3", 5),
                                N("t4", 5), C("section", 9), C("sortkey", 3), C("classname", 55)},
                               {{"dbkey", "dbkey+jmpht"}, {"srtkey", "section+sortkey+jmpht"}},
                               "dbkey"};
    return s;
}

const TableSchema& Fees()
{
    static const TableSchema s{
        "Fees",
        "Fees2.dbf",
        TableFolder::ProgramData,
        {C("section", 15), C("fee_type", 25), N("t1", 4), N("t2", 4), N("t3", 4), N("t4", 4)},
        {},
        {}};
    return s;
}

const TableSchema& Vobcomb25()
{
    static const TableSchema s{"vobcomb25",   "vobcomb25.dbf", TableFolder::ProgramData,
                               vobcombFields, vobcombTags,     "armband"};
    return s;
}

const TableSchema& Vobcomb()
{
    static const TableSchema s{"vobcomb",     "vobcomb.dbf", TableFolder::ProgramData,
                               vobcombFields, vobcombTags,   "armband"};
    return s;
}

const TableSchema& VRallybk()
{
    static const TableSchema s{
        "vRallybk",
        "vrallybk25.dbf",
        TableFolder::ProgramData,
        {C("trial", 1), C("db_key", 6), C("armband", 5), C("breed", 40), C("runtime", 8),
         C("points_off", 4), C("score", 6), C("reg", 11), N("srt_score", 6, 2), N("srt_time", 7, 2),
         N("srt_tie", 1), C("placing", 1), C("jmpht", 2)},
        {{"report", "trial+db_key+armband+str(recno(),5)"},
         {"RASCORE", "trial+db_key+str(srt_score,6,2) + str(srt_time,6,2) + str(srt_tie)", true}},
        "report"};
    return s;
}

const TableSchema& ArmbandLabels()
{
    static const TableSchema s{"ArmbandLabels",
                               "virtarm.dbf",
                               TableFolder::ProgramData,
                               {C("armband", 5), C("reg", 12), C("callname", 20), C("owner", 45)},
                               {},
                               {}};
    return s;
}

const TableSchema& CheckInEnvelopes()
{
    static const TableSchema s{
        "CheckInEnvelopes",
        "vcheck.dbf",
        TableFolder::ProgramData,
        {C("owner", 45), C("dog1", 45), C("dog2", 45), C("dog3", 45), C("dog4", 45), C("dog5", 45)},
        {},
        {}};
    return s;
}

const QList<const TableSchema*>& all()
{
    static const QList<const TableSchema*> tables = {
        &Dogs(),     &Owners(),        &Judges(),          &Breeds(),
        &Mail(),     &ShowDates(),     &ShowClasses(),     &CatGroups(),
        &Show(),     &TzDbf1(),        &ShwJudges(),       &Catalog(),
        &Results(),  &TzVDbf1(),       &Ribbons(),         &Placings(),
        &Counts(),   &Fees(),          &Vobcomb25(),       &Vobcomb(),
        &VRallybk(), &ArmbandLabels(), &CheckInEnvelopes()};
    return tables;
}

const TableSchema* find(QStringView component)
{
    for (const TableSchema* s : all()) {
        if (s->component.compare(component, Qt::CaseInsensitive) == 0)
            return s;
    }
    return nullptr;
}

const TableSchema* forFile(TableFolder folder, QStringView fileName)
{
    if (folder == TableFolder::Shows)
        return fileName.startsWith(u"show-", Qt::CaseInsensitive) &&
                       fileName.endsWith(u".dbf", Qt::CaseInsensitive)
                   ? &TzDbf1()
                   : nullptr;
    for (const TableSchema* s : all()) {
        if (s->folder == folder && s->fileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return s;
    }
    return nullptr;
}

} // namespace TableSchemas
