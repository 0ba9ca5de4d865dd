// The names of every named day of a date: public holidays, remembrance, church and season days.
#include <cstring>
#include <string_view>

#include "calendar/day_rules.h"
#include "calendar/holidays.h"
#include "common/bounded_text.h"

namespace {

constexpr RegionSet kAll = CodeRange(0, kRegionCount - 1, true);
// Code 0 (no region) follows the German names.
constexpr RegionSet kGermanNames = CodeRange(0, 16, false) | kGermanSubRegions;
constexpr RegionSet kGermanAndAustrianNames = kGermanNames | Codes({kOesterreich});
constexpr RegionSet kAustria = Codes({kOesterreich});
constexpr RegionSet kSwitzerland = Codes({kSchweiz}) | kCantons;
// Where the canton's law or custom knows the Berchtoldstag and 1 May, holiday or not.
constexpr RegionSet kBerchtoldstagCantons = Codes({kAargau, kBaselLandschaft, kBaselStadt, kBern, kFreiburg, kGlarus,
                                                   kJura, kLuzern, kNeuenburg, kSchaffhausen, kSolothurn, kThurgau,
                                                   kWaadt, kZug, kZuerich});
constexpr RegionSet kFirstOfMayCantons = Codes({kAargau, kBaselLandschaft, kBaselStadt, kJura, kNeuenburg,
                                                kSchaffhausen, kSolothurn, kThurgau, kTessin, kZuerich});

struct NamedDay {
  const char* name;
  DayRule rule;
};

// In the order the names are listed: fixed dates by date, then the days counted from Easter Sunday,
// then those counted from the fourth Sunday of Advent.
constexpr NamedDay kNamedDays[] = {
    {"Neujahr", {On(1, 1), kAll}},
    {"Berchtoldstag", {On(2, 1), kBerchtoldstagCantons}},
    {"Dreikönigstag", {On(6, 1), kAll}},
    {"Mariä Lichtmeß", {On(2, 2), kAll}},
    {"Valentinstag", {On(14, 2), kAll}},
    {"Instauration de la République", {On(1, 3), Codes({kNeuenburg})}},
    {"Internationaler Frauentag", {On(8, 3), Codes({kBerlin}), FromYear(2019)}},
    {"Internationaler Frauentag", {On(8, 3), Codes({kMecklenburgVorpommern}), FromYear(2023)}},
    {"St. Joseph", {On(19, 3), kAll}},
    {"Frühlingsanfang", {On(20, 3), kAll}},
    {"Mariä Verkündung", {On(25, 3), kAll}},
    {"Beginn der Sommerzeit", {SundayFrom(25, 3), kAll}},
    {"Näfelser Fahrt", {NaefelserFahrt(), Codes({kGlarus})}},  // in April
    {"Staatsfeiertag", {On(1, 5), kAustria}},
    {"Maifeiertag", {On(1, 5), kGermanNames}},
    {"Tag der Arbeit", {On(1, 5), kFirstOfMayCantons}},
    {"Europatag", {On(5, 5), kAll}},
    {"Muttertag", {SundayFrom(8, 5), kAll}},
    {"Sommeranfang", {On(21, 6), kAll}},
    {"Fête de l'Indépendance jurassienne", {On(23, 6), Codes({kJura})}},
    {"Johannistag", {On(24, 6), kAll}},
    {"Peter und Paul", {On(29, 6), kAll}},
    {"Bundesfeiertag", {On(1, 8), kSwitzerland}},
    {"Hohes Friedensfest", {On(8, 8), Codes({kAugsburg})}},
    {"Mariä Himmelfahrt", {On(15, 8), kAll}},
    {"Mariä Geburt", {On(8, 9), kAll}},
    {"Jeûne genevois", {WeekdayFrom(4, 5, 9), Codes({kGenf})}},
    {"Eidgenössischer Dank-, Buss- und Bettag", {SundayFrom(15, 9), Without(kCantons, Codes({kGenf}))}},
    {"Lundi du Jeûne", {WeekdayFrom(1, 16, 9), Codes({kNeuenburg, kWaadt})}},
    {"Weltkindertag", {On(20, 9), Codes({kThueringen, kThueringenMitFronleichnam}), FromYear(2019)}},
    {"St. Mauritius", {On(22, 9), Codes({kAppenzellInnerrhoden})}},
    {"Herbstanfang", {On(23, 9), kAll}},
    {"Bruder Klaus", {On(25, 9), Codes({kObwalden})}},
    {"Tag der deutschen Einheit", {On(3, 10), kGermanNames}},
    {"Nationalfeiertag", {On(26, 10), kAustria, FromYear(1965)}},
    {"Reformationstag", {On(31, 10), kAll}},
    {"Ende der Sommerzeit", {SundayFrom(25, 10), kAll}},
    {"Erntedankfest", {SundayFrom(1, 10), kAll}},
    {"Allerheiligen", {On(1, 11), kAll}},
    {"Allerseelen", {On(2, 11), kAll}},
    {"Martinstag", {On(11, 11), kAll}},
    {"Nikolaus", {On(6, 12), kAll}},
    {"Mariä Empfängnis", {On(8, 12), kAll}},
    {"Winteranfang", {On(21, 12), kAll}},
    {"Heiligabend", {On(24, 12), kAll}},
    {"1. Weihnachtstag", {On(25, 12), kGermanNames}},
    {"Christtag", {On(25, 12), kAustria}},
    {"Weihnachten", {On(25, 12), kSwitzerland}},
    {"2. Weihnachtstag", {On(26, 12), kGermanNames}},
    {"Stephanitag", {On(26, 12), kAustria}},
    {"Stephanstag", {On(26, 12), kSwitzerland}},
    {"Silvester", {On(31, 12), kAll}},
    {"Restauration de la République", {On(31, 12), Codes({kGenf})}},

    {"Rosenmontag", {EasterPlus(-48), kAll}},
    {"Fastnacht", {EasterPlus(-47), kAll}},
    {"Aschermittwoch", {EasterPlus(-46), kAll}},
    {"Judika", {EasterPlus(-14), kAll}},
    {"Palmsonntag", {EasterPlus(-7), kAll}},
    {"Gründonnerstag", {EasterPlus(-3), kAll}},
    {"Karfreitag", {EasterPlus(-2), kAll}},
    {"Ostersonntag", {EasterPlus(0), kAll}},
    {"Ostermontag", {EasterPlus(1), kAll}},
    {"Weißer Sonntag", {EasterPlus(7), kAll}},
    {"Christi Himmelfahrt", {EasterPlus(39), kGermanAndAustrianNames}},
    {"Auffahrt", {EasterPlus(39), kSwitzerland}},
    {"Pfingstsonntag", {EasterPlus(49), kAll}},
    {"Pfingstmontag", {EasterPlus(50), kAll}},
    {"Dreieinigkeitsfest", {EasterPlus(56), kAll}},
    {"Fronleichnam", {EasterPlus(60), kAll}},

    {"4. Advent", {FourthAdventPlus(0), kAll}},
    {"3. Advent", {FourthAdventPlus(-7), kAll}},
    {"2. Advent", {FourthAdventPlus(-14), kAll}},
    {"1. Advent", {FourthAdventPlus(-21), kAll}},
    {"Totensonntag", {FourthAdventPlus(-28), kAll}},
    {"Buß- und Bettag", {FourthAdventPlus(-32), kAll}},
    {"Volkstrauertag", {FourthAdventPlus(-35), kAll}},
};

constexpr std::string_view kSeparator = " \r\n";

// Removes spaces, carriage returns and line feeds from both ends of the text (the separator after
// the last name, or the part of one that truncation left).
void TrimSeparators(char* text) {
  std::string_view view(text);
  std::size_t first = view.find_first_not_of(kSeparator);
  if (first == std::string_view::npos) {
    std::memset(text, 0, view.size());
    return;
  }
  std::size_t end = view.find_last_not_of(kSeparator) + 1;
  std::memmove(text, text + first, end - first);
  std::memset(text + (end - first), 0, view.size() - (end - first));
}

}  // namespace

void DayNamesForDate(int day, int month, int year, int region, char* out, std::size_t capacity) {
  if (capacity == 0) return;
  std::memset(out, 0, capacity);
  DateFacts date = FactsOf(day, month, year);
  for (const NamedDay& named_day : kNamedDays) {
    if (!RuleApplies(named_day.rule, date, region)) continue;
    AppendText(out, capacity, named_day.name);
    AppendText(out, capacity, kSeparator);
  }
  TrimSeparators(out);
}
