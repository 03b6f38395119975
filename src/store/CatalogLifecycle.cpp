#include "store/CatalogLifecycle.h"

#include "store/CatalogFile.h"
#include "store/CatalogSchema.h"
#include "store/CatalogStore.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace korvel::store::CatalogLifecycle {

using Kind = Message::Kind;

QString Text::created(const QString& fileName)
{
    return QStringLiteral("Die Datenbank ") + fileName +
           QStringLiteral(" wurde erfolgreich erstellt.");
}

QString Text::compactGained(qint64 bytes)
{
    if (bytes / 1024 > 0)
        return QStringLiteral("Die Datenbank wurde bereinigt. %1 KByte Speicherplatz konnten "
                              "dadurch gewonnen werden.")
            .arg(bytes / 1024);
    return QStringLiteral("Die Datenbank wurde bereinigt. %1 Bytes Speicherplatz konnten dadurch "
                          "gewonnen werden.")
        .arg(bytes);
}

namespace {

// Qt's own file errors are English; the German frame says what failed, Qt's text why.
[[noreturn]] void fileError(const QString& what, const QFile& file)
{
    throw StoreError(what.arg(QDir::toNativeSeparators(file.fileName())) + QStringLiteral("\n\n") +
                     file.errorString());
}

qint64 freeSpaceOf(const QString& folder)
{
    const QStorageInfo info(folder);
    if (!info.isValid() || !info.isReady())
        return -1;
    return info.bytesAvailable();
}

} // namespace

// --- create ---

QString withCatalogExtension(const QString& chosenPath)
{
    if (QFileInfo(chosenPath).fileName().contains(QLatin1Char('.')))
        return chosenPath;
    return chosenPath + QStringLiteral(".mdb");
}

bool isSameFile(const QString& path, const QString& catalogPath)
{
    if (path == catalogPath)
        return true;
    // The same file written another way (relative, through a link, in other case on
    // Windows) must not be overwritten either: it is the open catalog.
    const QFileInfo a(path);
    const QFileInfo b(catalogPath);
    return a.exists() && b.exists() && a == b;
}

CreatePlan planCreate(const QString& chosenPath, const QString& catalogPath)
{
    CreatePlan plan;
    plan.path = withCatalogExtension(chosenPath);
    if (isSameFile(plan.path, catalogPath)) {
        plan.next = CreatePlan::Next::Refused;
        plan.message = {Kind::Information, Text::createRefused};
    } else if (QFileInfo::exists(plan.path) || QFileInfo(plan.path).isSymLink()) {
        plan.next = CreatePlan::Next::AskOverwrite;
    }
    return plan;
}

CreateOutcome createCatalog(CatalogStore& store, const QString& path)
{
    CreateOutcome out;
    out.path = path;
    if (isSameFile(path, store.database().path())) {
        out.message = {Kind::Information, Text::createRefused};
        return out;
    }
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        // Catalogs are write-protected while closed; the user has agreed to replace it.
        setCatalogWritable(path, true);
        QFile old(path);
        if (!old.remove())
            fileError(QStringLiteral("Die Datei \"%1\" kann nicht gelöscht werden."), old);
    }
    try {
        CatalogDatabase::createEmptyFile(path);
    } catch (const StoreError&) {
        out.message = {Kind::Error, Text::createFailed};
        return out;
    }
    // A connection of its own: the store stays on the user's catalog all the time, so a
    // failure here can never leave the program working in the half-made file.
    try {
        CatalogDatabase db;
        db.setPath(path);
        db.connect();
        CatalogSchema::createEmptyCatalog(db);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    setCatalogWritable(path, false);
    CatalogDatabase& current = store.database();
    if (!current.isConnected() && !current.path().isEmpty())
        current.connect();
    out.created = true;
    out.message = {Kind::Information, Text::created(QFileInfo(path).fileName())};
    return out;
}

// --- switch ---

namespace {

void reconnect(CatalogStore& store, const QString& path)
{
    CatalogDatabase& db = store.database();
    db.disconnect();
    setCatalogWritable(path, true);
    db.setPath(path);
    db.connect();
    store.haupt().open(); // the list query, as the movie list had it
}

} // namespace

SwitchOutcome switchCatalog(CatalogStore& store, const QString& path, const UpgradeHooks& hooks)
{
    SwitchOutcome out;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return out;
    CatalogDatabase& db = store.database();
    store.haupt().close();
    store.sprachen().close();
    store.untertitel().close();
    out.previousPath = db.path();
    db.disconnect();
    setCatalogWritable(out.previousPath, false);

    // The chosen file gets its own permissions back when it is not taken: it was not ours.
    // (The "user" bits describe the running user's rights, not the file: left out.)
    const QFileDevice::Permissions chosenPermissions =
        QFile::permissions(path) &
        ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    const auto giveBack = [&] {
        db.disconnect();
        QFile::setPermissions(path, chosenPermissions);
        reconnect(store, out.previousPath);
    };

    db.setPath(path);
    setCatalogWritable(path, true);
    try {
        db.connect();
    } catch (const StoreError&) {
        giveBack();
        out.result = SwitchOutcome::Result::UnknownFormat;
        out.message = {Kind::Error, Text::unknownFormat};
        return out;
    }
    // The upgrade is one transaction: when it fails the chosen catalog is unchanged, and the
    // program goes back to the catalog whose entries the list still shows rather than
    // writing into another catalog under the old list.
    try {
        out.upgrade = updateto16(store, hooks);
    } catch (...) {
        giveBack();
        throw;
    }
    out.result = SwitchOutcome::Result::Switched;
    return out;
}

// --- backup ---

QString folderWithSeparator(const QString& folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

bool copyBlocks(QIODevice& from, QIODevice& to, qint64 blockSize)
{
    QByteArray block(int(blockSize), Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(block.data(), blockSize);
        if (got < 0)
            throw StoreError(QStringLiteral("Die Datenbank kann nicht gelesen werden.\n\n") +
                             from.errorString());
        if (got == 0)
            return true;
        if (to.write(block.constData(), got) < got)
            return false;
    }
}

bool sameBytes(const QString& a, const QString& b)
{
    QFile fa(a);
    QFile fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    constexpr qint64 kChunk = 1 << 20;
    for (;;) {
        const QByteArray x = fa.read(kChunk);
        const QByteArray y = fb.read(kChunk);
        if (x != y)
            return false;
        if (x.isEmpty())
            return fa.atEnd() && fb.atEnd();
    }
}

BackupOutcome backupCatalog(const QString& catalogPath, const QString& folder,
                            const BackupOptions& options)
{
    BackupOutcome out;
    const QFileInfo catalog(catalogPath);
    const QString own = folderWithSeparator(catalog.absolutePath());
    const QString chosen = folderWithSeparator(folder);
    // Also the same folder written another way: the copy would replace the catalog itself.
    if (chosen == own || QFileInfo(chosen) == QFileInfo(own)) {
        out.result = BackupOutcome::Result::OwnFolder;
        out.message = {Kind::Error, Text::backupOwnFolder};
        return out;
    }
    out.target = chosen + catalog.fileName();

    QFile source(catalogPath);
    if (!source.open(QIODevice::ReadOnly))
        fileError(QStringLiteral("Die Datenbank \"%1\" kann nicht gelesen werden."), source);
    const qint64 size = source.size();
    const qint64 free = options.freeSpace ? options.freeSpace(chosen) : freeSpaceOf(chosen);
    if (free < size) {
        out.result = BackupOutcome::Result::NoSpace;
        out.message = {Kind::Error, Text::backupNoSpace};
        return out;
    }

    QFile target(out.target);
    // An earlier copy is write-protected and is not replaced, whoever runs the program.
    if (isWriteProtected(out.target))
        throw StoreError(QStringLiteral("Die Datei \"%1\" ist schreibgeschützt und kann nicht "
                                        "ersetzt werden.")
                             .arg(QDir::toNativeSeparators(out.target)));
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        fileError(QStringLiteral("Die Datei \"%1\" kann nicht angelegt werden."), target);
    const bool whole = copyBlocks(source, target);
    source.close();
    target.close();
    if (!whole) {
        out.result = BackupOutcome::Result::CopyError;
        out.message = {Kind::Error, Text::backupCopyError};
        return out;
    }
    if (options.afterWrite)
        options.afterWrite(out.target);
    // Only a copy that reads back as the catalog counts as a backup.
    if (!sameBytes(catalogPath, out.target)) {
        out.result = BackupOutcome::Result::CopyError;
        out.message = {Kind::Error, Text::backupCopyError};
        return out;
    }
    setCatalogWritable(out.target, false);
    out.result = BackupOutcome::Result::Done;
    out.message = {Kind::Information, Text::backupDone};
    return out;
}

// --- compact ---

Message compactMessage(qint64 before, qint64 after)
{
    if (after >= before)
        return {Kind::Information, Text::compactNoGain};
    return {Kind::Information, Text::compactGained(before - after)};
}

CompactOutcome compactCatalog(CatalogStore& store)
{
    CompactOutcome out;
    CatalogDatabase& db = store.database();
    const QString path = db.path();
    bool failed = false;
    try {
        db.disconnect();
        out.before = QFileInfo(path).size();
        CatalogDatabase::compactFile(path);
    } catch (const std::exception& e) {
        failed = true;
        out.error = QString::fromUtf8(e.what());
    }
    out.after = QFileInfo(path).size();
    db.connect();
    if (failed) {
        out.result = CompactOutcome::Result::Failed;
        out.message = {Kind::Error, Text::compactFailed};
        return out;
    }
    out.result =
        out.after < out.before ? CompactOutcome::Result::Gained : CompactOutcome::Result::NoGain;
    out.message = compactMessage(out.before, out.after);
    return out;
}

// --- upgrade ---

Message upgradeCatalog(CatalogStore& store)
{
    updateto16(store);
    return {Kind::Information, SchemaUpgrade::doneMessage()};
}

} // namespace korvel::store::CatalogLifecycle
