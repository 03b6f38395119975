#include "app/Program.h"

#include "app/MainWindow.h"
#include "app/Settings.h"
#include "ui/AppContext.h"
#include "ui/Desktop.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvel::app {

std::unique_ptr<MainWindow> startMainWindow(ui::AppContext& context, const QStringList& arguments)
{
    auto window = std::make_unique<MainWindow>(context, arguments);
    if (window->startFailed())
        return nullptr;
    return window;
}

int runProgram(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DVD Korvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("DVD Korvel"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QApplication::setOrganizationName(Settings::Organization);

    // Qt's own dialogs (file choosers, print dialogs) in German.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    Settings settings;
    ui::WidgetMessageBoxes boxes;
    ui::DialogFileChooser files;
    ui::SystemDesktop desktop;
    ui::AppContext context;
    context.settings = &settings;
    context.boxes = &boxes;
    context.files = &files;
    context.desktop = &desktop;
    context.programDir = QApplication::applicationDirPath();

    const QStringList arguments = QApplication::arguments().mid(1);
    auto window = startMainWindow(context, arguments);
    if (!window)
        return 1;
    window->show();
    return QApplication::exec();
}

} // namespace korvel::app
