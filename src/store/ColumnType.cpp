#include "store/ColumnType.h"

#include <QRegularExpression>

namespace korvel::store {

ColumnType ColumnType::parse(const QString& text)
{
    const QString t = text.trimmed().toLower();
    ColumnType c;
    static const QRegularExpression sized(QStringLiteral(R"(^(varchar|char|text)\s*\(\s*(\d+)\s*\)$)"));
    if (const auto m = sized.match(t); m.hasMatch()) {
        c.kind = ShortText;
        c.width = m.captured(2).toInt();
    } else if (t == u"integer" || t == u"int" || t == u"long" || t == u"smallint"
               || t == u"counter" || t == u"byte") {
        c.kind = Integer;
    } else if (t == u"memo" || t == u"longtext" || t == u"note") {
        c.kind = LongText;
    } else if (t == u"varchar" || t == u"text" || t == u"char") {
        c.kind = ShortText;
        c.width = 255;
    } else if (t == u"double" || t == u"float" || t == u"real" || t == u"currency") {
        c.kind = Double;
    } else if (t == u"date" || t == u"datetime" || t == u"time") {
        c.kind = Date;
    } else if (t == u"image" || t == u"longbinary" || t == u"oleobject" || t == u"blob") {
        c.kind = Image;
    } else {
        c.m_other = t;
    }
    return c;
}

QString ColumnType::declaration() const
{
    switch (kind) {
    case Integer: return QStringLiteral("integer");
    case ShortText: return QStringLiteral("varchar(%1)").arg(width);
    case LongText: return QStringLiteral("longtext");
    case Double: return QStringLiteral("double");
    case Date: return QStringLiteral("date");
    case Image: return QStringLiteral("image");
    case Other: break;
    }
    return m_other;
}

} // namespace korvel::store
