#include "app/Quicklinks.h"

#include "store/RecordSet.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace korvel::app::Quicklinks {

namespace {
const QStringList kOrdered = {QStringLiteral("select *from favoriten"),
                              QStringLiteral("order by formularnummer, name")};
const QStringList kByKey = {QStringLiteral("select *from favoriten where nummer = :nummer")};

Quicklink current(const store::RecordSet& rs)
{
    Quicklink link;
    link.key = int(rs.integer(QStringLiteral("nummer")));
    bool ok = false;
    link.formNumber = rs.text(QStringLiteral("formularnummer")).trimmed().toInt(&ok);
    if (!ok)
        link.formNumber = -1; // shown in no window
    link.name = rs.text(QStringLiteral("name"));
    link.target = rs.text(QStringLiteral("pfad"));
    link.symbol = rs.text(QStringLiteral("symbol"));
    return link;
}

void setFields(store::RecordSet& rs, int formNumber, const QString& name, const QString& target)
{
    rs.setText(QStringLiteral("formularnummer"), QString::number(formNumber));
    rs.setText(QStringLiteral("name"), name);
    rs.setText(QStringLiteral("pfad"), target);
    rs.setText(QStringLiteral("symbol"), symbolFor(target));
}
} // namespace

int wheelOffset(int offset, bool down)
{
    if (down)
        return offset + WheelStep;
    return offset > 0 ? offset - WheelStep : offset;
}

QString symbolFor(const QString& target)
{
    return target.left(4).toUpper() == QLatin1String("HTTP") ? WebSymbol : ProgramSymbol;
}

Picture pictureFor(const Quicklink& link)
{
    const QFileInfo file(link.target);
    if (!link.target.isEmpty() && file.isFile())
        return Picture::OwnIcon;
    return link.symbol == WebSymbol ? Picture::Web : Picture::Folder;
}

QString withTitle(const QString& target, const QString& title)
{
    // QString::replace scans on after each inserted title, so a title that itself holds the
    // placeholder is not replaced again.
    QString out = target;
    return out.replace(TitlePlaceholder, title);
}

LinkTarget classify(const QString& expandedTarget)
{
    const QString text = expandedTarget.trimmed();
    if (text.isEmpty())
        return {};
    // A scheme of two letters or more; "C:\..." is a drive, not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch())
        return {LinkTarget::Kind::Address, text};
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return {LinkTarget::Kind::Address, QStringLiteral("http://") + text};
    const QFileInfo file(text);
    if (file.isFile() && file.isExecutable())
        return {LinkTarget::Kind::Program, text};
    // A bare program name ("notepad") is looked for where the system looks for programs.
    if (!file.exists() && !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char('\\'))) {
        const QString found = QStandardPaths::findExecutable(text);
        if (!found.isEmpty())
            return {LinkTarget::Kind::Program, found};
    }
    return {LinkTarget::Kind::File, text};
}

QList<Quicklink> all(store::RecordSet& favoritendb)
{
    store::BorrowedQuery q(favoritendb, kOrdered);
    QList<Quicklink> links;
    for (; !q->atEnd(); q->next())
        links << current(*q);
    return links;
}

QList<Quicklink> forForm(store::RecordSet& favoritendb, int formNumber)
{
    QList<Quicklink> links;
    for (const Quicklink& link : all(favoritendb))
        if (link.formNumber == formNumber)
            links << link;
    return links;
}

QString targetOf(store::RecordSet& favoritendb, int key)
{
    store::BorrowedQuery q(favoritendb, kOrdered);
    for (; !q->atEnd(); q->next())
        if (q->integer(QStringLiteral("nummer")) == key)
            return q->text(QStringLiteral("pfad"));
    return {};
}

int add(store::RecordSet& favoritendb, int formNumber, const QString& name, const QString& target)
{
    store::BorrowedQuery q(favoritendb, {QStringLiteral("select *from favoriten")});
    // One more than the highest key rather than the last row's: a catalog whose rows are
    // not in key order must not get a key twice.
    int key = 1;
    for (; !q->atEnd(); q->next())
        key = std::max(key, int(q->integer(QStringLiteral("nummer"))) + 1);
    q->append();
    setFields(*q, formNumber, name, target);
    q->setInteger(QStringLiteral("nummer"), key);
    q->post();
    return key;
}

void change(store::RecordSet& favoritendb, int key, int formNumber, const QString& name,
            const QString& target)
{
    store::BorrowedQuery q(favoritendb, kByKey, {{QStringLiteral("nummer"), key}});
    if (q->atEnd())
        return;
    q->edit();
    setFields(*q, formNumber, name, target);
    q->post();
}

void remove(store::RecordSet& favoritendb, int key)
{
    store::BorrowedQuery q(favoritendb, kByKey, {{QStringLiteral("nummer"), key}});
    if (!q->atEnd())
        q->remove();
}

} // namespace korvel::app::Quicklinks
