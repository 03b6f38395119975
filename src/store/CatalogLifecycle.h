#pragma once

#include "store/SchemaUpgrade.h"

#include <QString>

#include <functional>

class QIODevice;

namespace korvel::store {

class CatalogStore;

// The commands that act on the catalog file as a whole: create an empty catalog, switch to
// another one, back it up into a folder, compact it. The window asks the user (file and
// folder choosers, the overwrite question) and shows the box the outcome names; these
// functions do the work. Errors that a command does not handle itself arrive as StoreError
// for the general error display.
namespace CatalogLifecycle {

// The texts of the commands' boxes, exactly as the user sees them.
namespace Text {
inline const QString createRefused = QStringLiteral(
    "Die aktuelle Datenbank kann nicht überschrieben werden. Bitte wählen Sie ein anderes "
    "Ausgabeziel.");
inline const QString overwriteQuestion = QStringLiteral(
    "Eine Datei mit dem gewünschten Namen existiert bereits. Soll diese überschrieben werden?");
inline const QString createFailed =
    QStringLiteral("Ein Fehler ist aufgetreten. Die Datenbank konnte nicht erstellt werden.");
QString created(const QString& fileName); // "Die Datenbank <name> wurde erfolgreich erstellt."
inline const QString unknownFormat =
    QStringLiteral("Das Dateiformat ist unbekannt. Die Datei kann nicht importiert werden.");
inline const QString backupOwnFolder = QStringLiteral(
    "Die Datenbank kann nicht in den gewählten Ordner kopiert werden, da dieser die aktuell "
    "verwendete MOVIES.MDB enthält.");
inline const QString backupNoSpace =
    QStringLiteral("Das Ziellaufwerk bietet nicht genug freien Speicher für die Operation.");
inline const QString backupCopyError =
    QStringLiteral("Während des Kopiervorganges ist ein Fehler aufgetreten.");
inline const QString backupDone = QStringLiteral("Der Vorgang wurde erfolgreich abgeschlossen.");
inline const QString compactFailed =
    QStringLiteral("Beim Bereinigen der Datenbank ist ein Fehler aufgetreten.");
inline const QString compactNoGain =
    QStringLiteral("Die Datenbank wurde bereinigt. Allerdings konnte dadurch kein zusätzlicher "
                   "Speicherplatz gewonnen werden.");
// "... <n> KByte ..." when at least 1024 bytes were gained (integer division), else "... <n> Bytes
// ...".
QString compactGained(qint64 bytes);
inline const QString connectedPrefix = QStringLiteral("Verbunden mit ");
} // namespace Text

// The box a window shows after a command (title "Information" or "Fehler", button OK).
struct Message
{
    enum class Kind
    {
        None,
        Information,
        Error
    };
    Kind kind = Kind::None;
    QString text;
};

// --- Leere Datenbank erstellen ---

struct CreatePlan
{
    enum class Next
    {
        Refused,      // the open catalog: show the information box, stop
        AskOverwrite, // a file is there: ask Text::overwriteQuestion (Ja/Nein), on Ja create
        Create        // nothing there: create
    };
    Next next = Next::Create;
    QString path;    // the chosen path with ".mdb" appended when it had no extension
    Message message; // for Refused
};

// The chosen path with ".mdb" appended when its file name has no extension.
QString withCatalogExtension(const QString& chosenPath);
// Whether path names the catalog at catalogPath: the same text, or (written differently)
// the same existing file.
bool isSameFile(const QString& path, const QString& catalogPath);

CreatePlan planCreate(const QString& chosenPath, const QString& catalogPath);

struct CreateOutcome
{
    bool created = false;
    QString path;
    Message message; // success, the creation error, or the refusal
};

// Creates the empty catalog (the seven tables and the geometry row, no genre list, no
// channel column: the upgrade adds those when the catalog is first switched to), replacing
// a file at path, which the user has agreed to. The new file is left write-protected; the
// store stays connected to its catalog. A half-made new file is removed again.
CreateOutcome createCatalog(CatalogStore& store, const QString& path);

// --- Datenbank wechseln ---

struct SwitchOutcome
{
    enum class Result
    {
        NotFound,      // no file at the path: nothing happened
        UnknownFormat, // not a catalog: the previous catalog is connected again, its list
                       // query open again; show message
        Switched       // connected to the new catalog and upgraded
    };
    Result result = Result::NotFound;
    Message message;
    QString previousPath;
    UpgradeResult upgrade;
};

// Leaves the current catalog (write-protected again), connects to path (write protection
// cleared) and upgrades it. When the upgrade fails, the previous catalog is connected again
// (its list query open again), the chosen file is as it was, and the upgrade's error is
// raised. After Switched the caller stores the setting, shows Text::connectedPrefix + path,
// reloads the lent set and the used numbers, refills the list, takes geometry and quicklinks.
SwitchOutcome switchCatalog(CatalogStore& store, const QString& path,
                            const UpgradeHooks& hooks = {});

// --- Datenbank sichern ---

struct BackupOutcome
{
    enum class Result
    {
        OwnFolder,
        NoSpace,
        CopyError,
        Done
    };
    Result result = Result::Done;
    Message message;
    QString target;
};

struct BackupOptions
{
    // Free bytes on the drive holding folder; a negative answer means unknown (too little).
    // Default: QStorageInfo.
    std::function<qint64(const QString& folder)> freeSpace;
    // Runs after the copy is written and closed, before it is checked (tests spoil it here).
    std::function<void(const QString& target)> afterWrite;
};

// The folder with a separator at its end, in the program's form ('/' inside).
QString folderWithSeparator(const QString& folder);

// Copies the catalog file into folder under its own name while the catalog stays connected,
// checks that the copy has the catalog's bytes and write-protects it. A target that cannot
// be created (an earlier, write-protected copy) or a read error raises a StoreError.
BackupOutcome backupCatalog(const QString& catalogPath, const QString& folder,
                            const BackupOptions& options = {});

// The copy loop: blocks of at most blockSize bytes. False when a block was not written whole.
bool copyBlocks(QIODevice& from, QIODevice& to, qint64 blockSize = 10000);

// Whether two files hold the same bytes.
bool sameBytes(const QString& a, const QString& b);

// --- Datenbank aufräumen ---

struct CompactOutcome
{
    enum class Result
    {
        Failed,
        NoGain,
        Gained
    };
    Result result = Result::Failed;
    Message message;
    qint64 before = 0;
    qint64 after = 0;
    QString error; // the engine's or the system's text when it failed
};

// Compacts the catalog file through a compacted copy beside it that then takes its place.
// The catalog is connected again in every case; a failure leaves the original file.
CompactOutcome compactCatalog(CatalogStore& store);

// The message for sizes before and after a successful compaction.
Message compactMessage(qint64 before, qint64 after);

// --- Extras > Optionen > Datenbank aktualisieren ---

// Runs the upgrade on the connected catalog; the box to show afterwards.
Message upgradeCatalog(CatalogStore& store);

} // namespace CatalogLifecycle
} // namespace korvel::store
