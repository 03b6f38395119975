#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace korvel::online {

// One candidate of a search reply, in the order of the reply.
struct LookupCandidate
{
    QString title;
    QString id;
    QString year;
    QString shopLink;
};

// What the update check's reply says.
struct UpdateReply
{
    bool available = false;
    QString announcement;
};

// The wire formats both web services speak: the form body we post and the replies we read.
// Everything here is pure text work, so the service and the fuzz targets share it.
namespace LookupProtocol {

// Joins "name=value" items into a form body in Windows-1252. Everything after an item's
// first "=" is percent-encoded (letters and digits stay, a blank becomes "+", every other
// byte "%XX"); names and items without "=" go out as they are. Two or more items get a
// trailing "&" as well, which the services have always received.
QByteArray encode_form_body(const QStringList& items);

// Replaces numeric character references (repeatedly, so that references that appear after a
// replacement are decoded too), then "&#34;", "&amp;" (until none is left) and "&quot;".
// A number the code page lacks becomes "?". Other named references stay as they are.
QString decode_entities(const QString& text);

// Appends one candidate per block <DVD1>, <DVD2>, ... until "DVD" + n no longer occurs in
// the decoded reply. Returns the number of rows appended. A block or tag without its
// closing counterpart yields empty values.
int parse_list(const QString& reply, QList<LookupCandidate>& rows);

// The text between the first <name> and the following </name> in the decoded reply; empty
// when either is missing. "EAN" values of twelve digits get their check digit.
QString get_element(const QString& reply, const QString& name);

// Appends the EAN-13 check digit to twelve digits; anything else comes back unchanged.
QString complete_ean(const QString& value);

// The update check's reply. A failed request and a reply without an availability value
// count as "no update".
UpdateReply parse_update_reply(const QString& reply, bool requestFailed);

// The element names of a detail reply, which are also the detail record's field names.
const QStringList& detail_element_names();

} // namespace LookupProtocol
} // namespace korvel::online
