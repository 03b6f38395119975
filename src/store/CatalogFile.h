#pragma once

#include <QString>

namespace korvel::store {

// A catalog file that the program does not hold open is write-protected (on Windows the
// read-only attribute, elsewhere the write permission bits); it is cleared on connecting.
void setCatalogWritable(const QString& path, bool writable);

// Whether the file carries no write permission at all, as a write-protected catalog or
// backup copy does. Judged from the file's own bits, so that it holds for every user,
// including one whose rights would let him write anyway.
bool isWriteProtected(const QString& path);

} // namespace korvel::store
