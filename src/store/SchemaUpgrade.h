#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace korvel::store {

class CatalogStore;

// What the upgrade found in the catalog before it changed anything.
struct UpgradeFindings
{
    bool hasWunschliste = false;  // W
    bool hasGenres = false;       // G
    bool noKanaele = false;       // K
    bool noFsk = false;           // F
    bool noCoverThumb = false;    // C
    bool noWertung = false;       // R
    bool noVerliehen = false;     // L
    bool noOriginaltitel = false; // O
    bool noVisiblenr = false;     // V
    bool visiblenrIsText = false; // T
    bool dvdtypIsNumber = false;  // N
};

struct UpgradeResult
{
    UpgradeFindings findings;
    // Every statement sent to the engine by the upgrade (DDL and INSERT), in order. Empty for
    // a catalog that was up to date.
    QStringList statements;
    int convertedEntries = 0; // entries whose medium type or mastering number became a text
    int movedLoans = 0;       // rows of the old loan table copied into their entries
    int numberedEntries = 0;  // entries that received a visible number
};

// Points where a caller (in practice: a test) can look at or stop a running upgrade. A throw
// from a hook ends the upgrade exactly like an engine error would.
struct UpgradeHooks
{
    std::function<void(int step)> beforeStep; // steps 1 to 18
    std::function<void(const QString& statement)> beforeStatement;
};

// Brings the connected catalog to the current layout: missing tables and columns, wider
// columns, medium type and mastering codes as texts, loans from the old loan table in the
// entry rows, visible numbers. Every step tests whether it is needed, so an up-to-date
// catalog is left alone. The whole upgrade is one transaction: when anything fails the
// catalog is as it was before and the error (a StoreError) reaches the caller.
//
// Leaves haupt closed with its list query put back and sprachen with its SQL text put back.
UpgradeResult updateto16(CatalogStore& store, const UpgradeHooks& hooks = {});

namespace SchemaUpgrade {

// The information shown after the menu command "Datenbank aktualisieren".
QString doneMessage();

// The texts that stand for the old medium type and mastering numbers; empty outside the
// known range.
QString mediumTypeText(int code);
QString masteringText(int code);

// Whether text is a valid decimal integer (optional sign, digits, 32 bits).
bool isDecimalInteger(const QString& text, int* value = nullptr);

} // namespace SchemaUpgrade
} // namespace korvel::store
