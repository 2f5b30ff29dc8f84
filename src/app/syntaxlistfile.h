// The catalogue file: a TPersHolder root in the binary object stream whose
// "P" is the collection of entries and, only when the user hid shipped
// schemes, a "Hidden" list of their file names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qs {

class TSyntaxList;

std::vector<std::uint8_t> WriteCatalogue(const TSyntaxList& list,
                                         const std::vector<std::string>& hidden);

// Throws qs::ParseError, leaving list and hidden untouched, for anything but
// a complete catalogue. Entries with a name that is no plain "*.sch" file name,
// or that repeat an earlier entry's name, are dropped.
void ReadCatalogue(const std::vector<std::uint8_t>& bytes, TSyntaxList& list,
                   std::vector<std::string>& hidden);

}  // namespace qs
