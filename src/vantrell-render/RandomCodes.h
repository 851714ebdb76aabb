#pragma once
// Writes seeded random genetic codes as genetic code files, the same bytes on every machine.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace RandomCodes {

inline constexpr int MaxCount = 9999;

// prefix0001.gen, prefix0002.gen, ... in folder (the current one when empty).
QStringList fileNames(const QString& folder, const QString& prefix, int count);

// Writes count codes as fileNames gives them, drawn in turn by the genes' own random operations
// from a generator seeded with seed. A file that cannot be written is reported and the others are
// still written, each code the same as if all had been.
void write(const QStringList& fileNames, std::uint64_t seed,
    const std::function<void(int index, const QString& error)>& failed);

} // namespace RandomCodes
