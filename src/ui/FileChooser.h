#pragma once

#include <QString>

class QWidget;

namespace korvel::ui {

// Open, save and folder choosers; windows ask through this helper so tests can answer.
// An empty result means cancelled.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // filter in the form "Filmdatenbank (*.mdb);;Alle Dateien (*)"
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& directory = {}) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& directory = {}) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& title,
                                 const QString& directory = {}) = 0;
};

class DialogFileChooser : public FileChooser
{
public:
    QString openFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& directory) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& directory) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& directory) override;
};

} // namespace korvel::ui
