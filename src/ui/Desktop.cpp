#include "ui/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace korvel::ui {

bool SystemDesktop::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool SystemDesktop::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

} // namespace korvel::ui
