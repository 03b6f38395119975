#include "ui/FileChooser.h"

#include <QFileDialog>

namespace korvel::ui {

QString DialogFileChooser::openFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& directory)
{
    return QFileDialog::getOpenFileName(parent, title, directory, filter, nullptr,
                                        QFileDialog::ReadOnly);
}

QString DialogFileChooser::saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& directory)
{
    return QFileDialog::getSaveFileName(parent, title, directory, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString DialogFileChooser::chooseFolder(QWidget* parent, const QString& title, const QString& directory)
{
    return QFileDialog::getExistingDirectory(parent, title, directory);
}

} // namespace korvel::ui
