// The region list and the public holidays of each region, by the law of the year asked about.
#include "calendar/holidays.h"

#include "calendar/canton_holidays.h"
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
    "Schweiz (Aargau)",
    "Schweiz (Appenzell Ausserrhoden)",
    "Schweiz (Appenzell Innerrhoden)",
    "Schweiz (Basel-Landschaft)",
    "Schweiz (Basel-Stadt)",
    "Schweiz (Bern)",
    "Schweiz (Freiburg)",
    "Schweiz (Genf)",
    "Schweiz (Glarus)",
    "Schweiz (Graubünden)",
    "Schweiz (Jura)",
    "Schweiz (Luzern)",
    "Schweiz (Neuenburg)",
    "Schweiz (Nidwalden)",
    "Schweiz (Obwalden)",
    "Schweiz (Schaffhausen)",
    "Schweiz (Schwyz)",
    "Schweiz (Solothurn)",
    "Schweiz (St. Gallen)",
    "Schweiz (Tessin)",
    "Schweiz (Thurgau)",
    "Schweiz (Uri)",
    "Schweiz (Waadt)",
    "Schweiz (Wallis)",
    "Schweiz (Zug)",
    "Schweiz (Zürich)",
    "Deutschland (Bayern, Augsburg)",
    "Deutschland (Bayern, ohne Mariä Himmelfahrt)",
    "Deutschland (Sachsen, mit Fronleichnam)",
    "Deutschland (Thüringen, mit Fronleichnam)",
};

namespace {

// The days of Germany, Austria and the one Swiss set; the cantons have tables of their own. The German
// sub-regions keep their state's rows but for the day their law adds or takes away.
// The holidays kept everywhere are also kept under a region code this program does not know.
constexpr RegionSet kEveryRegion = CodeRange(1, 18, true) | kGermanSubRegions;
constexpr RegionSet kAllButSwitzerland = CodeRange(1, 17, true) | kGermanSubRegions;
constexpr RegionSet kGermany = CodeRange(1, 16, false) | kGermanSubRegions;
constexpr RegionSet kAllButAustria = Without(kEveryRegion, Codes({kOesterreich}));
constexpr RegionSet kBavaria = Codes({kBayern, kAugsburg, kBayernOhneMariaeHimmelfahrt});
constexpr RegionSet kSaxony = Codes({kSachsen, kSachsenMitFronleichnam});
constexpr RegionSet kThuringia = Codes({kThueringen, kThueringenMitFronleichnam});

constexpr DayRule kPublicHolidays[] = {
    {On(1, 1), kEveryRegion},
    {On(6, 1), kBavaria | Codes({kBadenWuerttemberg, kSachsenAnhalt, kOesterreich, kSchweiz})},
    {On(8, 3), Codes({kBerlin}), FromYear(2019)},
    {On(8, 3), Codes({kMecklenburgVorpommern}), FromYear(2023)},
    {On(1, 5), kAllButSwitzerland},
    {On(1, 8), Codes({kSchweiz})},
    {On(8, 8), Codes({kAugsburg})},  // Hohes Friedensfest
    {On(15, 8), Codes({kBayern, kAugsburg, kSaarland, kOesterreich, kSchweiz})},
    {On(20, 9), kThuringia, FromYear(2019)},
    {On(3, 10), kGermany},
    {On(26, 10), Codes({kOesterreich}), FromYear(1967)},
    {On(31, 10), kSaxony | kThuringia | Codes({kBrandenburg, kMecklenburgVorpommern, kSachsenAnhalt})},
    {On(31, 10), Codes({kBremen, kHamburg, kNiedersachsen, kSchleswigHolstein}), FromYear(2018)},
    {On(31, 10), kGermany, InYear(2017)},  // the 500th anniversary of the Reformation
    {On(1, 11), kBavaria | Codes({kBadenWuerttemberg, kNordrheinWestfalen, kRheinlandPfalz, kSaarland,
                                   kOesterreich, kSchweiz})},
    {On(8, 12), Codes({kOesterreich})},
    {On(25, 12), kEveryRegion},
    {On(26, 12), kEveryRegion},
    {EasterPlus(-2), kAllButAustria},  // Good Friday
    {EasterPlus(-1), kEveryRegion},  // the Saturday before Easter
    {EasterPlus(0), kEveryRegion},
    {EasterPlus(1), kEveryRegion},
    {EasterPlus(39), kEveryRegion},  // Ascension
    {EasterPlus(49), kEveryRegion},  // Whit Sunday and Monday
    {EasterPlus(50), kEveryRegion},
    // Corpus Christi
    {EasterPlus(60), kBavaria | Codes({kBadenWuerttemberg, kHessen, kNordrheinWestfalen, kRheinlandPfalz, kSaarland,
                                        kOesterreich, kSchweiz, kSachsenMitFronleichnam, kThueringenMitFronleichnam})},
    // Buß- und Bettag, the Wednesday eleven days before the first Sunday of Advent.
    {FourthAdventPlus(-32), kGermany, UpToYear(1994)},
    {FourthAdventPlus(-32), kSaxony, FromYear(1995)},
};

}  // namespace

bool IsPublicHoliday(int day, int month, int year, int region) {
  if (region < 1) return false;
  DateFacts date = FactsOf(day, month, year);
  for (const DayRule& rule : kPublicHolidays) {
    if (RuleApplies(rule, date, region)) return true;
  }
  for (const DayRule& rule : CantonPublicHolidays()) {
    if (RuleApplies(rule, date, region)) return true;
  }
  return false;
}
