#pragma once

#include "app/Settings.h"
#include "ui/AppContext.h"
#include "ui/Desktop.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"

#include <QList>
#include <QQueue>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace korvel::test {

// Message boxes answered from a script; every box shown is recorded.
class ScriptedBoxes : public ui::MessageBoxes
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };
    Button show(QWidget* parent, Kind kind, const QString& text, Buttons buttons) override;

    QList<Shown> shown;
    QQueue<Button> answers; // when empty: Ok, else Yes, else the first button offered
};

class ScriptedFiles : public ui::FileChooser
{
public:
    QString openFile(QWidget*, const QString& title, const QString&, const QString&) override;
    QString saveFile(QWidget*, const QString& title, const QString&, const QString&) override;
    QString chooseFolder(QWidget*, const QString& title, const QString&) override;

    QQueue<QString> answers; // when empty: cancelled
    QStringList titles;
};

class RecordingDesktop : public ui::Desktop
{
public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& path) override;

    QList<QUrl> urls;
    QStringList programs;
    bool succeed = true;
};

// A program folder, settings and scripted seams in temporary folders, never the user's.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString programDir() const { return m_programDir.path(); }
    QString settingsDir() const { return m_settingsDir.path(); }
    // A new catalog (empty catalog plus genre list and channels) at the given file name
    // in the program folder, or in a folder of its own when folder is given.
    QString makeCatalog(const QString& fileName = QStringLiteral("movies.mdb"),
                        const QString& folder = {});
    // Adds an entry row to a catalog file: column name to value, e.g. {"nummer", 1}.
    static void addEntry(const QString& catalogPath, const QVariantMap& columns,
                         const QList<QStringList>& audio = {}, const QList<QStringList>& subtitles = {});
    // Clears every settings value (both the current and the old organisation).
    void clearSettings();

    app::Settings& settings() { return *m_settings; }
    ui::AppContext context;
    ScriptedBoxes boxes;
    ScriptedFiles files;
    RecordingDesktop desktop;

private:
    QTemporaryDir m_programDir;
    QTemporaryDir m_settingsDir;
    std::unique_ptr<app::Settings> m_settings;
};

} // namespace korvel::test
