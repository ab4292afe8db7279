#include "frame/menu_tree.h"

#include "frame/dispatcher.h"
#include "frame/payroll_bar.h"

namespace skolvarin::frame {

namespace {

using A = MenuAction;

// Main bar (window 1).
constexpr MenuItemSpec kMainBar[] = {
    {" Płace ", 5300, 0x70, -1, A::PayrollBar, -1},
    {" Dowody ", 5100, 0xE4, 1, A::GeneralDispatcher, -1},
    {" Transp ", 5200, 0x74, -1, A::None, 2},
    {" Wyposażenie ", 5800, 0xF7, 2, A::GeneralDispatcher, -1},
    {" Amort ", 5900, 0xE1, 3, A::GeneralDispatcher, -1},
    {" Kasa ", 4100, 0xEB, 16, A::GeneralDispatcher, -1},
    {" Rozlicz ", 4150, 0xF2, -1, A::Settlements, -1},
    {" Noty ", 4200, 0xEE, -1, A::InterestNotes, -1},
    {" Pomocnicze ", 6000, 0x6F, -1, A::None, 1},
};

// Pomocnicze (window 2).
constexpr MenuItemSpec kAuxiliary[] = {
    {" Konta ", 6100, 0xEE, 4, A::GeneralDispatcher, -1},
    {" Kontrahenci ", 6200, 0xEB, 5, A::GeneralDispatcher, -1},
    {" Opisy ", 6300, 0xEF, 6, A::GeneralDispatcher, -1},
    {" Urzędy ", 6400, 0xF5, 7, A::GeneralDispatcher, -1},
    {" Kody ", 6700, 0xE4, 8, A::GeneralDispatcher, -1},
    {" Przelewy ", 6600, 0xF0, 9, A::GeneralDispatcher, -1},
    {" Kraje ", 129, 0xE5, 13, A::GeneralDispatcher, -1},
    {" Kursy ", 135, 0xF9, 14, A::GeneralDispatcher, -1},
    {" Odsetki ", 950, 0x6F, -1, A::None, 3},
};

// Transp (window 3).
constexpr MenuItemSpec kTransport[] = {
    {" Rachunki ", 5220, 0xF2, 10, A::GeneralDispatcher, -1},
    {" Przejazdy ", 5210, 0xF0, 11, A::GeneralDispatcher, -1},
    {" Samochody ", 5230, 0xF3, 12, A::GeneralDispatcher, -1},
};

// Odsetki (window 4).
constexpr MenuItemSpec kInterest[] = {
    {" Oblicz ", 951, 0x6F, -1, A::InterestCalculator, -1},
    {" Ustawowe ", 952, 0xF5, -1, A::StatutoryRates, -1},
    {" Podatkowe ", 953, 0xF0, -1, A::TaxArrearsRates, -1},
    {" Dni wolne ", 954, 0xE4, -1, A::Holidays, -1},
};

constexpr MenuSpec kMainTree[] = {
    {"Menu główne", kMainBar},
    {"Pomocnicze", kAuxiliary},
    {"Transp", kTransport},
    {"Odsetki", kInterest},
};

// Payroll bar.
constexpr MenuItemSpec kPayrollBar[] = {
    {" Lista ", 5310, 0xEC, 1, A::PayrollDispatcher, -1},
    {" ZUS ", 6800, 0xFA, 2, A::PayrollDispatcher, -1},
    {" Umowy ", 5350, 0xF5, 3, A::PayrollDispatcher, -1},
    {" Pracownicy ", 5330, 0xF0, 4, A::PayrollDispatcher, -1},
    {" Nieobecność ", 5600, 0xEE, 5, A::PayrollDispatcher, -1},
    {" Średnie ", 5700, 0xF2, 6, A::PayrollDispatcher, -1},
    {" ZFŚS ", 5400, 0xE6, 8, A::PayrollDispatcher, -1},
    {" Pomocnicze ", 5500, 0xED, -1, A::None, 1},
};

// Pomocnicze of the payroll bar.
constexpr MenuItemSpec kPayrollAuxiliary[] = {
    {" Składniki ", 5510, 0xF3, 7, A::PayrollDispatcher, -1},
    {" Parametry ", 5520, 0xF0, 9, A::PayrollDispatcher, -1},
    {" Kalkulator ", 5530, 0xEB, 10, A::PayrollDispatcher, -1},
};

constexpr MenuSpec kPayrollTree[] = {
    {"Płace", kPayrollBar},
    {"Płace - Pomocnicze", kPayrollAuxiliary},
};

}  // namespace

std::span<const MenuSpec> main_menu_tree() { return kMainTree; }
std::span<const MenuSpec> payroll_menu_tree() { return kPayrollTree; }

MenuHandler handler_for(MenuAction action) {
  switch (action) {
    case A::None: return nullptr;
    case A::GeneralDispatcher: return &general_dispatcher;
    case A::PayrollDispatcher: return &payroll_dispatcher;
    case A::PayrollBar: return &payroll_bar;
    case A::Settlements: return &settlements_item;
    case A::InterestNotes: return &interest_notes_item;
    case A::InterestCalculator: return &interest_calculator_item;
    case A::StatutoryRates: return &statutory_rates_item;
    case A::TaxArrearsRates: return &tax_arrears_rates_item;
    case A::Holidays: return &holidays_item;
  }
  return nullptr;
}

}  // namespace skolvarin::frame
