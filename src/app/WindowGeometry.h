#pragma once

#include <QRect>
#include <QSize>

namespace korvel::store {
class RecordSet;
}

namespace korvel::app {

// The main window's place in the catalog's geometry row (table prg).
struct WindowGeometry
{
    int xpos = 0;
    int ypos = 0;
    int width = 0;
    int height = 0;
    bool fullscreen = false;

    // Where the window goes: negative positions raised to 0.
    QRect placement() const;
};

namespace GeometryRow {

// Reads the row through the prg component, first adding a row centred on the desktop with
// the window's current size when the table has none.
WindowGeometry restore(store::RecordSet& prg, QSize desktop, QSize window);

// Saves at shutdown: a maximized window changes only fullscreen, so the next start gets
// the normal position back before maximizing.
void save(store::RecordSet& prg, bool maximized, const QRect& geometry);

// A dialog's own pair (form2x/form2y, ...): -1 means not placed yet.
QPoint dialogPosition(store::RecordSet& prg, const QString& xColumn, const QString& yColumn);
void saveDialogPosition(store::RecordSet& prg, const QString& xColumn, const QString& yColumn,
                        QPoint position);

} // namespace GeometryRow
} // namespace korvel::app
