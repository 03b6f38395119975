#pragma once

#include <QString>

namespace korvel {

// Text order and equality as the catalog's users expect them from the original engine:
// case does not count (Müller = müller), umlauts and accents sort with their base letter
// (Äpfel sorts among the A words, ß as ss) and only break ties between otherwise equal words.
namespace GermanCollation {

// Compares two UTF-8 texts; < 0, 0 or > 0.
int compareUtf8(const char* a, int lenA, const char* b, int lenB);
int compare(const QString& a, const QString& b);

} // namespace GermanCollation
} // namespace korvel
