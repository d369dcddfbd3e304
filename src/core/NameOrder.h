// How names (of sites, gliders, topics) are ordered and told apart, as a pilot expects:
// letter case never matters, and in the order of a list an accented letter sorts beside its
// plain letter ("Édouard" next to "Edward", not after "Zeta"). Names are UTF-8; a byte that
// does not start a valid sequence is taken as one character of its own value.
#pragma once

#include <string>
#include <string_view>

namespace aloftra {

// Negative, zero or positive as a comes before, with or after b in a list of names: letters
// compared without case and without accents ("ß" as "ss", "Æ" as "ae"), everything else by
// its character code; a name comes before the longer names it begins. Names that differ
// only in case or accents compare equal, so a list keeps them in the order they came.
int CompareNames(std::string_view a, std::string_view b);

// Whether a typed name is taken by a stored one: the typed name with each double quote read
// as an apostrophe, both compared without regard to letter case (accented letters too:
// "élan" and "ÉLAN" are one name, "Elan" is another).
bool NameIsTaken(std::string_view typed, std::string_view stored);

// A typed name as the pages keep it: each double quote becomes an apostrophe, which is what
// the logbook file holds in its place, so the name reads back exactly as it was entered.
std::string NameAsStored(std::string_view typed);

// The names refused as blank: the empty text, a single blank, and "-1", which the logbook
// file could not give back unchanged.
bool IsBlankName(std::string_view typed);

}  // namespace aloftra
