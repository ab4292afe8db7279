#include "frame/dispatch_chains.h"

#include "data/module_state.h"
#include "data/openers.h"
#include "data/transfer_table.h"
#include "data/year_carry_over.h"

namespace skolvarin::frame {

namespace {

// Per-year openers run for the working year.
template <int (*Open)(int, int)>
int this_year(int tag_option) {
  return Open(tag_option, 0);
}

// Fixed assets of the working year, carried over from the previous year on
// the user's consent when the year has no file yet.
int fixed_assets_of_this_year(int tag_option) {
  return data::open_with_carry_over(data::state().ctx, "W3AMOR  .DBF", tag_option, 0);
}

constexpr ChainStep S(const char* f) { return {f, true, nullptr}; }
constexpr ChainStep T(const char* f, TableOpener open) { return {f, false, open}; }

// General register dispatcher.
constexpr ChainStep kDocuments[] = {S("W3PAPL  .DBF"), S("W3PAEV.DBF"),
                                    T("W3USKA.DBF", &data::open_w3uska),
                                    T("W3DOWE  .DBF", &this_year<&data::open_w3dowe>),
                                    T("W3DOWO  .DBF", &this_year<&data::open_w3dowo>)};
constexpr ChainStep kEquipment[] = {T("W3WYPO.DBF", &data::open_w3wypo)};
constexpr ChainStep kFixedAssets[] = {T("W3AMOR  .DBF", &fixed_assets_of_this_year)};
constexpr ChainStep kAccounts[] = {T("W3KONT.DBF", &data::open_w3kont)};
constexpr ChainStep kContractors[] = {T("W3KHNT.DBF", &data::open_w3khnt)};
constexpr ChainStep kDescriptions[] = {T("W3OPIS.DBF", &data::open_w3opis)};
constexpr ChainStep kTaxOffices[] = {T("W3USKA.DBF", &data::open_w3uska)};
constexpr ChainStep kZusCodes[] = {T("W3KZUS.DBF", &data::open_w3kzus)};
constexpr ChainStep kTransfers[] = {S("W3PAPV.DBF"),
                                    S("W3PAZU.DBF"),
                                    S("W3PAPL  .DBF"),
                                    T("W3PLEW  .DBF", &this_year<&data::open_w3plew>),
                                    T("W3KHNT.DBF", &data::open_w3khnt),
                                    T("W3PRAC.DBF", &data::open_w3prac),
                                    T("W3WSPL  .DBF", &this_year<&data::open_w3wspl>),
                                    T("W3USKA.DBF", &data::open_w3uska)};
constexpr ChainStep kTransportBills[] = {T("W3SAMO.DBF", &data::open_w3samo),
                                         T("W3PRZE  .DBF", &this_year<&data::open_w3prze>),
                                         T("W3RASA  .DBF", &this_year<&data::open_w3rasa>)};
constexpr ChainStep kTrips[] = {T("W3SAMO.DBF", &data::open_w3samo),
                                T("W3PRZE  .DBF", &this_year<&data::open_w3prze>)};
constexpr ChainStep kVehicles[] = {T("W3SAMO.DBF", &data::open_w3samo)};
constexpr ChainStep kCountries[] = {T("W3KRAJ.DBF", &data::open_w3kraj)};
constexpr ChainStep kRates[] = {T("W3KURS.DBF", &data::open_w3kurs)};
constexpr ChainStep kCash[] = {S("W3PAEV.DBF")};

constexpr RegisterChain kGeneral[] = {
    {1, RegisterId::Documents, kDocuments},
    {2, RegisterId::Equipment, kEquipment},
    {3, RegisterId::FixedAssets, kFixedAssets},
    {4, RegisterId::Accounts, kAccounts},
    {5, RegisterId::Contractors, kContractors},
    {6, RegisterId::Descriptions, kDescriptions},
    {7, RegisterId::TaxOffices, kTaxOffices},
    {8, RegisterId::ZusCodes, kZusCodes},
    {9, RegisterId::BankTransfers, kTransfers},
    {10, RegisterId::TransportBills, kTransportBills},
    {11, RegisterId::Trips, kTrips},
    {12, RegisterId::Vehicles, kVehicles},
    {13, RegisterId::Countries, kCountries},
    {14, RegisterId::ExchangeRates, kRates},
    {16, RegisterId::CashBook, kCash},
};

// Payroll register dispatcher.
constexpr ChainStep kPayLists[] = {S("W3PAZU.DBF"),
                                   S("W3PAZR  .DBF"),
                                   S("W3PAPL  .DBF"),
                                   T("W3SRDN.DBF", &data::open_w3srdn),
                                   T("W3USKA.DBF", &data::open_w3uska),
                                   T("W3PRAC.DBF", &data::open_w3prac),
                                   T("W3UMOW  .DBF", &this_year<&data::open_w3umow>),
                                   T("W3PESK  .DBF", &this_year<&data::open_w3pesk>),
                                   T("W3PENS  .DBF", &this_year<&data::open_w3pens>),
                                   T("W3DEKL.DBF", &data::open_w3dekl),
                                   T("W3DNWO.DBF", &data::open_w3dnwo)};
constexpr ChainStep kZus[] = {S("W3PAPL  .DBF"),
                              S("W3PAZU.DBF"),
                              S("W3PAZR  .DBF"),
                              T("W3ZUSP  .DBF", &this_year<&data::open_w3zusp>),
                              T("W3ZUSD  .DBF", &this_year<&data::open_w3zusd>),
                              T("W3ZUSS  .DBF", &this_year<&data::open_w3zuss>),
                              T("W3ZUSR  .DBF", &this_year<&data::open_w3zusr>),
                              T("W3PRAC.DBF", &data::open_w3prac)};
constexpr ChainStep kContracts[] = {S("W3PAZU.DBF"),
                                    S("W3PAPL  .DBF"),
                                    T("W3USKA.DBF", &data::open_w3uska),
                                    T("W3PRAC.DBF", &data::open_w3prac),
                                    T("W3PENS  .DBF", &this_year<&data::open_w3pens>),
                                    T("W3UMOW  .DBF", &this_year<&data::open_w3umow>),
                                    T("W3DEKL.DBF", &data::open_w3dekl)};
constexpr ChainStep kEmployees[] = {S("W3PAEV.DBF"),
                                    S("W3PAPL  .DBF"),
                                    T("W3USKA.DBF", &data::open_w3uska),
                                    T("W3PENS  .DBF", &this_year<&data::open_w3pens>),
                                    T("W3UMOW  .DBF", &this_year<&data::open_w3umow>),
                                    T("W3PRAC.DBF", &data::open_w3prac),
                                    T("W3DEKL.DBF", &data::open_w3dekl)};
constexpr ChainStep kAbsences[] = {S("W3PAPL  .DBF"),
                                   T("W3USKA.DBF", &data::open_w3uska),
                                   T("W3PRAC.DBF", &data::open_w3prac),
                                   T("W3PESK  .DBF", &this_year<&data::open_w3pesk>),
                                   T("W3NIEO  .DBF", &this_year<&data::open_w3nieo>),
                                   T("W3DNWO.DBF", &data::open_w3dnwo)};
constexpr ChainStep kAverages[] = {S("W3PAZR  .DBF"),
                                   S("W3PAZU.DBF"),
                                   S("W3PAPL  .DBF"),
                                   T("W3USKA.DBF", &data::open_w3uska),
                                   T("W3PENS  .DBF", &this_year<&data::open_w3pens>),
                                   T("W3UMOW  .DBF", &this_year<&data::open_w3umow>),
                                   T("W3PESK  .DBF", &this_year<&data::open_w3pesk>),
                                   T("W3PRAC.DBF", &data::open_w3prac),
                                   T("W3SRDN.DBF", &data::open_w3srdn)};
constexpr ChainStep kComponents[] = {T("W3PELI.DBF", &data::open_w3peli)};
constexpr ChainStep kSocialFund[] = {T("W3USKA.DBF", &data::open_w3uska),
                                     T("W3PRAC.DBF", &data::open_w3prac),
                                     T("W3ZFSS  .DBF", &this_year<&data::open_w3zfss>)};
constexpr ChainStep kParameters[] = {S("W3PAPL  .DBF"), S("W3PAZU.DBF"), S("W3PAZR  .DBF")};
constexpr ChainStep kCalculator[] = {S("W3PAPL  .DBF"), S("W3PAZU.DBF"),
                                     T("W3PRAC.DBF", &data::open_w3prac)};

constexpr RegisterChain kPayroll[] = {
    {1, RegisterId::PayrollLists, kPayLists},
    {2, RegisterId::ZusDeclarations, kZus},
    {3, RegisterId::Contracts, kContracts},
    {4, RegisterId::Employees, kEmployees},
    {5, RegisterId::Absences, kAbsences},
    {6, RegisterId::Averages, kAverages},
    {7, RegisterId::PayComponents, kComponents},
    {8, RegisterId::SocialFund, kSocialFund},
    {9, RegisterId::PayrollParameters, kParameters},
    {10, RegisterId::PayrollCalculator, kCalculator},
};

constexpr DirectRegister kDirect[] = {
    {RegisterId::StatutoryRates, T("W3ODUS.DBF", &data::open_w3odus)},
    {RegisterId::TaxArrearsRates, T("W3ZAPO.DBF", &data::open_w3zapo)},
    {RegisterId::Holidays, T("W3DNWO.DBF", &data::open_w3dnwo)},
};

}  // namespace

std::span<const RegisterChain> chains(Dispatcher d) {
  if (d == Dispatcher::General) return kGeneral;
  return kPayroll;
}

const RegisterChain* find_chain(Dispatcher d, int code) {
  for (const RegisterChain& c : chains(d))
    if (c.code == code) return &c;
  return nullptr;
}

std::span<const DirectRegister> direct_registers() { return kDirect; }

}  // namespace skolvarin::frame
