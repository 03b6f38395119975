#pragma once

#include <QString>

namespace korvel::entry {

// The HTML tags the comment editor inserts at the caret, each with a placeholder selected
// for overtyping.
namespace CommentTags {

enum class Tag { Bold, Underline, Italic, Hyperlink, Image, LineBreak };

struct Result
{
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};

// Inserts the tag before the caret position (a selection is not replaced).
Result insert(const QString& text, int caret, Tag tag);

} // namespace CommentTags
} // namespace korvel::entry
