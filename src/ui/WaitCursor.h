#pragma once

#include <QApplication>
#include <QCursor>

namespace korvel::ui {

// The hourglass while a command works; restored however the command ends.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace korvel::ui
