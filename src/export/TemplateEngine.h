#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace korvel::store {
class CatalogStore;
class RecordSet;
} // namespace korvel::store

namespace korvel::exporting {

// The progress window of an export: shown when the entry loop starts, moved in percent of
// the entries advanced, hidden when the entries have run out and at the end.
class ExportProgress
{
  public:
    virtual ~ExportProgress() = default;
    virtual void show() {}
    virtual void setPosition(int /*percent*/) {}
    virtual void hide() {}
};

// Expands an HTML template line by line against catalog entries. A token is a name between
// two "%%" on one line: the control tokens WHILE NOT EOF, MOVE NEXT, END NOT EOF and LINK
// steer a loop over the entries, field tokens give the current entry's values as they are
// (no HTML escaping), THUMB also writes the entry's cover thumbnail into the target folder,
// and any other name stands for itself.
class TemplateEngine
{
  public:
    // entryKeys: the entries to export (their nummer) in list order. The engine reads them
    // through haupt, whose query it replaces; the caller gives the query back afterwards.
    TemplateEngine(store::RecordSet& haupt, const QList<qint64>& entryKeys,
                   const QString& targetFolder, ExportProgress* progress = nullptr);

    // Called while expanding so that windows stay alive; by default it lets the application
    // process pending events every few milliseconds.
    void setEventPump(std::function<void()> pump) { m_pump = std::move(pump); }

    QStringList expand(const QStringList& templateLines);

  private:
    QString replacement(const QString& name, int line, int& nextLine);
    QString field(const QString& column) const;
    QString thumb();
    void openEntry();
    void buildKeyIndex();
    void pump();

    store::RecordSet& m_haupt;
    QList<qint64> m_keys;
    QString m_targetFolder;
    ExportProgress* m_progress;
    std::function<void()> m_pump;
    QElapsedTimer m_sincePump;

    QHash<qint64, qint64> m_rowOfKey; // first row id of each entry key
    QHash<QString, int> m_columns;    // column name (lower case) to field index
    int m_current = -1;               // index into m_keys, -1: no current entry
    int m_loopStart = -1;
    int m_advanced = 0;
    bool m_progressShown = false;
    // Guards a loop whose body never advances: END NOT EOF repeats only while passes move on.
    int m_movesAtLastJump = -1;
    int m_moves = 0;
};

// The export of one template file into a target file: borrows the shared haupt query and
// gives it back with its text, values and open state. Throws ExportError when the template
// cannot be read or the target cannot be written, StoreError for catalog errors.
void run_template_export(store::CatalogStore& store, const QList<qint64>& entryKeys,
                         const QString& templatePath, const QString& targetPath,
                         ExportProgress* progress = nullptr);

} // namespace korvel::exporting
