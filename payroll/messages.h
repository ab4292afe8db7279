// Message ids the payroll computations hand back to their callers.  Below
// 1000 a text of the module's message table, from 20000 up a text of the
// host.  The computations never show a message themselves: they return the
// id and the register shows it.
#pragma once

namespace skolvarin::payroll::msg {

inline constexpr int kBadComponents = 8;          // "Błąd składników !"
inline constexpr int kSumsFailed = 10;            // "Błąd sumowania składników !"
inline constexpr int kTaxTableError = 12;         // "Błąd tabeli podatkowej!"
inline constexpr int kBenefitKindError = 14;      // "Błąd typu świadczenia !"
inline constexpr int kWorkTimeError = 16;         // "Błąd wymiaru czasu pracy ( <= 0 ) !"
inline constexpr int kWorkTimeZero = 17;          // "Błąd wymiaru czasu pracy ( = 0 ? ) !"
inline constexpr int kNoTaxTable = 39;            // "Brak tabeli podatkowej!"
inline constexpr int kDateBeforeStart = 66;       // "Data nie może być młodsza od początkowej !"
inline constexpr int kNegativeDays = 122;         // "Liczba dni < 0"
inline constexpr int kDaysOverMonth = 123;        // "Ilość dni > dni w m-cu"
inline constexpr int kDaysOverWorking = 124;      // "Ilość dni > od roboczych"
inline constexpr int kFirstDaysUnpaid = 137;      // "Nie przysługuje zasiłek za pierwsze dni !"
inline constexpr int kEmployerSickPay = 158;      // "Pracownikowi przysługuje wynagrodzenie za chorobę ..."
inline constexpr int kSicknessBenefitDue = 159;   // "Pracownikowi przysługuje zasiłek z ubezpieczenia chorobowego"
inline constexpr int kDifferentMonths = 173;      // "Różne miesiące dat od dnia i do dnia"
inline constexpr int kMinimumPayFloor = 200;      // "Uwaga korekta wg płacy minimal.!"
inline constexpr int kNoCalendarHours = 210;      // "Wypełnij ilość godzin w m-cu ..."
inline constexpr int kTooHighTaxCosts = 223;      // "Za duża stopa podatku, koszty uzysku lub odliczenie."
inline constexpr int kTooHighTaxHealth = 224;     // "Za duża stopa podatku lub ubezpieczenia zdrowotnego."
inline constexpr int kTooHighTaxHealthCosts = 225;  // "Za duża stopa podatku, ubezpieczenia zdrowotnego lub kosztów."
inline constexpr int kTooHighSocialRates = 228;   // "Za duże stopy ubezpieczeń."
inline constexpr int kTaxRateChanged = 238;       // "Zmiana stawki podatku"
inline constexpr int kHealthBaseLow = 20183;      // host warning: low minimum health base

}  // namespace skolvarin::payroll::msg
