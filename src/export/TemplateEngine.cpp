#include "export/TemplateEngine.h"

#include "common/Cp1252.h"
#include "common/Rounding.h"
#include "entry/DomainLists.h"
#include "export/CoverThumbnail.h"
#include "export/ExportError.h"
#include "store/CatalogDatabase.h"
#include "store/CatalogStore.h"
#include "store/RecordSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korvel::exporting {

namespace {

enum class Kind
{
    WhileNotEof,
    MoveNext,
    EndNotEof,
    Link,
    Plain,
    Dauer,
    Wertung,
    Bildtyp,
    Bildformat,
    Thumb
};

struct TokenInfo
{
    Kind kind;
    QString column;
};

const QHash<QString, TokenInfo>& tokenTable()
{
    static const QHash<QString, TokenInfo> table{
        {QStringLiteral("WHILE NOT EOF"), {Kind::WhileNotEof, {}}},
        {QStringLiteral("MOVE NEXT"), {Kind::MoveNext, {}}},
        {QStringLiteral("END NOT EOF"), {Kind::EndNotEof, {}}},
        {QStringLiteral("LINK"), {Kind::Link, {}}},
        {QStringLiteral("NR"), {Kind::Plain, QStringLiteral("visiblenr")}},
        {QStringLiteral("ABS_NR"), {Kind::Plain, QStringLiteral("nummer")}},
        {QStringLiteral("TITEL"), {Kind::Plain, QStringLiteral("titel")}},
        {QStringLiteral("ORIGINALTITEL"), {Kind::Plain, QStringLiteral("originaltitel")}},
        {QStringLiteral("GENRE"), {Kind::Plain, QStringLiteral("genre")}},
        {QStringLiteral("DAUER"), {Kind::Dauer, QStringLiteral("laufzeit")}},
        {QStringLiteral("WERTUNG"), {Kind::Wertung, QStringLiteral("wertung")}},
        {QStringLiteral("DARSTELLER"), {Kind::Plain, QStringLiteral("darsteller")}},
        {QStringLiteral("REGIE"), {Kind::Plain, QStringLiteral("regie")}},
        {QStringLiteral("MUSIK"), {Kind::Plain, QStringLiteral("musik")}},
        {QStringLiteral("PRODUZENT"), {Kind::Plain, QStringLiteral("produzent")}},
        {QStringLiteral("DREHBUCH"), {Kind::Plain, QStringLiteral("buch")}},
        {QStringLiteral("KOSTÜME"), {Kind::Plain, QStringLiteral("kostueme")}},
        {QStringLiteral("EFFEKTE"), {Kind::Plain, QStringLiteral("visuelle_effekte")}},
        {QStringLiteral("BESCHREIBUNG"), {Kind::Plain, QStringLiteral("beschreibung")}},
        {QStringLiteral("DVDEXTRAS"), {Kind::Plain, QStringLiteral("dvdextras")}},
        {QStringLiteral("DATUM"), {Kind::Plain, QStringLiteral("datum")}},
        {QStringLiteral("EAN"), {Kind::Plain, QStringLiteral("ean")}},
        {QStringLiteral("REGION"), {Kind::Plain, QStringLiteral("region")}},
        {QStringLiteral("FSK"), {Kind::Plain, QStringLiteral("fsk")}},
        {QStringLiteral("DVDTYP"), {Kind::Plain, QStringLiteral("dvdtyp")}},
        {QStringLiteral("MASTERING"), {Kind::Plain, QStringLiteral("mastering")}},
        {QStringLiteral("BILDTYP"), {Kind::Bildtyp, QStringLiteral("bildtyp")}},
        {QStringLiteral("BILDFORMAT"), {Kind::Bildformat, QStringLiteral("bildformat")}},
        {QStringLiteral("THUMB"), {Kind::Thumb, QStringLiteral("nummer")}},
    };
    return table;
}

const QString kDelimiter = QStringLiteral("%%");

} // namespace

TemplateEngine::TemplateEngine(store::RecordSet& haupt, const QList<qint64>& entryKeys,
                               const QString& targetFolder, ExportProgress* progress)
    : m_haupt(haupt), m_keys(entryKeys), m_targetFolder(targetFolder), m_progress(progress)
{
    m_pump = [this] {
        if (QCoreApplication::instance() && m_sincePump.elapsed() >= 15) {
            QCoreApplication::processEvents();
            m_sincePump.restart();
        }
    };
}

QStringList TemplateEngine::expand(const QStringList& lines)
{
    m_sincePump.start();
    m_current = m_keys.isEmpty() ? -1 : 0;
    m_loopStart = -1;
    m_advanced = 0;
    m_progressShown = false;
    m_moves = 0;
    m_movesAtLastJump = -1;
    if (m_current >= 0) {
        buildKeyIndex();
        openEntry();
    }

    QStringList out;
    out.reserve(lines.size());
    int r = 0;
    while (r < lines.size()) {
        int next = r + 1;
        QString line = lines[r];
        qsizetype p = line.indexOf(kDelimiter);
        while (p >= 0) {
            const qsizetype q = line.indexOf(kDelimiter, p + 2);
            const QString name = q < 0 ? QString() : line.mid(p + 2, q - p - 2);
            const QString value = replacement(name, r, next);
            line.replace(p, q < 0 ? 2 : q + 2 - p, value);
            if (line == QLatin1String("<>"))
                line.clear();
            pump();
            // Go on after the inserted value: a value is never read as template text, so a
            // title holding "%%" neither breaks the line nor loops forever.
            p = line.indexOf(kDelimiter, std::min(p + value.size(), line.size()));
        }
        out << line;
        r = next;
    }
    if (m_progress)
        m_progress->hide();
    return out;
}

QString TemplateEngine::replacement(const QString& name, int line, int& nextLine)
{
    const auto it = tokenTable().constFind(name);
    if (it == tokenTable().cend())
        return name;
    const TokenInfo& token = *it;
    switch (token.kind) {
    case Kind::WhileNotEof:
        m_loopStart = line;
        if (!m_progressShown) {
            m_progressShown = true;
            m_advanced = 0;
            if (m_progress)
                m_progress->show();
        }
        return {};
    case Kind::MoveNext:
        if (m_current >= 0) {
            ++m_moves;
            if (++m_current < m_keys.size()) {
                ++m_advanced;
                openEntry();
                if (m_progress)
                    m_progress->setPosition(roundHalfEven(m_advanced * 100.0 / m_keys.size()));
            } else {
                m_current = -1;
            }
        }
        return {};
    case Kind::EndNotEof:
        if (m_current >= 0) {
            // A pass that did not move on would repeat for ever; go on after the loop then.
            if (m_loopStart >= 0 && m_moves != m_movesAtLastJump) {
                m_movesAtLastJump = m_moves;
                nextLine = m_loopStart;
            }
        } else if (m_progressShown) {
            m_progressShown = false;
            if (m_progress)
                m_progress->hide();
        }
        return {};
    case Kind::Link:
        return {};
    default:
        break;
    }
    if (m_current < 0)
        return {};
    const QString value = field(token.column);
    switch (token.kind) {
    case Kind::Dauer:
        return value + QStringLiteral(" min.");
    case Kind::Wertung: {
        const int index = value.toInt(); // no value counts as 0
        const QStringList& ratings = entry::DomainLists::ratings();
        return index >= 0 && index < ratings.size() ? ratings[index] : QString();
    }
    case Kind::Bildtyp:
        return !value.isEmpty() && value != QLatin1String("0") ? QStringLiteral("NTSC")
                                                               : QStringLiteral("PAL");
    case Kind::Bildformat:
        return value != QLatin1String("0") ? QStringLiteral("16:9 Widescreen")
                                           : QStringLiteral("4:3 Fullscreen");
    case Kind::Thumb:
        return thumb();
    default:
        return value;
    }
}

QString TemplateEngine::field(const QString& column) const
{
    if (m_haupt.atEnd())
        return {};
    const int index = m_columns.value(column, -1);
    return index < 0 ? QString() : m_haupt.text(index);
}

QString TemplateEngine::thumb()
{
    const QString fileName = QString::number(m_keys[m_current]) + QStringLiteral(".jpg");
    if (!m_haupt.atEnd() && m_columns.contains(QStringLiteral("cover_thumb"))) {
        const QByteArray picture = m_haupt.readPicture(QStringLiteral("cover_thumb"));
        CoverThumbnail::write(picture, QDir(m_targetFolder).filePath(fileName));
    }
    return fileName;
}

void TemplateEngine::buildKeyIndex()
{
    // One pass over the keys instead of a full scan per entry: haupt has no index.
    m_rowOfKey.clear();
    m_haupt.close();
    m_haupt.clearBindings();
    m_haupt.setSql({QStringLiteral("select rowid as korvel_row, nummer from haupt")});
    m_haupt.open();
    const int rowIndex = m_haupt.fieldIndex(QStringLiteral("korvel_row"));
    const int keyIndex = m_haupt.fieldIndex(QStringLiteral("nummer"));
    for (; !m_haupt.atEnd(); m_haupt.next()) {
        const qint64 key = m_haupt.text(keyIndex).toLongLong();
        if (!m_rowOfKey.contains(key))
            m_rowOfKey.insert(key, m_haupt.text(rowIndex).toLongLong());
    }
    m_haupt.close();
    m_haupt.setSql({QStringLiteral("select *from haupt where rowid = :row")});
    m_columns.clear();
}

void TemplateEngine::openEntry()
{
    m_haupt.bind(QStringLiteral("row"), m_rowOfKey.value(m_keys[m_current], -1));
    m_haupt.requery();
    if (m_columns.isEmpty())
        for (const QString& name : m_haupt.columnNames())
            m_columns.insert(name.toLower(), m_haupt.fieldIndex(name));
}

void TemplateEngine::pump()
{
    if (m_pump)
        m_pump();
}

void run_template_export(store::CatalogStore& store, const QList<qint64>& entryKeys,
                         const QString& templatePath, const QString& targetPath,
                         ExportProgress* progress)
{
    store::RecordSet& haupt = store.haupt();
    const bool wasOpen = haupt.isOpen();
    const QStringList sql = haupt.sql();
    const QVariantMap params = haupt.bindings();
    haupt.close();
    const auto restore = [&] {
        haupt.close();
        haupt.setSql(sql);
        haupt.clearBindings();
        for (auto it = params.cbegin(); it != params.cend(); ++it)
            haupt.bind(it.key(), it.value());
        if (wasOpen)
            haupt.open();
    };
    try {
        QStringList lines;
        if (!Cp1252::readLines(templatePath, lines))
            throw ExportError(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                                  .arg(QDir::toNativeSeparators(templatePath)));
        TemplateEngine engine(haupt, entryKeys, QFileInfo(targetPath).absolutePath(), progress);
        QStringList out;
        {
            // One read transaction for all entries spares the file locking per entry. It only
            // reads, so it is released (never rolled back) whatever happens.
            store::Transaction reading(store.database());
            try {
                out = engine.expand(lines);
            } catch (...) {
                reading.commit();
                throw;
            }
            reading.commit();
        }
        if (!Cp1252::writeLines(targetPath, out))
            throw ExportError(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.")
                                  .arg(QDir::toNativeSeparators(targetPath)));
    } catch (...) {
        try {
            restore();
        } catch (...) {
            // The first error is the one to report.
        }
        throw;
    }
    restore();
}

} // namespace korvel::exporting
