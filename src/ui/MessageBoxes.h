#pragma once

#include <QFlags>
#include <QString>

#include <exception>

class QWidget;

namespace korvel::ui {

// The program's four kinds of message box, titled "Information", "Warnung", "Fehler" and
// "Bestätigung", with the buttons "OK", "Abbrechen", "Ja" and "Nein". Every window asks
// through this one helper so that tests can answer in its place.
class MessageBoxes
{
public:
    enum class Kind { Information, Warning, Error, Confirmation };
    enum Button { NoButton = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8 };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~MessageBoxes() = default;
    // Shows the box and returns the button pressed (the close box counts as Cancel, or No
    // when there is no Cancel button, or Ok when Ok is the only button).
    virtual Button show(QWidget* parent, Kind kind, const QString& text, Buttons buttons) = 0;

    void information(QWidget* parent, const QString& text) { show(parent, Kind::Information, text, Ok); }
    void warning(QWidget* parent, const QString& text) { show(parent, Kind::Warning, text, Ok); }
    void error(QWidget* parent, const QString& text) { show(parent, Kind::Error, text, Ok); }
    bool confirm(QWidget* parent, const QString& text)
    {
        return show(parent, Kind::Confirmation, text, Buttons(Yes) | No) == Yes;
    }

    // The general error display: a command that failed shows the error's text and the
    // program goes on.
    void showException(QWidget* parent, const std::exception& e);
    void showUnknownError(QWidget* parent);

    static QString title(Kind kind);
    static QString caption(Button button);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(MessageBoxes::Buttons)

// The real boxes.
class WidgetMessageBoxes : public MessageBoxes
{
public:
    Button show(QWidget* parent, Kind kind, const QString& text, Buttons buttons) override;
};

// Runs one command entry point (menu, link, key, timer): any error ends the command and is
// shown by the general error display instead of ending the program.
template <typename F> void guarded(MessageBoxes& boxes, QWidget* parent, F&& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        boxes.showException(parent, e);
    } catch (...) {
        boxes.showUnknownError(parent);
    }
}

} // namespace korvel::ui
