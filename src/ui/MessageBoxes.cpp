#include "ui/MessageBoxes.h"

#include "store/StoreError.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace korvel::ui {

QString MessageBoxes::title(Kind kind)
{
    switch (kind) {
    case Kind::Information: return QStringLiteral("Information");
    case Kind::Warning: return QStringLiteral("Warnung");
    case Kind::Error: return QStringLiteral("Fehler");
    case Kind::Confirmation: return QStringLiteral("Bestätigung");
    }
    return {};
}

QString MessageBoxes::caption(Button button)
{
    switch (button) {
    case Ok: return QStringLiteral("OK");
    case Cancel: return QStringLiteral("Abbrechen");
    case Yes: return QStringLiteral("Ja");
    case No: return QStringLiteral("Nein");
    default: return {};
    }
}

void MessageBoxes::showException(QWidget* parent, const std::exception& e)
{
    if (const auto* se = dynamic_cast<const store::StoreError*>(&e))
        error(parent, se->message());
    else
        error(parent, QString::fromUtf8(e.what()));
}

void MessageBoxes::showUnknownError(QWidget* parent)
{
    error(parent, QStringLiteral("Ein unerwarteter Fehler ist aufgetreten."));
}

MessageBoxes::Button WidgetMessageBoxes::show(QWidget* parent, Kind kind, const QString& text,
                                              Buttons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(title(kind));
    box.setText(text);
    switch (kind) {
    case Kind::Information: box.setIcon(QMessageBox::Information); break;
    case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
    case Kind::Error: box.setIcon(QMessageBox::Critical); break;
    case Kind::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    QHash<QAbstractButton*, Button> map;
    const auto add = [&](Button b, QMessageBox::ButtonRole role) {
        if (buttons.testFlag(b))
            map.insert(box.addButton(caption(b), role), b);
    };
    add(Yes, QMessageBox::YesRole);
    add(No, QMessageBox::NoRole);
    add(Ok, QMessageBox::AcceptRole);
    add(Cancel, QMessageBox::RejectRole);
    if (map.isEmpty())
        map.insert(box.addButton(caption(Ok), QMessageBox::AcceptRole), Ok);
    const Button escape = buttons.testFlag(Cancel) ? Cancel : buttons.testFlag(No) ? No : Ok;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (it.value() == escape)
            box.setEscapeButton(it.key());
    box.exec();
    return map.value(box.clickedButton(), escape);
}

} // namespace korvel::ui
