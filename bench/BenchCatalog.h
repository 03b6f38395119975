#pragma once

#include <QString>

#include <functional>

namespace korvel::bench {

// Writes a catalog of n generated entries (realistic field lengths, two audio and two
// subtitle rows each) to path, replacing the file.
void generateCatalog(const QString& path, int entries);

// Runs fn repeatedly and returns the best wall time in milliseconds.
double bestOf(int runs, const std::function<void()>& fn);

} // namespace korvel::bench
