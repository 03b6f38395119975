#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace korvel::app {
class Settings;
}

namespace korvel::ui {

class MessageBoxes;
class FileChooser;
class Desktop;

// What every window needs from its surroundings, passed in rather than reached for: the
// settings, the seams through which it asks the user or the desktop, today's date, and
// the program folder (the executable's folder, a temporary one in tests).
struct AppContext
{
    app::Settings* settings = nullptr;
    MessageBoxes* boxes = nullptr;
    FileChooser* files = nullptr;
    Desktop* desktop = nullptr;
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    QString programDir;
};

} // namespace korvel::ui
