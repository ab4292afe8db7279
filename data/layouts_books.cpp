// Layouts of the dictionaries, the book and VAT records and the tables of the
// asset, cash, document, transport, interest and transfer registers.
// Fields in layout order, tags in definition order; see layouts.h.
#include "data/layouts.h"

namespace skolvarin::data {

namespace {

using T = skolvarin::db::FieldType;
constexpr T C = T::Character, N = T::Numeric, D = T::Date, L = T::Logical;

// W3KHNT.DBF: contractors.
constexpr FieldDef kW3KHNTFields[] = {
    {"KOD", C, 20, 0}, {"NA1", C, 70, 0}, {"NA2", C, 70, 0}, {"KOP", C, 6, 0}, {"POC", C, 25, 0},
    {"MIA", C, 25, 0}, {"ULI", C, 64, 0}, {"KRA", C, 30, 0}, {"NIP", C, 20, 0}, {"CZV", C, 1, 0},
    {"BAN", C, 30, 0}, {"KON", C, 42, 0}, {"OSO", C, 25, 0}, {"TEL", C, 20, 0}, {"FAX", C, 20, 0},
    {"TLX", C, 20, 0}, {"UWA", C, 70, 0}, {"STA", C, 1, 0}, {"TYP", N, 1, 0}, {"NET", N, 11, 2},
    {"VAT", N, 11, 2}, {"BRU", N, 11, 2}, {"TKO", N, 1, 0}, {"UPU", N, 5, 2}, {"ILD", N, 3, 0},
    {"PLA", C, 25, 0}, {"NAL", N, 11, 2}, {"DLU", N, 11, 2}, {"OP1", C, 20, 0}, {"OP2", C, 20, 0},
    {"TYC", C, 1, 0}, {"ZNA", C, 1, 0}, {"ZNB", C, 1, 0}, {"ZNC", C, 1, 0}, {"ZND", C, 1, 0},
    {"NDT", C, 20, 0}, {"DDT", D, 8, 0}, {"OWT", C, 50, 0}, {"WWW", C, 40, 0}, {"EMA", C, 40, 0},
    {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3KHNTTags[] = {
    {"UPPER(NA1)", "", 0},
    {"UPPER(KOD)", "", 0},
    {"UPPER(NIP)", "", 0},
};

// W3KONT.DBF: accounts.
constexpr FieldDef kW3KONTFields[] = {
    {"NAZ", C, 34, 0}, {"NUM", C, 8, 0}, {"PRZ", N, 11, 2}, {"KOS", N, 11, 2}, {"WYD", N, 11, 2},
    {"POC", D, 8, 0}, {"KON", D, 8, 0}, {"REC", N, 5, 0}, {"INF", C, 32, 0},
};
constexpr TagDef kW3KONTTags[] = {
    {"NUM", "", 0},
    {"STR(REC,5,0)", "", 0},
    {"UPPER(NAZ)", "", 0},
};

// W3OPIS.DBF: descriptions.
constexpr FieldDef kW3OPISFields[] = {
    {"OP1", C, 20, 0}, {"OP2", C, 20, 0}, {"KOD", C, 5, 0}, {"INF", C, 32, 0},
};
constexpr TagDef kW3OPISTags[] = {
    {"UPPER(OP1+OP2)", "", 0},
    {"UPPER(KOD)", "", 0},
};

// W3USKA.DBF: tax offices.
constexpr FieldDef kW3USKAFields[] = {
    {"SKN", C, 30, 0}, {"NAZ", C, 54, 0}, {"ULI", C, 32, 0}, {"DOM", C, 5, 0}, {"KDP", C, 6, 0},
    {"MIA", C, 25, 0}, {"BCP", C, 30, 0}, {"KNC", C, 54, 0}, {"KNV", C, 54, 0}, {"KOD", N, 4, 0},
    {"UWA", C, 30, 0}, {"XML", C, 4, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0},
};
constexpr TagDef kW3USKATags[] = {
    {"KOD", "", 0},
    {"XML", "", 0},
    {"SKN", "", 0},
    {"NAZ", "", 0},
};

// W3KRAJ.DBF: countries.
constexpr FieldDef kW3KRAJFields[] = {
    {"SUE", C, 1, 0}, {"KKR", C, 3, 0}, {"KRA", C, 30, 0}, {"KOD", C, 3, 0}, {"SYM", N, 4, 0},
    {"INF", C, 32, 0}, {"RE1", C, 20, 0}, {"RE2", N, 10, 2},
};
constexpr TagDef kW3KRAJTags[] = {
    {"UPPER(KKR)", "", 0},
    {"UPPER(KRA)", "", 0},
    {"UPPER(KOD)", "", 0},
};

// W3KURS.DBF: exchange rates.
constexpr FieldDef kW3KURSFields[] = {
    {"DAT", D, 8, 0}, {"KOD", C, 3, 0}, {"KUR", N, 10, 6}, {"KUZ", N, 10, 6}, {"KUS", N, 10, 6},
    {"NBP", C, 15, 0}, {"INF", C, 32, 0}, {"RE1", C, 20, 0}, {"RE2", N, 10, 2},
};
constexpr TagDef kW3KURSTags[] = {
    {"DTOS(DAT)+UPPER(KOD)", "", 0},
    {"UPPER(KOD)+DTOS(DAT)", "", 0},
};

// W3DNWO.DBF: public holidays.
constexpr FieldDef kW3DNWOFields[] = {
    {"DAT", D, 8, 0}, {"INF", C, 32, 0},
};
constexpr TagDef kW3DNWOTags[] = {
    {"DTOS(DAT)", "", 0},
};

// W3ODUS.DBF: statutory interest rates.
constexpr FieldDef kW3ODUSFields[] = {
    {"DAT", D, 8, 0}, {"STO", N, 6, 3}, {"TYP", C, 1, 0}, {"INF", C, 32, 0},
};
constexpr TagDef kW3ODUSTags[] = {
    {"DTOS(DAT)", "", 0},
};

// W3ZAPO.DBF: tax-arrears interest rates.
constexpr FieldDef kW3ZAPOFields[] = {
    {"DAT", D, 8, 0}, {"STO", N, 6, 3}, {"TYP", C, 1, 0}, {"INF", C, 32, 0},
};
constexpr TagDef kW3ZAPOTags[] = {
    {"DTOS(DAT)", "", 0},
};

// W3NOTY  .DBF: interest notes.
constexpr FieldDef kW3NOTYFields[] = {
    {"TYP", N, 1, 0}, {"PRE", C, 4, 0}, {"NUM", N, 5, 0}, {"POS", C, 9, 0}, {"DAT", D, 8, 0},
    {"DPL", D, 8, 0}, {"KOD", C, 20, 0}, {"NA1", C, 70, 0}, {"NA2", C, 70, 0}, {"KOP", C, 6, 0},
    {"POC", C, 25, 0}, {"MIA", C, 25, 0}, {"ULI", C, 64, 0}, {"NIP", C, 13, 0}, {"KWO", N, 11, 2},
    {"OBC", N, 11, 2}, {"UZN", N, 11, 2}, {"WAL", C, 3, 0}, {"KUR", N, 10, 6}, {"TYK", N, 1, 0},
    {"KON", C, 42, 0}, {"OP1", C, 78, 0}, {"OP2", C, 78, 0}, {"OP3", C, 78, 0}, {"OP4", C, 78, 0},
    {"OP5", C, 78, 0}, {"UWA", C, 78, 0}, {"WYS", C, 45, 0}, {"FAK", C, 40, 0}, {"FDA", D, 8, 0},
    {"FDP", D, 8, 0}, {"DOD", D, 8, 0}, {"ILD", N, 4, 0}, {"NAL", N, 11, 2}, {"ODS", N, 11, 2},
    {"REC", N, 7, 0}, {"INF", C, 32, 0}, {"ODE", C, 45, 0}, {"KZA", N, 11, 2}, {"CZA", C, 1, 0},
    {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3NOTYTags[] = {
    {"DTOS(DAT)+STR(RECNO(),5,0)", "", 0},
    {"PRE+STR(NUM,5,0)+POS", "", 0},
    {"NA1+DTOS(DAT)", "", 0},
    {"STR(TYP,1,0)+PRE+STR(NUM,5,0)", "", 0},
    {"STR(TYP,1,0)+DTOS(DAT)+STR(RECNO(),5,0)", "", 10},
    {"STR(TYP,1,0)+PRE+STR(NUM,5,0)", "", 10},
};

// W3DOWO  .DBF: documents.
constexpr FieldDef kW3DOWOFields[] = {
    {"TYP", N, 1, 0}, {"NUM", C, 10, 0}, {"DAT", D, 8, 0}, {"NA1", C, 30, 0}, {"NA2", C, 30, 0},
    {"RAZ", N, 11, 2}, {"UWA", C, 30, 0}, {"TRK", N, 1, 0}, {"LPO", N, 5, 0}, {"DAZ", D, 8, 0},
    {"REK", N, 7, 0}, {"REC", N, 7, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3DOWOTags[] = {
    {"STR(TYP,1,0)+UPPER(NUM)", "", 0},
    {"DTOS(DAT)+STR(TYP,1,0)+UPPER(NUM)", "", 0},
    {"REK", "", 0},
};

// W3DOWE  .DBF: document lines.
constexpr FieldDef kW3DOWEFields[] = {
    {"REK", N, 7, 0}, {"NA1", C, 30, 0}, {"NA2", C, 30, 0}, {"ILO", N, 13, 4}, {"CEN", N, 9, 2},
    {"WAR", N, 11, 2}, {"RYT", N, 2, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3DOWETags[] = {
    {"STR(REK,7,0)+STR(RECNO(),7,0)", "", 0},
};

// W3DANE  .DBF: revenue and expense book entries.
constexpr FieldDef kW3DANEFields[] = {
    {"LPO", N, 5, 0}, {"DAT", D, 8, 0}, {"NUM", C, 30, 0}, {"NA1", C, 35, 0}, {"NA2", C, 35, 0},
    {"NA3", C, 35, 0}, {"NA4", C, 35, 0}, {"MIA", C, 32, 0}, {"UL1", C, 32, 0}, {"UL2", C, 32, 0},
    {"OP1", C, 20, 0}, {"OP2", C, 20, 0}, {"PSP", N, 11, 2}, {"POP", N, 11, 2}, {"ZAK", N, 11, 2},
    {"UBO", N, 11, 2}, {"REL", N, 11, 2}, {"WYN", N, 11, 2}, {"INN", N, 11, 2}, {"K15", C, 22, 0},
    {"UWA", C, 22, 0}, {"ANU", C, 1, 0}, {"ZRK", N, 1, 0}, {"NLP", N, 3, 0}, {"KON", N, 5, 0},
    {"ZAP", C, 1, 0}, {"REC", N, 7, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
    {"RE3", C, 1, 0}, {"RE4", N, 5, 2},
};
constexpr TagDef kW3DANETags[] = {
    {"DTOS(DAT) + STR(RECNO(),9,0)", "", 0},
    {"UPPER(NA1+NA2)", "", 0},
    {"NUM", "", 0},
    {"UPPER(OP1+OP2)", "", 0},
    {"STR(MONTH(DAT),2,0)+STR(LPO,5,0)", "", 0},
    {"REC", "", 0},
};

// W3RYCZ  .DBF: lump-sum revenue record.
constexpr FieldDef kW3RYCZFields[] = {
    {"LPO", N, 5, 0}, {"DAT", D, 8, 0}, {"NUM", C, 20, 0}, {"DAD", D, 8, 0}, {"USL", N, 11, 2},
    {"PRO", N, 11, 2}, {"HAN", N, 11, 2}, {"UIN", N, 11, 2}, {"WZA", N, 11, 2}, {"NIE", N, 11, 2},
    {"RAZ", N, 11, 2}, {"UW1", C, 30, 0}, {"UW2", C, 30, 0}, {"ANU", C, 1, 0}, {"ZRK", N, 1, 0},
    {"KON", N, 5, 0}, {"ZAP", C, 1, 0}, {"REC", N, 7, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0},
    {"RE2", N, 11, 2}, {"RE3", C, 30, 0}, {"RE4", N, 11, 2},
};
constexpr TagDef kW3RYCZTags[] = {
    {"DTOS(DAD)+STR(RECNO(),9,0)", "", 0},
    {"NUM", "", 0},
    {"STR(MONTH(DAD),2,0)+STR(LPO,5,0)", "", 0},
    {"REC", "", 0},
};

// W3ZAKE  .DBF: purchase VAT record.
constexpr FieldDef kW3ZAKEFields[] = {
    {"STV", C, 1, 0}, {"STM", C, 1, 0}, {"ANU", C, 1, 0}, {"TYV", N, 1, 0}, {"NRV", C, 30, 0},
    {"DAV", D, 8, 0}, {"KOT", C, 18, 0}, {"CET", C, 1, 0}, {"KON", N, 5, 0}, {"TYW", N, 1, 0},
    {"TYZ", N, 1, 0}, {"TYS", N, 1, 0}, {"NA1", C, 40, 0}, {"NA2", C, 40, 0}, {"NA3", C, 40, 0},
    {"NA4", C, 40, 0}, {"NA5", C, 40, 0}, {"NA6", C, 40, 0}, {"KWU", C, 14, 0}, {"JED", C, 6, 0},
    {"ILO", N, 13, 4}, {"CEN", N, 12, 4}, {"CEB", N, 12, 4}, {"WAN", N, 11, 2}, {"VAT", N, 2, 0},
    {"VAS", N, 4, 1}, {"WAV", N, 11, 2}, {"WAB", N, 11, 2}, {"CZO", C, 1, 0}, {"REK", N, 7, 0},
    {"REC", N, 7, 0}, {"ILK", N, 13, 4}, {"KRN", N, 11, 2}, {"KRV", N, 11, 2}, {"ZRP", N, 1, 0},
    {"STA", C, 1, 0}, {"WAL", C, 3, 0}, {"KVA", N, 10, 6}, {"KKS", N, 10, 6}, {"KILO", N, 13, 4},
    {"KCEN", N, 12, 4}, {"KCEB", N, 12, 4}, {"KWNE", N, 11, 2}, {"KVAT", N, 2, 0},
    {"KVAS", N, 4, 1}, {"KWAV", N, 11, 2}, {"KWAB", N, 11, 2}, {"PAL", C, 1, 0}, {"AKC", C, 1, 0},
    {"AKK", C, 20, 0}, {"VOS", N, 4, 1}, {"KVO", N, 11, 2}, {"INF", C, 32, 0}, {"RE1", C, 30, 0},
    {"RE2", N, 11, 2}, {"RE3", C, 1, 0}, {"RE4", C, 1, 0},
};
constexpr TagDef kW3ZAKETags[] = {
    {"NRV", "", 0},
    {"DTOS(DAV)+STR(REK,7,0)", "", 0},
    {"UPPER(NA1)", "", 0},
    {"STR(REK,7,0)+STR(RECNO(),7,0)", "", 0},
};

// W3ZAKU  .DBF: purchase VAT record (second layout).
constexpr FieldDef kW3ZAKUFields[] = {
    {"TTR", C, 1, 0}, {"STM", C, 1, 0}, {"ANU", C, 1, 0}, {"TYV", N, 1, 0}, {"NRV", C, 30, 0},
    {"DAV", D, 8, 0}, {"DZK", D, 8, 0}, {"KHA", C, 1, 0}, {"KHB", C, 1, 0}, {"KHC", C, 1, 0},
    {"KHD", C, 1, 0}, {"KDO", C, 20, 0}, {"NA1", C, 70, 0}, {"NA2", C, 70, 0}, {"KOP", C, 6, 0},
    {"MIA", C, 25, 0}, {"ULI", C, 64, 0}, {"KRA", C, 30, 0}, {"NIP", C, 20, 0}, {"NET", N, 11, 2},
    {"VAT", N, 11, 2}, {"BRU", N, 11, 2}, {"PLA", C, 25, 0}, {"DPL", D, 8, 0}, {"NUK", C, 30, 0},
    {"DAK", D, 8, 0}, {"KRN", N, 11, 2}, {"KRV", N, 11, 2}, {"TYK", C, 47, 0}, {"UWA", C, 70, 0},
    {"LPO", N, 5, 0}, {"DZA", D, 8, 0}, {"OP1", C, 20, 0}, {"OP2", C, 20, 0}, {"REK", N, 7, 0},
    {"REC", N, 7, 0}, {"AKT", N, 1, 0}, {"TRY", N, 1, 0}, {"TRK", N, 1, 0}, {"ZAP", C, 1, 0},
    {"OZA", C, 60, 0}, {"KZA", N, 11, 2}, {"TYM", N, 1, 0}, {"NRM", N, 5, 0}, {"DAM", D, 8, 0},
    {"OSM", C, 25, 0}, {"WAM", N, 11, 2}, {"STA", C, 1, 0}, {"WAL", C, 3, 0}, {"KVA", N, 10, 6},
    {"DKV", D, 8, 0}, {"NKV", C, 15, 0}, {"KKS", N, 10, 6}, {"DKK", D, 8, 0}, {"NKK", C, 15, 0},
    {"DPZ", D, 8, 0}, {"NPZ", C, 15, 0}, {"TKO", N, 1, 0}, {"REJ", C, 20, 0}, {"KVO", N, 11, 2},
    {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3ZAKUTags[] = {
    {"UPPER(NRV)", "", 0},
    {"DTOS(DZK)+STR(REC,7,0)", "", 0},
    {"UPPER(NA1)", "", 0},
    {"REK", "", 0},
    {"REC", "", 0},
    {"NIP", "", 0},
    {"DTOS(DAV)+STR(REC,7,0)", "", 0},
};

// W3SPOE  .DBF: sales VAT record.
constexpr FieldDef kW3SPOEFields[] = {
    {"STV", C, 1, 0}, {"STM", C, 1, 0}, {"CSS", C, 1, 0}, {"TYV", N, 1, 0}, {"PRE", C, 4, 0},
    {"NRV", N, 5, 0}, {"POS", C, 9, 0}, {"DAW", D, 8, 0}, {"DAV", D, 8, 0}, {"KOT", C, 18, 0},
    {"KON", N, 5, 0}, {"TYP", N, 1, 0}, {"RYT", N, 2, 0}, {"RYS", N, 4, 1}, {"NA1", C, 40, 0},
    {"NA2", C, 40, 0}, {"NA3", C, 40, 0}, {"NA4", C, 40, 0}, {"NA5", C, 40, 0}, {"NA6", C, 40, 0},
    {"KWU", C, 14, 0}, {"JED", C, 6, 0}, {"ILO", N, 13, 4}, {"CNB", N, 12, 4}, {"CBB", N, 12, 4},
    {"RAS", N, 4, 1}, {"CNR", N, 12, 4}, {"CBR", N, 12, 4}, {"WNE", N, 11, 2}, {"VAT", N, 2, 0},
    {"VAS", N, 4, 1}, {"WAV", N, 11, 2}, {"WAB", N, 11, 2}, {"REK", N, 7, 0}, {"REC", N, 7, 0},
    {"ODC", C, 1, 0}, {"ILK", N, 13, 4}, {"KRN", N, 11, 2}, {"KRV", N, 11, 2}, {"ZRP", N, 1, 0},
    {"STA", C, 1, 0}, {"ZFM", N, 11, 2}, {"WAL", C, 3, 0}, {"KVA", N, 10, 6}, {"KKS", N, 10, 6},
    {"KILO", N, 13, 4}, {"KCNB", N, 12, 4}, {"KCBB", N, 12, 4}, {"KRAS", N, 4, 1},
    {"KCNR", N, 12, 4}, {"KCBR", N, 12, 4}, {"KWNE", N, 11, 2}, {"KVAT", N, 2, 0},
    {"KVAS", N, 4, 1}, {"KWAV", N, 11, 2}, {"KWAB", N, 11, 2}, {"AKC", C, 1, 0}, {"AKK", C, 20, 0},
    {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2}, {"RE3", C, 1, 0}, {"RE4", C, 1, 0},
    {"RE5", N, 2, 0},
};
constexpr TagDef kW3SPOETags[] = {
    {"STR(NRV,5,0)+UPPER(PRE)+UPPER(POS)", "", 0},
    {"DTOS(DAV)+STR(NRV,5,0)+UPPER(PRE)+UPPER(POS)+UPPER(RE1)+STR(REK,7,0)", "", 0},
    {"UPPER(NA1)", "", 0},
    {"STR(REK,7,0)+STR(RECNO(),7,0)", "", 0},
};

// W3SPOM  .DBF: sales VAT record.
constexpr FieldDef kW3SPOMFields[] = {
    {"SDR", C, 1, 0}, {"STV", C, 1, 0}, {"TTR", C, 1, 0}, {"STM", C, 1, 0}, {"ANU", C, 1, 0},
    {"TYV", N, 1, 0}, {"PRE", C, 4, 0}, {"NRV", N, 5, 0}, {"POS", C, 9, 0}, {"DAW", D, 8, 0},
    {"DAS", D, 8, 0}, {"DAV", D, 8, 0}, {"KHA", C, 1, 0}, {"KHB", C, 1, 0}, {"KHC", C, 1, 0},
    {"KHD", C, 1, 0}, {"KNA", C, 20, 0}, {"NA1", C, 70, 0}, {"NA2", C, 70, 0}, {"KOP", C, 6, 0},
    {"MIA", C, 25, 0}, {"ULI", C, 64, 0}, {"KRA", C, 30, 0}, {"NIP", C, 20, 0}, {"PLA", C, 25, 0},
    {"DPL", D, 8, 0}, {"NRZ", C, 24, 0}, {"DZM", D, 8, 0}, {"NET", N, 11, 2}, {"VAT", N, 11, 2},
    {"BRU", N, 11, 2}, {"NUK", C, 20, 0}, {"DAK", D, 8, 0}, {"TYK", C, 58, 0}, {"KRN", N, 11, 2},
    {"KRV", N, 11, 2}, {"UW1", C, 70, 0}, {"UW2", C, 70, 0}, {"WYS", C, 25, 0}, {"ODE", C, 25, 0},
    {"LPO", N, 5, 0}, {"DZA", D, 8, 0}, {"OP1", C, 20, 0}, {"OP2", C, 20, 0}, {"REK", N, 7, 0},
    {"REC", N, 7, 0}, {"AKT", N, 1, 0}, {"TRY", N, 1, 0}, {"TRK", N, 1, 0}, {"ZAP", C, 1, 0},
    {"KZA", N, 11, 2}, {"OZA", C, 60, 0}, {"TYM", N, 1, 0}, {"NRM", N, 5, 0}, {"DDU", D, 8, 0},
    {"OSM", C, 25, 0}, {"WAM", N, 11, 2}, {"TYB", N, 1, 0}, {"STA", C, 1, 0}, {"WAL", C, 3, 0},
    {"KVA", N, 10, 6}, {"DKV", D, 8, 0}, {"NKV", C, 15, 0}, {"KKS", N, 10, 6}, {"DKK", D, 8, 0},
    {"NKK", C, 15, 0}, {"DWZ", D, 8, 0}, {"NWZ", C, 15, 0}, {"UPU", N, 5, 2}, {"KSM", C, 1, 0},
    {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2}, {"RE3", C, 1, 0}, {"RE4", C, 1, 0},
    {"RE5", N, 2, 0},
};
constexpr TagDef kW3SPOMTags[] = {
    {"STR(NRV,5,0)+UPPER(PRE)+UPPER(POS)+STR(TYV,1,0)", "", 0},
    {"DTOS(DAW)+STR(TYV,1,0)+STR(NRV,5,0)+UPPER(PRE)+UPPER(POS)+UPPER(OSM)", "", 0},
    {"UPPER(NA1)+STR(TYV,1,0)", "", 0},
    {"REK", "", 0},
    {"REC", "", 0},
    {"STR(TYV,1,0)+UPPER(PRE)+UPPER(POS)+STR(NRV,5,0)", "", 0},
    {"NIP", "", 0},
    {"STR(TYV,1,0)+UPPER(OSM)", "", 0},
    {"DTOS(DAW)+STR(TYV,1,0)+UPPER(OSM)", "", 0},
};

// W3STAK  .DBF: monthly summary (13 records).
constexpr FieldDef kW3STAKFields[] = {
    {"MIE", C, 2, 0}, {"STA", C, 1, 0}, {"FIL", C, 1, 0}, {"WYR", N, 13, 2}, {"USL", N, 13, 2},
    {"RAZ", N, 13, 2}, {"ZAK", N, 13, 2}, {"UBO", N, 13, 2}, {"REK", N, 13, 2}, {"UDR", N, 7, 4},
    {"WYN", N, 13, 2}, {"INN", N, 13, 2}, {"RAW", N, 13, 2}, {"RAK", N, 13, 2}, {"RAD", N, 13, 2},
    {"NUM", N, 5, 0}, {"BRK", N, 13, 2}, {"RE1", N, 13, 2}, {"RE2", N, 13, 2},
};

// W3STRY  .DBF: monthly summary, second layout (13 records).
constexpr FieldDef kW3STRYFields[] = {
    {"MIE", C, 2, 0}, {"STA", C, 1, 0}, {"FIL", C, 1, 0}, {"USL", N, 11, 2}, {"PRO", N, 11, 2},
    {"HAN", N, 11, 2}, {"UIN", N, 11, 2}, {"WZA", N, 11, 2}, {"NIE", N, 11, 2}, {"ROL", N, 11, 2},
    {"RAZ", N, 11, 2}, {"NUM", N, 5, 0}, {"RE1", N, 11, 2}, {"RE2", N, 11, 2}, {"RE3", N, 11, 2},
};

// W3AMOR  .DBF: fixed assets.
constexpr FieldDef kW3AMORFields[] = {
    {"LPO", N, 3, 0}, {"NAZ", C, 70, 0}, {"KST", C, 20, 0}, {"DAN", D, 8, 0}, {"WAP", N, 12, 2},
    {"DAP", D, 8, 0}, {"WPZ", N, 12, 2}, {"DWU", N, 12, 2}, {"WUZ", N, 12, 2}, {"STA", N, 5, 1},
    {"RSO", N, 12, 2}, {"RMO", N, 12, 2}, {"AWO", N, 12, 2}, {"DPU", D, 8, 0}, {"UW1", C, 70, 0},
    {"UW2", C, 70, 0}, {"NRD", C, 40, 0}, {"DLI", D, 8, 0}, {"PLI", C, 68, 0}, {"NRI", C, 40, 0},
    {"WUL", N, 11, 2}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3AMORTags[] = {
    {"DTOS(DAN)+STR(RECNO(),6,0)", "", 0},
};

// W3WYPO.DBF: equipment.
constexpr FieldDef kW3WYPOFields[] = {
    {"DAZ", D, 8, 0}, {"NUM", C, 30, 0}, {"NRE", C, 30, 0}, {"NA1", C, 70, 0}, {"NA2", C, 70, 0},
    {"CEN", N, 11, 2}, {"DAL", D, 8, 0}, {"PRZ", C, 60, 0}, {"ROK", N, 4, 0}, {"LPO", N, 5, 0},
    {"STA", C, 1, 0}, {"REK", N, 7, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3WYPOTags[] = {
    {"DAZ", "", 0},
    {"UPPER(NRE)", "", 0},
};

// W3KASA.DBF: cash book.
constexpr FieldDef kW3KASAFields[] = {
    {"TYP", C, 1, 0}, {"TKA", C, 1, 0}, {"TYK", N, 1, 0}, {"DAT", D, 8, 0}, {"PRE", C, 4, 0},
    {"NUM", N, 5, 0}, {"POS", C, 9, 0}, {"LPO", N, 4, 0}, {"KOD", C, 20, 0}, {"NA1", C, 70, 0},
    {"NA2", C, 70, 0}, {"KOP", C, 6, 0}, {"MIA", C, 25, 0}, {"ULI", C, 64, 0}, {"KRA", C, 30, 0},
    {"DOK", C, 30, 0}, {"TYT", C, 70, 0}, {"KWO", N, 11, 2}, {"WAL", C, 3, 0}, {"KUR", N, 10, 6},
    {"ZAP", N, 11, 2}, {"KUZ", N, 10, 6}, {"TYZ", N, 2, 0}, {"REK", N, 6, 0}, {"ROK", N, 4, 0},
    {"ODB", C, 24, 0}, {"KAS", C, 24, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3KASATags[] = {
    {"DTOS(DAT)+STR(RECNO(),5,0)", "", 0},
    {"TYP+STR(TYK,1,0)+STR(YEAR(DAT),4,0)+STR(NUM,5,0)", "", 10},
    {"STR(TYZ,2,0)+STR(ROK,4,0)+STR(REK,6,0)", "", 0},
    {"NUM", "", 0},
    {"KOD", "", 0},
    {"STR(TYZ,2,0)+STR(ROK,4,0)+STR(REK,6,0)+DTOS(DAT)", "", 0},
    {"PRE+TYP+STR(TYK,1,0)+STR(YEAR(DAT),4,0)+STR(NUM,5,0)", "", 10},
};

// W3ROZL.DBF: settlements.
constexpr FieldDef kW3ROZLFields[] = {
    {"ROL", C, 1, 0}, {"TYP", C, 1, 0}, {"DOK", C, 30, 0}, {"DAW", D, 8, 0}, {"DAP", D, 8, 0},
    {"TYT", C, 70, 0}, {"TYZ", N, 2, 0}, {"ROK", N, 4, 0}, {"REK", N, 6, 0}, {"KOD", C, 20, 0},
    {"NA1", C, 70, 0}, {"NA2", C, 70, 0}, {"KOP", C, 6, 0}, {"MIA", C, 25, 0}, {"ULI", C, 64, 0},
    {"KWO", N, 11, 2}, {"WAL", C, 3, 0}, {"KUR", N, 10, 6}, {"ZAP", N, 11, 2}, {"KUZ", N, 10, 6},
    {"REC", N, 6, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3ROZLTags[] = {
    {"STR(TYZ,2,0)+STR(ROK,4,0)+STR(REK,6,0)", "", 0},
    {"DTOS(DAW)", "", 0},
    {"DOK", "", 0},
    {"KOD+DTOS(DAW)", "", 0},
    {"NA1+DTOS(DAW)", "", 0},
};

// W3SAMO.DBF: vehicles.
constexpr FieldDef kW3SAMOFields[] = {
    {"TYP", C, 1, 0}, {"STA", C, 1, 0}, {"KIE", C, 32, 0}, {"KIM", C, 15, 0}, {"NUM", C, 10, 0},
    {"MAR", C, 20, 0}, {"POJ", C, 10, 0}, {"KOP", C, 6, 0}, {"MIA", C, 25, 0}, {"ULI", C, 32, 0},
    {"ROS", N, 2, 0}, {"ROP", C, 1, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3SAMOTags[] = {
    {"KIE", "", 0},
};

// W3PRZE  .DBF: trips.
constexpr FieldDef kW3PRZEFields[] = {
    {"KOD", N, 5, 0}, {"DAT", D, 8, 0}, {"CEL", C, 40, 0}, {"TRA", C, 40, 0}, {"ILO", N, 4, 0},
    {"CEB", N, 11, 2}, {"CEK", N, 11, 4}, {"POJ", C, 10, 0}, {"WAR", N, 11, 2}, {"LPO", N, 5, 0},
    {"POD", C, 10, 0}, {"UWA", C, 20, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3PRZETags[] = {
    {"DTOS(DAT)+STR(RECNO(),7,0)", "", 0},
};

// W3RASA  .DBF: transport bills.
constexpr FieldDef kW3RASAFields[] = {
    {"KOD", N, 5, 0}, {"DAT", D, 8, 0}, {"NUM", C, 20, 0}, {"WAR", N, 11, 2}, {"OP1", C, 20, 0},
    {"OP2", C, 20, 0}, {"KIE", C, 32, 0}, {"KIM", C, 15, 0}, {"ROP", C, 1, 0}, {"TOW", C, 40, 0},
    {"ILO", N, 13, 4}, {"CEN", N, 12, 4}, {"CEB", N, 12, 4}, {"WAN", N, 11, 2}, {"VAT", N, 2, 0},
    {"VAS", N, 4, 1}, {"WAV", N, 11, 2}, {"WAB", N, 11, 2}, {"INF", C, 32, 0}, {"RE1", C, 30, 0},
    {"RE2", N, 11, 2},
};
constexpr TagDef kW3RASATags[] = {
    {"DAT", "", 0},
};

// W3PRCE.DBF: trip purposes and routes.
constexpr FieldDef kW3PRCEFields[] = {
    {"CE", C, 40, 0}, {"TR", C, 40, 0}, {"IL", N, 4, 0},
};
constexpr TagDef kW3PRCETags[] = {
    {"UPPER(CE)", "", 0},
};

// W3PLEW  .DBF: bank transfers.
constexpr FieldDef kW3PLEWFields[] = {
    {"DAP", D, 8, 0}, {"TYP", N, 1, 0}, {"SOZ", N, 2, 0}, {"TYB", N, 1, 0}, {"KOZ", C, 20, 0},
    {"NZ1", C, 54, 0}, {"NZ2", C, 54, 0}, {"AZ1", C, 54, 0}, {"AZ2", C, 54, 0}, {"BAZ", C, 30, 0},
    {"KNZ", C, 54, 0}, {"SOO", N, 2, 0}, {"KOO", C, 20, 0}, {"NO1", C, 54, 0}, {"NO2", C, 54, 0},
    {"AO1", C, 54, 0}, {"AO2", C, 54, 0}, {"BAO", C, 30, 0}, {"KNO", C, 54, 0}, {"KWO", N, 11, 2},
    {"TY1", C, 54, 0}, {"TY2", C, 54, 0}, {"ROW", C, 1, 0}, {"DRU", C, 1, 0}, {"NIP", C, 14, 0},
    {"IDD", C, 1, 0}, {"NRD", C, 20, 0}, {"TWP", C, 1, 0}, {"DEK", C, 8, 0}, {"SYP", C, 7, 0},
    {"IZO", C, 21, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3PLEWTags[] = {
    {"DAP", "", 0},
};

}  // namespace

const Layout kBooksLayouts[] = {
    {"W3KHNT.DBF", "contractors", kW3KHNTFields, kW3KHNTTags, 43},
    {"W3KONT.DBF", "accounts", kW3KONTFields, kW3KONTTags, 9},
    {"W3OPIS.DBF", "descriptions", kW3OPISFields, kW3OPISTags, 4},
    {"W3USKA.DBF", "tax offices", kW3USKAFields, kW3USKATags, 14},
    {"W3KRAJ.DBF", "countries", kW3KRAJFields, kW3KRAJTags, 8},
    {"W3KURS.DBF", "exchange rates", kW3KURSFields, kW3KURSTags, 9},
    {"W3DNWO.DBF", "public holidays", kW3DNWOFields, kW3DNWOTags, 2},
    {"W3ODUS.DBF", "statutory interest rates", kW3ODUSFields, kW3ODUSTags, 4},
    {"W3ZAPO.DBF", "tax-arrears interest rates", kW3ZAPOFields, kW3ZAPOTags, 4},
    {"W3NOTY  .DBF", "interest notes", kW3NOTYFields, kW3NOTYTags, 42},
    {"W3DOWO  .DBF", "documents", kW3DOWOFields, kW3DOWOTags, 15},
    {"W3DOWE  .DBF", "document lines", kW3DOWEFields, kW3DOWETags, 10},
    {"W3DANE  .DBF", "revenue and expense book entries", kW3DANEFields, kW3DANETags, 32},
    {"W3RYCZ  .DBF", "lump-sum revenue record", kW3RYCZFields, kW3RYCZTags, 23},
    {"W3ZAKE  .DBF", "purchase VAT record", kW3ZAKEFields, kW3ZAKETags, 57},
    {"W3ZAKU  .DBF", "purchase VAT record (second layout)", kW3ZAKUFields, kW3ZAKUTags, 63},
    {"W3SPOE  .DBF", "sales VAT record", kW3SPOEFields, kW3SPOETags, 64},
    {"W3SPOM  .DBF", "sales VAT record", kW3SPOMFields, kW3SPOMTags, 76},
    {"W3STAK  .DBF", "monthly summary (13 records)", kW3STAKFields, {}, 19},
    {"W3STRY  .DBF", "monthly summary, second layout (13 records)", kW3STRYFields, {}, 15},
    {"W3AMOR  .DBF", "fixed assets", kW3AMORFields, kW3AMORTags, 24},
    {"W3WYPO.DBF", "equipment", kW3WYPOFields, kW3WYPOTags, 15},
    {"W3KASA.DBF", "cash book", kW3KASAFields, kW3KASATags, 30},
    {"W3ROZL.DBF", "settlements", kW3ROZLFields, kW3ROZLTags, 24},
    {"W3SAMO.DBF", "vehicles", kW3SAMOFields, kW3SAMOTags, 15},
    {"W3PRZE  .DBF", "trips", kW3PRZEFields, kW3PRZETags, 15},
    {"W3RASA  .DBF", "transport bills", kW3RASAFields, kW3RASATags, 21},
    {"W3PRCE.DBF", "trip purposes and routes", kW3PRCEFields, kW3PRCETags, 3},
    {"W3PLEW  .DBF", "bank transfers", kW3PLEWFields, kW3PLEWTags, 34},
};
const std::size_t kBooksLayoutCount = std::size(kBooksLayouts);

}  // namespace skolvarin::data
