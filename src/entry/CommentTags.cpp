#include "entry/CommentTags.h"

namespace korvel::entry::CommentTags {

Result insert(const QString& text, int caret, Tag tag)
{
    struct Shape
    {
        const char* tag;
        int selectFrom;
        int selectLength;
    };
    Shape s{};
    switch (tag) {
    case Tag::Bold: s = {"<b>IHR TEXT</b>", 3, 8}; break;
    case Tag::Underline: s = {"<u>IHR TEXT</u>", 3, 8}; break;
    case Tag::Italic: s = {"<i>IHR TEXT</i>", 3, 8}; break;
    case Tag::Hyperlink: s = {"<a href=\"IHR LINK\">IHR TEXT</a>", 9, 8}; break;
    case Tag::Image: s = {"<img src=\"DATEI\">", 10, 5}; break;
    case Tag::LineBreak: s = {"<br>", 4, 0}; break;
    }
    const int p = std::clamp(caret, 0, int(text.size()));
    Result r;
    r.text = text.left(p) + QString::fromLatin1(s.tag) + text.mid(p);
    r.selectionStart = p + s.selectFrom;
    r.selectionLength = s.selectLength;
    return r;
}

} // namespace korvel::entry::CommentTags
