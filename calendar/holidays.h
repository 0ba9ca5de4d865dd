// Public holidays of the regions and the names of all named days (holidays, remembrance, church
// and season days), computed by rule from the date.
#pragma once

#include <cstddef>

// Region codes: 0 = none, 1-16 = the German states in alphabetical order, 17 = Austria,
// 18 = Switzerland (one fixed set of days), 19-44 = the Swiss cantons in alphabetical order of their
// German names, 45-48 = German municipalities whose law differs from their state's. New codes go at
// the end, so that a stored Feiertage keeps its meaning. The list position in the Desktop options page
// is the code.
constexpr int kRegionCount = 49;

// The codes the holiday tables name.
enum RegionCode : int {
  kBadenWuerttemberg = 1, kBayern = 2, kBerlin = 3, kBrandenburg = 4, kBremen = 5, kHamburg = 6,
  kHessen = 7, kMecklenburgVorpommern = 8, kNiedersachsen = 9, kNordrheinWestfalen = 10,
  kRheinlandPfalz = 11, kSaarland = 12, kSachsen = 13, kSachsenAnhalt = 14, kSchleswigHolstein = 15,
  kThueringen = 16, kOesterreich = 17, kSchweiz = 18,
  kAargau = 19, kAppenzellAusserrhoden, kAppenzellInnerrhoden, kBaselLandschaft, kBaselStadt, kBern,
  kFreiburg, kGenf, kGlarus, kGraubuenden, kJura, kLuzern, kNeuenburg, kNidwalden, kObwalden,
  kSchaffhausen, kSchwyz, kSolothurn, kStGallen, kTessin, kThurgau, kUri, kWaadt, kWallis, kZug,
  kZuerich,
  kAugsburg, kBayernOhneMariaeHimmelfahrt, kSachsenMitFronleichnam, kThueringenMitFronleichnam,
};
static_assert(kZuerich == 44 && kThueringenMitFronleichnam == kRegionCount - 1);
constexpr int kFirstCanton = kAargau;
constexpr int kLastCanton = kZuerich;

// The fixed German entry texts of the region list, indexed by region code.
extern const char* const kRegionNames[kRegionCount];

// Whether the date is a public holiday in the region, by the law of that year. Weekends are not part
// of this test. Region codes below 1 have no public holidays.
bool IsPublicHoliday(int day, int month, int year, int region);

// The names of every named day that falls on the date, separated by " \r\n", in table order
// (fixed dates, then the Easter group, then the Advent group); empty when there is none. Clears the
// whole buffer first; truncates at capacity and always terminates.
void DayNamesForDate(int day, int month, int year, int region, char* out, std::size_t capacity);
