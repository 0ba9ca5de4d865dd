// The region list and the public holidays of each region, by the law of the year asked about.
#include "calendar/holidays.h"

#include "calendar/day_rules.h"

const char* const kRegionNames[kRegionCount] = {
    "(keine)",
    "Deutschland (Baden-Württemberg)",
    "Deutschland (Bayern)",
    "Deutschland (Berlin)",
    "Deutschland (Brandenburg)",
    "Deutschland (Bremen)",
    "Deutschland (Hamburg)",
    "Deutschland (Hessen)",
    "Deutschland (Mecklenburg-Vorpommern)",
    "Deutschland (Niedersachsen)",
    "Deutschland (Nordrhein-Westfalen)",
    "Deutschland (Rheinland-Pfalz)",
    "Deutschland (Saarland)",
    "Deutschland (Sachsen)",
    "Deutschland (Sachsen-Anhalt)",
    "Deutschland (Schleswig-Holstein)",
    "Deutschland (Thüringen)",
    "Österreich",
    "Schweiz",
};

namespace {

// The holidays kept everywhere are also kept under a region code this program does not know.
constexpr RegionSet kEveryRegion = CodeRange(1, 18, true);
constexpr RegionSet kAllButSwitzerland = CodeRange(1, 17, true);
constexpr RegionSet kGermany = CodeRange(1, 16, false);
constexpr RegionSet kAllButAustria = {kEveryRegion.codes & ~Codes({17}).codes, true};

constexpr DayRule kPublicHolidays[] = {
    {On(1, 1), kEveryRegion},
    {On(6, 1), Codes({1, 2, 14, 17, 18})},
    {On(8, 3), Codes({3}), FromYear(2019)},
    {On(8, 3), Codes({8}), FromYear(2023)},
    {On(1, 5), kAllButSwitzerland},
    {On(1, 8), Codes({18})},
    {On(15, 8), Codes({2, 12, 17, 18})},
    {On(20, 9), Codes({16}), FromYear(2019)},
    {On(3, 10), kGermany},
    {On(26, 10), Codes({17}), FromYear(1967)},
    {On(31, 10), Codes({4, 8, 13, 14, 16})},
    {On(31, 10), Codes({5, 6, 9, 15}), FromYear(2018)},
    {On(31, 10), kGermany, InYear(2017)},  // the 500th anniversary of the Reformation
    {On(1, 11), Codes({1, 2, 10, 11, 12, 17, 18})},
    {On(8, 12), Codes({17})},
    {On(25, 12), kEveryRegion},
    {On(26, 12), kEveryRegion},
    {EasterPlus(-2), kAllButAustria},  // Good Friday
    {EasterPlus(-1), kEveryRegion},  // the Saturday before Easter
    {EasterPlus(0), kEveryRegion},
    {EasterPlus(1), kEveryRegion},
    {EasterPlus(39), kEveryRegion},  // Ascension
    {EasterPlus(49), kEveryRegion},  // Whit Sunday and Monday
    {EasterPlus(50), kEveryRegion},
    {EasterPlus(60), Codes({1, 2, 7, 10, 11, 12, 17, 18})},  // Corpus Christi
    // Buß- und Bettag, the Wednesday eleven days before the first Sunday of Advent.
    {FourthAdventPlus(-32), kGermany, UpToYear(1994)},
    {FourthAdventPlus(-32), Codes({13}), FromYear(1995)},
};

}  // namespace

bool IsPublicHoliday(int day, int month, int year, int region) {
  if (region < 1) return false;
  DateFacts date = FactsOf(day, month, year);
  for (const DayRule& rule : kPublicHolidays) {
    if (RuleApplies(rule, date, region)) return true;
  }
  return false;
}
