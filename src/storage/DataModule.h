#pragma once

#include "DataRoot.h"
#include "Messages.h"
#include "Preferences.h"
#include "Result.h"

#include "dbf/Table.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

// The data module: one object, created first and living as long as the
// process, that owns every table and the state of the open show. Windows
// borrow its tables and never own them. Its lookups never fail: an unknown
// key shows a message naming it and gives a fixed fallback value.
class Tdmod
{
public:
    enum class StartUp {
        // The application's start: the folders, then the master tables.
        // Errors of the environment are shown as error messages and start-up
        // goes on.
        Desktop,
        // A command's start: nothing is made or opened until asked for, so
        // a listing of owners never reads the dog master. Every open
        // operation and lookup opens its table itself.
        OnDemand,
    };
    // Takes the data root and the messages channel and starts up.
    Tdmod(const QString& dataRoot, Messages& messages, StartUp startUp = StartUp::Desktop);
    ~Tdmod();
    Tdmod(const Tdmod&) = delete;
    Tdmod& operator=(const Tdmod&) = delete;

    const DataRoot& root() const { return root_; }
    Messages& messages() const { return messages_; }
    Preferences& preferences() { return preferences_; }

    // --- Tables (null until opened) ------------------------------------
    dbf::Table* Dogs() const { return dogs_.get(); }
    dbf::Table* Owners() const { return owners_.get(); }
    dbf::Table* Judges() const { return judges_.get(); }
    dbf::Table* Breeds() const { return breeds_.get(); }
    dbf::Table* Mail() const { return mail_.get(); }
    dbf::Table* ShowDates() const { return showDates_.get(); }
    dbf::Table* ShowClasses() const { return showClasses_.get(); }
    dbf::Table* CatGroups() const { return catGroups_.get(); }
    dbf::Table* Show() const { return show_.get(); }
    dbf::Table* TzDbf1() const { return tzDbf1_.get(); }
    dbf::Table* ShwJudges() const { return shwJudges_.get(); }
    dbf::Table* Catalog() const { return catalog_.get(); }
    dbf::Table* Results() const { return results_.get(); }
    dbf::Table* TzVDbf1() const { return tzVDbf1_.get(); }
    dbf::Table* Ribbons() const { return ribbons_.get(); }
    dbf::Table* Placings() const { return placings_.get(); }

    // --- Open operations: each does nothing when its table is open ------
    void OpenDogs();
    void OpenOwners();
    void OpenBreeds();
    void OpenClasses();
    void OpenShowDates();
    void OpenJudges();
    void OpenMail();
    void OpenCatGroups();
    void OpenShowJudges(int showNumber);
    void OpenCatalog(int showNumber);
    void OpenResults(int showNumber);
    void OpenGateWorkTable(); // always reopens, then empties
    void OpenRibbons();
    void OpenPlacings();
    void ClearPlacings();
    // Makes catdata/cat<show key>/ when missing.
    void EnsureShowDataFolder(int showNumber);

    // --- The show file ---------------------------------------------------
    // True when the file's record length is that of the current show format;
    // otherwise shows the version message.
    bool CheckShowFileVersion(const QString& path);
    QString ReadLastShow();
    void WriteLastShow(const QString& path);
    QString ReadClubName();

    // The entry table file of show `number` with first date `dateText` as
    // displayed (MM/DD/YYYY): shows/Show-00012-10-14-2006.dbf.
    QString ShowEntryFileName(int number, const QString& dateText) const;
    // Creates a new show's folders and empty entry table, opens it and makes
    // it the current show. Throws dbf::Error naming what failed: a number
    // outside 1 to 99999 before anything is made, an entry file that exists
    // already, a folder or file that cannot be made.
    void CreateShowEntryTable(int number, const QString& dateText);
    // Opens an existing show file after the version check and the show dates
    // check. Returns false (after the message) when it is refused.
    bool OpenShowFile(const QString& path);
    // The File, Open procedure: asks for a show file until one opens or the
    // user cancels; an old-version file ends it. True when a show is open.
    bool OpenExistingShow();
    void CloseShow();
    // The show number read back from a show entry file name ("Show-00012-..." gives 12).
    static int ShowNumberFromFileName(const QString& fileName);

    int currentShowNumber() const { return showNumber_; }
    const QString& currentShowDateText() const { return showDateText_; }
    bool showOpen() const { return tzDbf1_ != nullptr; }

    // --- Class table lookups ----------------------------------------------
    QString ClassNameForField(const QString& fieldName);
    QString SortKeyForField(const QString& fieldName);
    QString CatGroupForKey(const QString& classKey);
    QString DbKeyForSortKey(const QString& sortKey);
    QString ClassNameForSortKey(const QString& sortKey);
    QString Get_ObedClassName(const QString& sortKey);
    struct ClassScore {
        int maxScore = 0;
        bool canNq = false;
        int qualifyingScore = 0;
    };
    // The scoring of a class; all zero (after the message) for an unknown key.
    ClassScore ClassScoring(const QString& classKey);

    // --- Show dates lookups: on the open show's record, or before a show is
    // open on the record the show dates table stands on ----------------------
    bool ShowHasObedience();
    bool ShowHasRally();
    bool TrialHasObedience(int trial);
    bool TrialHasRally(int trial);
    QString TrialDateText(int trial);
    QString EventNumber(int trial, QChar sectionLetter);
    QString ShowDatesText();
    // The show dates record those lookups read; nothing when there is none.
    std::optional<dbf::RecordView> showDatesRecord();

    // --- Master lookups ---------------------------------------------------
    QString DogNameForReg(const QString& reg);
    QString OwnerNameForId(const QString& ownerId);
    QString OwnerEmail(const QString& ownerId);
    QString BreedShortName(const QString& breed);
    // The next owner ID and judge number: the highest in use plus one, five
    // digits; or, when the next would pass 99999, the message that says so.
    Result<QString> NextOwnerId();
    Result<QString> NextJudgeNumber();
    QString DogTitledName(std::uint32_t recno);
    QString JuniorIdForArmband(const QString& armband);

    // --- Judge and catalog group lookups ---------------------------------
    QString JudgeNameForClass(const QString& classKey, int trial);
    QString JudgeNameForSortKey(const QString& sortKey, int trial);
    QString CatGroupHeader(const QString& section, const QString& catGroup);
    // The four footer lines of the group; nothing when no record has it.
    std::optional<std::array<QString, 4>> CatGroupFooters(const QString& catGroup);

    // --- Entry-derived values ----------------------------------------------
    QString LowestSortKey(std::uint32_t recno);
    void RefreshMaxLinkCodes();
    // Highest bracecode, teamcode, pairscode, rctmcode, rtmcode of the show.
    const std::array<QString, 5>& maxLinkCodes() const { return maxLinkCodes_; }
    // The order of maxLinkCodes(), by field name.
    static constexpr std::array<const char*, 5> kLinkCodeFields = {
        "bracecode", "teamcode", "pairscode", "rctmcode", "rtmcode"};
    // Raises the show's highest code of one link-code field (text comparison).
    void RaiseMaxLinkCode(std::string_view field, const QString& code);
    struct EnteredClasses {
        int most = 0;                       // the most classes entered in one trial
        std::array<QStringList, 4> lists{}; // per trial, at most five "(Ob) Novice A"
    };
    EnteredClasses EnteredClassLists(std::uint32_t recno);
    struct EntryResult {
        QString place;
        QString score;
    };
    EntryResult ResultForEntry(int trial, const QString& classKey, const QString& armband,
                               const QString& reg, const QString& braceCode,
                               const QString& teamCode);
    bool hasResults(int trial) const { return hasResults_.at(trial - 1); }

private:
    std::unique_ptr<dbf::Table> openTable(const TableSchema& schema, const QString& path,
                                          bool withTags = true);
    std::unique_ptr<dbf::Table> openTable(const TableSchema& schema, int showNumber = 0);
    void inform(const QString& text);
    QString findInClasses(const char* tag, const QString& key, const char* field,
                          const QString& missingText, const QString& fallback);
    static Result<QString> nextNumber(const std::vector<const dbf::Table*>& tables,
                                      const char* field, const QString& what);
    QString judgeName(const QString& key);
    bool anyFlag(int first, int last);

    DataRoot root_;
    Messages& messages_;
    Preferences preferences_;

    std::unique_ptr<dbf::Table> dogs_, owners_, judges_, breeds_, mail_, showDates_, showClasses_,
        catGroups_, show_, tzDbf1_, shwJudges_, catalog_, results_, tzVDbf1_, ribbons_, placings_;
    int showJudgesNumber_ = 0, catalogNumber_ = 0, resultsNumber_ = 0;

    int showNumber_ = 0;
    QString showDateText_;
    std::array<QString, 5> maxLinkCodes_;
    std::array<bool, 4> hasResults_{};
};
