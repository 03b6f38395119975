#include "app/WindowGeometry.h"

#include "store/RecordSet.h"

#include <algorithm>

namespace korvel::app {

QRect WindowGeometry::placement() const
{
    return QRect(std::max(0, xpos), std::max(0, ypos), width, height);
}

namespace GeometryRow {

namespace {
// Truncating integer division as the geometry row has always been computed.
int half(int v) { return v / 2; }

void openRow(store::RecordSet& prg)
{
    prg.close();
    prg.setSql({QStringLiteral("select *from prg")});
    prg.open();
}
} // namespace

WindowGeometry restore(store::RecordSet& prg, QSize desktop, QSize window)
{
    openRow(prg);
    if (prg.atEnd()) {
        prg.append();
        prg.setInteger(QStringLiteral("fullscreen"), 0);
        prg.setInteger(QStringLiteral("xpos"), half(desktop.width()) - half(window.width()));
        prg.setInteger(QStringLiteral("ypos"), half(desktop.height()) - half(window.height()));
        prg.setInteger(QStringLiteral("width"), window.width());
        prg.setInteger(QStringLiteral("height"), window.height());
        for (const char* c : {"form2x", "form2y", "form3x", "form3y", "form4x", "form4y"})
            prg.setInteger(QString::fromLatin1(c), -1);
        prg.post();
        openRow(prg);
    }
    WindowGeometry g;
    g.xpos = int(prg.integer(QStringLiteral("xpos")));
    g.ypos = int(prg.integer(QStringLiteral("ypos")));
    g.width = int(prg.integer(QStringLiteral("width")));
    g.height = int(prg.integer(QStringLiteral("height")));
    g.fullscreen = prg.integer(QStringLiteral("fullscreen")) != 0;
    prg.close();
    return g;
}

void save(store::RecordSet& prg, bool maximized, const QRect& geometry)
{
    openRow(prg);
    if (prg.atEnd()) {
        prg.close();
        return;
    }
    prg.edit();
    if (maximized) {
        prg.setInteger(QStringLiteral("fullscreen"), 1);
    } else {
        prg.setInteger(QStringLiteral("fullscreen"), 0);
        prg.setInteger(QStringLiteral("xpos"), geometry.x());
        prg.setInteger(QStringLiteral("ypos"), geometry.y());
        prg.setInteger(QStringLiteral("width"), geometry.width());
        prg.setInteger(QStringLiteral("height"), geometry.height());
    }
    prg.post();
    prg.close();
}

QPoint dialogPosition(store::RecordSet& prg, const QString& xColumn, const QString& yColumn)
{
    openRow(prg);
    QPoint p(-1, -1);
    if (!prg.atEnd()) {
        p.setX(prg.isNull(xColumn) ? -1 : int(prg.integer(xColumn)));
        p.setY(prg.isNull(yColumn) ? -1 : int(prg.integer(yColumn)));
    }
    prg.close();
    return p;
}

void saveDialogPosition(store::RecordSet& prg, const QString& xColumn, const QString& yColumn,
                        QPoint position)
{
    openRow(prg);
    if (!prg.atEnd()) {
        prg.edit();
        prg.setInteger(xColumn, position.x());
        prg.setInteger(yColumn, position.y());
        prg.post();
    }
    prg.close();
}

} // namespace GeometryRow
} // namespace korvel::app
