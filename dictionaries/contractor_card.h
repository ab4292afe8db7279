// Where the contractor's fields stand on the contractor card (screen form
// 40, 24 rows).  The register's two-page form uses it twice: its first page
// is the card's first nine rows (who the contractor is and where), its
// second page the whole card, where those nine rows are shown only and the
// rest is edited.  The read-only view of F2 shows the whole card.
#pragma once

#include <span>

namespace skolvarin::dictionaries {

inline constexpr int kCardTemplate = 40;
inline constexpr int kCardRows = 24;
inline constexpr int kFirstPageRows = 9;

struct CardPlace {
  int row, col;
  const char* field;
};

// Every field of the card: the first page's (rows 0..8) first, in the
// order the cursor takes them, then the rest by row.
std::span<const CardPlace> contractor_card();

}  // namespace skolvarin::dictionaries
