// The public holidays of the Swiss cantons. Federal law makes only 1 August equal to a Sunday and lets
// each canton make up to eight more days so (Arbeitsgesetz, SR 822.11, Art. 20a); a canton's law may
// add public rest days of its own. A canton's public holidays here are the days its law makes such
// days for the whole canton. Days its law keeps for some districts or communes only, half days,
// customary days off and days off for some trades are named (day_names.cpp) but are no public holiday.
//
// The law each canton's rows follow, and what they rest on where the law's text was not at hand
// (feiertagskalender.ch gives each canton's days by class: equal to Sundays, recognised rest day,
// half day, not recognised):
//   Aargau                  Einführungsgesetz zum Arbeitsrecht, § 6: eight lists by district, in
//                           common only Neujahr, Karfreitag, Auffahrt and Weihnachten.
//   Appenzell Ausserrhoden  Verordnung zum Arbeitsgesetz; no Stephanstag when Christmas falls on a
//                           Monday or a Friday (the canton's own overview, hallo-ar.ch).
//   Appenzell Innerrhoden   Ruhetagsgesetz, GS 822.200: Mariä Himmelfahrt, Allerheiligen and Mariä
//                           Empfängnis are public rest days beside the days equal to Sundays; no
//                           Stephanstag that would make three rest days in a row (Art. 2 lit. b); the
//                           St. Mauritiustag in the inner district only (ai.ch).
//   Basel-Landschaft        Gesetz über die öffentlichen Ruhetage (the canton's list, hallo-baselland.ch).
//   Basel-Stadt             Ruhetagsgesetz.
//   Bern                    Gesetz über die Ruhe an öffentlichen Feiertagen (BSG 555.1).
//   Freiburg                Loi sur les jours fériés: the catholic and the reformed days hold by
//                           commune, so only the days common to both are kept.
//   Genf                    Loi sur les jours fériés (J 1 45).
//   Glarus                  Gesetz über die öffentlichen Ruhetage; the Näfelser Fahrt moves a week on
//                           when it would be Maundy Thursday (the canton's announcements).
//   Graubünden              Gesetz über die öffentlichen Ruhetage; the catholic days by commune only.
//   Jura                    Loi sur les jours fériés officiels et le repos dominical.
//   Luzern                  Ruhetags- und Ladenschlussgesetz (SRL 855); Mariä Empfängnis a recognised
//                           rest day (feiertagskalender.ch).
//   Neuenburg               Loi sur les jours fériés: 2 January and 26 December only when the day
//                           before is a Sunday; Fête-Dieu in two communes only (the canton's list,
//                           scan-ne.ch, and feiertagskalender.ch).
//   Nidwalden               Ruhetagsgesetz of 1980 (feiertagskalender.ch).
//   Obwalden                Kantonale Feiertagsverordnung of 6 February 1969, Art. 1.
//   Schaffhausen            Ruhetagsgesetz; the Berchtoldstag stays a working day (Kantonsrat, 2019).
//   Schwyz                  Verordnung über die öffentlichen Ruhetage (feiertagskalender.ch).
//   Solothurn               Gesetz über die öffentlichen Ruhetage: 1 May afternoon only; Fronleichnam,
//                           Mariä Himmelfahrt and Allerheiligen not in the district of Bucheggberg (so.ch).
//   St. Gallen              Ruhetagsgesetz (sGS 552.1).
//   Tessin                  Legge sul riposo nei giorni festivi; no Good Friday.
//   Thurgau                 Ruhetagsgesetz.
//   Uri                     Gesetz über die öffentlichen Ruhetage; the law's text was not at hand: the
//                           days follow the overview of the German-language encyclopaedia's article
//                           on Swiss holidays.
//   Waadt                   Loi sur les jours fériés; Lundi du Jeûne instead of Stephanstag.
//   Wallis                  Loi sur les jours fériés (the canton's page, vs.ch, and the communes'
//                           lists): neither Good Friday nor Easter or Whit Monday nor Stephanstag.
//   Zug                     Gesetz über die öffentlichen Ruhetage (the canton's list, zg.ch).
//   Zürich                  Ruhetags- und Ladenöffnungsgesetz (LS 822.4), § 1; the Berchtoldstag is a
//                           customary day off only.
#include "calendar/canton_holidays.h"

#include "calendar/holidays.h"

namespace {

constexpr RegionSet kCatholicCantons = Codes({kAppenzellInnerrhoden, kLuzern, kNidwalden, kObwalden, kSchwyz,
                                              kTessin, kUri, kWallis, kZug});
// Where Easter and Whit Monday are no public holiday.
constexpr RegionSet kWithoutEasterMonday = Codes({kAargau, kFreiburg, kLuzern, kNeuenburg, kNidwalden, kObwalden,
                                                  kSolothurn, kWallis, kZug});
constexpr unsigned kMonday = Weekdays({1});
constexpr unsigned kNotTuesday = kEveryWeekday & ~Weekdays({2});  // Christmas on a Monday
constexpr unsigned kNotTuesdayOrSaturday = kNotTuesday & ~Weekdays({6});

constexpr DayRule kCantonRows[] = {
    {On(1, 1), kCantons},
    {On(2, 1), Codes({kBern, kJura, kThurgau, kWaadt})},  // Berchtoldstag
    {OnWeekdays(2, 1, kMonday), Codes({kNeuenburg})},
    {On(6, 1), Codes({kSchwyz, kTessin, kUri})},
    {On(1, 3), Codes({kNeuenburg})},  // Instauration de la République
    {On(19, 3), Codes({kNidwalden, kSchwyz, kTessin, kUri, kWallis})},
    {NaefelserFahrt(), Codes({kGlarus})},
    {On(1, 5), Codes({kBaselLandschaft, kBaselStadt, kJura, kNeuenburg, kSchaffhausen, kThurgau, kTessin, kZuerich})},
    {On(23, 6), Codes({kJura})},  // Fête de l'Indépendance jurassienne
    {On(29, 6), Codes({kTessin})},
    {On(1, 8), kCantons},
    {On(15, 8), kCatholicCantons | Codes({kJura})},
    {WeekdayFrom(4, 5, 9), Codes({kGenf})},                     // Jeûne genevois, the Thursday after the first Sunday
    {SundayFrom(15, 9), Without(kCantons, Codes({kGenf}))},     // Eidgenössischer Dank-, Buss- und Bettag
    {WeekdayFrom(1, 16, 9), Codes({kWaadt})},                   // Lundi du Jeûne, the Monday after the Bettag
    {On(25, 9), Codes({kObwalden})},                            // Bruder Klaus
    {On(1, 11), kCatholicCantons | Codes({kGlarus, kJura, kStGallen})},
    {On(8, 12), kCatholicCantons},
    {On(25, 12), kCantons},
    {On(26, 12), Codes({kBaselLandschaft, kBaselStadt, kBern, kGlarus, kGraubuenden, kJura, kLuzern, kSchaffhausen,
                        kSchwyz, kStGallen, kTessin, kThurgau, kUri, kZuerich})},
    // Not when it would make three rest days in a row (Ausserrhoden: nor after a Friday Christmas).
    {OnWeekdays(26, 12, kNotTuesday), Codes({kAppenzellInnerrhoden})},
    {OnWeekdays(26, 12, kNotTuesdayOrSaturday), Codes({kAppenzellAusserrhoden})},
    {OnWeekdays(26, 12, kMonday), Codes({kNeuenburg})},
    {On(31, 12), Codes({kGenf})},  // Restauration de la République
    {EasterPlus(-2), Without(kCantons, Codes({kTessin, kWallis}))},  // Good Friday
    {EasterPlus(0), kCantons},
    {EasterPlus(1), Without(kCantons, kWithoutEasterMonday)},
    {EasterPlus(39), kCantons},  // Auffahrt
    {EasterPlus(49), kCantons},
    {EasterPlus(50), Without(kCantons, kWithoutEasterMonday)},
    {EasterPlus(60), kCatholicCantons | Codes({kJura})},  // Fronleichnam
};

}  // namespace

std::span<const DayRule> CantonPublicHolidays() { return kCantonRows; }
