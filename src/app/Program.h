#pragma once

#include <QStringList>

#include <memory>

namespace korvel::ui {
struct AppContext;
}

namespace korvel::app {

class MainWindow;

// Creates the main window and with it opens the catalog. Returns nullptr when no catalog
// could be opened (the failure box has been shown; the program ends with exit code 1).
std::unique_ptr<MainWindow> startMainWindow(ui::AppContext& context, const QStringList& arguments);

// The whole program: application set-up, main window, message loop. Returns the exit code.
int runProgram(int argc, char** argv);

} // namespace korvel::app
