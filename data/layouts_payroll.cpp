// Layouts of the payroll, contract and declaration tables.
// Fields in layout order, tags in definition order; see layouts.h.
#include "data/layouts.h"

namespace skolvarin::data {

namespace {

using T = skolvarin::db::FieldType;
constexpr T C = T::Character, N = T::Numeric, D = T::Date, L = T::Logical;

// W3PRAC.DBF: employees.
constexpr FieldDef kW3PRACFields[] = {
    {"NAZ", C, 30, 0}, {"IM1", C, 15, 0}, {"IM2", C, 15, 0}, {"IMO", C, 15, 0}, {"IMM", C, 15, 0},
    {"MIE", C, 25, 0}, {"PES", C, 11, 0}, {"NIP", C, 13, 0}, {"DAU", D, 8, 0}, {"KOD", C, 6, 0},
    {"MIA", C, 25, 0}, {"ULI", C, 20, 0}, {"DAP", D, 8, 0}, {"DAZ", D, 8, 0}, {"DBL", D, 8, 0},
    {"ULG", C, 1, 0}, {"KOU", N, 4, 0}, {"KRA", C, 30, 0}, {"POW", C, 25, 0}, {"GMI", C, 25, 0},
    {"WOJ", C, 20, 0}, {"POC", C, 20, 0}, {"TEL", C, 20, 0}, {"NRD", C, 9, 0}, {"NRM", C, 9, 0},
    {"WY1", N, 3, 0}, {"WY2", N, 3, 0}, {"CZG", C, 1, 0}, {"STA", C, 1, 0}, {"BAN", C, 30, 0},
    {"KON", C, 42, 0}, {"ROD", C, 1, 0}, {"SUN", N, 5, 0}, {"SUG", N, 6, 0}, {"KTU", C, 6, 0},
    {"TID", C, 1, 0}, {"NUD", C, 11, 0}, {"TBL", C, 1, 0}, {"STG", N, 6, 2}, {"BRG", N, 9, 2},
    {"KUZ", N, 9, 2}, {"OZR", N, 2, 0}, {"KZR", N, 6, 2}, {"OZP", N, 2, 0}, {"KZP", N, 6, 2},
    {"KZW", N, 6, 2}, {"PMA", C, 1, 0}, {"DPM", D, 8, 0}, {"OER", N, 9, 2}, {"ERW", N, 9, 2},
    {"WER", N, 9, 2}, {"WCW", N, 9, 2}, {"WZD", N, 9, 2}, {"UBC", C, 1, 0}, {"UBS", C, 1, 0},
    {"UBZ", C, 1, 0}, {"ZPZ", N, 11, 2}, {"NAR", C, 30, 0}, {"OBY", C, 30, 0}, {"PLE", C, 1, 0},
    {"ONP", D, 8, 0}, {"ONK", D, 8, 0}, {"PUZ", D, 8, 0}, {"KPP", C, 2, 0}, {"GOS", C, 1, 0},
    {"KSN", C, 2, 0}, {"PNP", D, 8, 0}, {"KNP", D, 8, 0}, {"KZA", C, 7, 0}, {"KWY", C, 2, 0},
    {"KPS", C, 9, 0}, {"PSP", D, 8, 0}, {"PSK", D, 8, 0}, {"KKC", C, 3, 0}, {"NKS", C, 70, 0},
    {"DKS", D, 8, 0}, {"ZKO", C, 6, 0}, {"ZKR", C, 30, 0}, {"ZMI", C, 25, 0}, {"ZGM", C, 20, 0},
    {"ZWO", C, 20, 0}, {"ZPO", C, 20, 0}, {"ZPW", C, 25, 0}, {"ZUL", C, 20, 0}, {"ZND", C, 5, 0},
    {"ZNM", C, 5, 0}, {"ZTE", C, 20, 0}, {"ZFA", C, 20, 0}, {"OOZ", N, 2, 0}, {"CFP", C, 1, 0},
    {"CPM", C, 1, 0}, {"CKU", C, 1, 0}, {"GUS", C, 7, 0}, {"ADN", C, 70, 0}, {"FPU", C, 1, 0},
    {"DFP", D, 8, 0}, {"CFG", C, 1, 0}, {"DFG", D, 8, 0}, {"FGU", C, 1, 0}, {"STN", C, 60, 0},
    {"NO1", C, 77, 0}, {"NO2", C, 77, 0}, {"PDG", C, 1, 0}, {"INF", C, 32, 0}, {"REK", N, 5, 0},
    {"RE1", C, 30, 0}, {"RE2", N, 11, 2}, {"RE3", C, 30, 0},
};
constexpr TagDef kW3PRACTags[] = {
    {"UPPER(NAZ)", "", 0},
    {"REK", "", 0},
    {"DTOS(DAP)+STR(REK,5,0)", "", 0},
};

// W3PRAX.DBF: the law switches of employees (PPK, tax exemptions, PIT-2
// payers), one row per person keyed by the person's REK.
constexpr FieldDef kW3PRAXFields[] = {
    {"REK", N, 5, 0}, {"PPK", C, 1, 0}, {"PPO", D, 8, 0}, {"PPZ", D, 8, 0}, {"PPN", C, 1, 0},
    {"PPE", N, 5, 2}, {"PPF", N, 5, 2}, {"UMS", C, 1, 0}, {"ZWK", C, 1, 0}, {"PLT", N, 1, 0},
    {"INF", C, 32, 0},
};
constexpr TagDef kW3PRAXTags[] = {
    {"REK", "", 0},
};

// W3PENS  .DBF: payroll list rows.
constexpr FieldDef kW3PENSFields[] = {
    {"NAZ", C, 30, 0}, {"IMI", C, 15, 0}, {"KOD", N, 5, 0}, {"KTU", C, 6, 0}, {"NRL", N, 3, 0},
    {"MIE", N, 2, 0}, {"DWY", D, 8, 0}, {"SKL", C, 1, 0}, {"DPI", N, 9, 2}, {"DZP", N, 9, 2},
    {"DNI", N, 9, 2}, {"DZN", N, 9, 2}, {"SPI", N, 9, 2}, {"SZP", N, 9, 2}, {"SNI", N, 9, 2},
    {"SZN", N, 9, 2}, {"PPI", N, 9, 2}, {"PZP", N, 9, 2}, {"PNI", N, 9, 2}, {"PZN", N, 9, 2},
    {"BRP", N, 9, 2}, {"KUZ", N, 9, 2}, {"DOP", N, 9, 2}, {"POP", N, 9, 2}, {"POS", N, 4, 1},
    {"POD", N, 9, 2}, {"ODL", N, 9, 2}, {"NPO", N, 9, 2}, {"ZAZ", N, 9, 2}, {"ODZ", N, 9, 2},
    {"OBP", N, 9, 2}, {"WYP", N, 9, 2}, {"PER", N, 9, 2}, {"KEU", N, 9, 2}, {"KEP", N, 9, 2},
    {"KRU", N, 9, 2}, {"KRP", N, 9, 2}, {"PCW", N, 9, 2}, {"KCU", N, 9, 2}, {"PSW", N, 9, 2},
    {"KWP", N, 9, 2}, {"PSZ", N, 9, 2}, {"KZU", N, 9, 2}, {"PFP", N, 9, 2}, {"FPP", N, 9, 2},
    {"PFG", N, 9, 2}, {"FGP", N, 9, 2}, {"PFE", N, 9, 2}, {"FEP", N, 9, 2}, {"PCO", N, 9, 2},
    {"SCO", N, 9, 2}, {"REC", N, 5, 0}, {"WY1", N, 3, 0}, {"WY2", N, 3, 0}, {"WZC", N, 9, 2},
    {"ODB", N, 9, 2}, {"BRE", N, 7, 0}, {"BLP", N, 5, 0}, {"BDZ", D, 8, 0}, {"ZRE", N, 7, 0},
    {"ZLP", N, 5, 0}, {"ZDZ", D, 8, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3PENSTags[] = {
    {"STR(KOD,5,0)+STR(MIE,2,0)+STR(NRL,4,0)", "", 0},
    {"UPPER(NAZ)+UPPER(IMI)+STR(MIE,2,0)+STR(NRL,4,0)", "", 0},
    {"STR(MIE,2,0)+STR(NRL,4,0)+UPPER(NAZ)+UPPER(IMI)", "", 0},
};

// W3PESK  .DBF: pay components of payroll rows.
constexpr FieldDef kW3PESKFields[] = {
    {"KOD", N, 5, 0}, {"NRL", N, 3, 0}, {"MIE", N, 2, 0}, {"KGS", C, 4, 0}, {"KZU", C, 3, 0},
    {"TYP", C, 1, 0}, {"NA1", C, 35, 0}, {"NA2", C, 35, 0}, {"KWO", N, 9, 2}, {"DOD", D, 8, 0},
    {"DDO", D, 8, 0}, {"ILS", N, 3, 0}, {"ILD", N, 3, 0}, {"ILG", N, 3, 0}, {"PRO", N, 6, 2},
    {"PLC", C, 1, 0}, {"KCH", C, 3, 0}, {"POD", C, 1, 0}, {"ZUS", C, 1, 0}, {"STA", C, 1, 0},
    {"SRE", C, 1, 0}, {"OBN", C, 1, 0}, {"REK", N, 5, 0}, {"DDZ", D, 8, 0}, {"KTU", C, 6, 0},
    {"IDO", N, 2, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3PESKTags[] = {
    {"STR(REK,5,0)+KGS+UPPER(NA1)+STR(RECNO(),7,0)", "", 0},
    {"STR(KOD,5,0)+STR(MIE,2,0)+STR(NRL,2,0)", "", 0},
};

// W3PELI.DBF: list of pay components.
constexpr FieldDef kW3PELIFields[] = {
    {"KGS", C, 4, 0}, {"KZU", C, 3, 0}, {"NA1", C, 35, 0}, {"NA2", C, 35, 0}, {"KWO", N, 9, 2},
    {"PRO", N, 6, 2}, {"PLC", C, 1, 0}, {"POD", C, 1, 0}, {"ZUS", C, 1, 0}, {"SRE", C, 1, 0},
    {"OBN", C, 1, 0}, {"USU", C, 1, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3PELITags[] = {
    {"UPPER(NA1)", "", 0},
    {"KGS", "", 0},
};

// W3SRDN.DBF: bases of average pay.
constexpr FieldDef kW3SRDNFields[] = {
    {"NAZ", C, 30, 0}, {"IM1", C, 15, 0}, {"KOD", N, 5, 0}, {"ROK", N, 4, 0}, {"MIE", N, 2, 0},
    {"SSE", N, 5, 2}, {"SSR", N, 5, 2}, {"SSC", N, 5, 2}, {"PMA", C, 1, 0}, {"DOM", N, 11, 2},
    {"POM", N, 11, 2}, {"DNP", N, 11, 2}, {"DGN", N, 11, 2}, {"DUZ", N, 11, 2}, {"DOK", N, 11, 2},
    {"DKO", D, 8, 0}, {"DKD", D, 8, 0}, {"DOR", N, 11, 2}, {"DRO", D, 8, 0}, {"DRD", D, 8, 0},
    {"SMS", N, 11, 2}, {"SNS", N, 11, 2}, {"SUS", N, 11, 2}, {"SKS", N, 11, 2}, {"SRS", N, 11, 2},
    {"WY1", N, 3, 0}, {"WY2", N, 3, 0}, {"IDR", N, 2, 0}, {"IDP", N, 2, 0}, {"SPM", N, 11, 2},
    {"SPK", N, 11, 2}, {"SPR", N, 11, 2}, {"CCW", C, 1, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0},
    {"RE2", N, 11, 2},
};
constexpr TagDef kW3SRDNTags[] = {
    {"STR(KOD,5,0)+STR(ROK,4,0)+STR(MIE,2,0)", "", 0},
    {"UPPER(NAZ)+UPPER(IM1)+STR(ROK,4,0)+STR(MIE,2,0)", "", 0},
    {"STR(ROK,4,0)+STR(MIE,2,0)+UPPER(NAZ)+UPPER(IM1)", "", 0},
};

// W3NIEO  .DBF: absences.
constexpr FieldDef kW3NIEOFields[] = {
    {"KGS", C, 4, 0}, {"KZU", C, 3, 0}, {"NAZ", C, 30, 0}, {"IMI", C, 15, 0}, {"KOD", N, 5, 0},
    {"DOD", D, 8, 0}, {"DDO", D, 8, 0}, {"NA1", C, 35, 0}, {"NA2", C, 35, 0}, {"KOC", C, 3, 0},
    {"ILD", N, 3, 0}, {"ILR", N, 3, 0}, {"ILG", N, 3, 0}, {"DDZ", D, 8, 0}, {"KTU", C, 6, 0},
    {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3NIEOTags[] = {
    {"STR(KOD,5,0)+STR(MONTH(DOD),2,0)", "", 0},
    {"DTOS(DOD)+UPPER(NAZ)+UPPER(IMI)", "", 0},
};

// W3ZFSS  .DBF: company social fund.
constexpr FieldDef kW3ZFSSFields[] = {
    {"DAT", D, 8, 0}, {"TYP", N, 1, 0}, {"NUM", C, 20, 0}, {"OPI", C, 60, 0}, {"NAZ", C, 50, 0},
    {"WPL", N, 11, 2}, {"WYP", N, 11, 2}, {"STA", C, 1, 0}, {"KOD", C, 20, 0}, {"INF", C, 32, 0},
};
constexpr TagDef kW3ZFSSTags[] = {
    {"UPPER(OPI)", "", 0},
    {"DTOS(DAT)", "", 0},
    {"UPPER(NAZ)", "", 0},
};

// W3UMOW  .DBF: civil-law contracts.
constexpr FieldDef kW3UMOWFields[] = {
    {"TYP", N, 1, 0}, {"NAZ", C, 30, 0}, {"IMI", C, 15, 0}, {"KOD", N, 5, 0}, {"KTU", C, 6, 0},
    {"DAW", D, 8, 0}, {"DAR", D, 8, 0}, {"WYN", N, 9, 2}, {"WOL", N, 9, 2}, {"WOR", C, 40, 0},
    {"IZU", N, 9, 2}, {"IZR", C, 40, 0}, {"IPI", N, 9, 2}, {"IPR", C, 40, 0}, {"BRU", N, 9, 2},
    {"UZP", N, 4, 1}, {"UZW", N, 9, 2}, {"DOP", N, 9, 2}, {"POP", N, 9, 2}, {"POS", N, 4, 1},
    {"POD", N, 9, 2}, {"NPO", N, 9, 2}, {"NET", N, 9, 2}, {"PTR", N, 9, 2}, {"PTT", C, 40, 0},
    {"WYP", N, 9, 2}, {"PR1", C, 77, 0}, {"PR2", C, 77, 0}, {"PR3", C, 77, 0}, {"PR4", C, 77, 0},
    {"PR5", C, 77, 0}, {"PR6", C, 77, 0}, {"DOD", D, 8, 0}, {"DDO", D, 8, 0}, {"TYT", N, 2, 0},
    {"LPB", N, 5, 0}, {"DAB", D, 8, 0}, {"LPZ", N, 5, 0}, {"DAZ", D, 8, 0}, {"RKB", N, 7, 0},
    {"RKZ", N, 7, 0}, {"PER", N, 9, 2}, {"KEU", N, 9, 2}, {"KEP", N, 9, 2}, {"KRU", N, 9, 2},
    {"KRP", N, 9, 2}, {"PCW", N, 9, 2}, {"PSW", N, 9, 2}, {"KCU", N, 9, 2}, {"KWP", N, 9, 2},
    {"PSZ", N, 9, 2}, {"KZU", N, 9, 2}, {"SEU", N, 9, 2}, {"SEP", N, 9, 2}, {"SRU", N, 9, 2},
    {"SRP", N, 9, 2}, {"SCU", N, 9, 2}, {"SZU", N, 9, 2}, {"PFP", N, 9, 2}, {"FUP", N, 9, 2},
    {"PFG", N, 9, 2}, {"FUG", N, 9, 2}, {"REC", N, 5, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0},
    {"RE2", N, 11, 2},
};
constexpr TagDef kW3UMOWTags[] = {
    {"STR(KOD,5,0)+STR(MONTH(DAR),2,0)", "", 0},
    {"UPPER(NAZ)+UPPER(IMI)", "", 0},
    {"DTOS(DAR)+UPPER(NAZ)+UPPER(IMI)", "", 0},
    {"RKB", "", 0},
    {"RKZ", "", 0},
};

// W3UMPR.DBF: subjects of contracts.
constexpr FieldDef kW3UMPRFields[] = {
    {"P1", C, 77, 0}, {"P2", C, 77, 0}, {"P3", C, 77, 0}, {"P4", C, 77, 0}, {"P5", C, 77, 0},
    {"P6", C, 77, 0},
};
constexpr TagDef kW3UMPRTags[] = {
    {"UPPER(P1)", "", 0},
};

// W3ZUSD  .DBF: ZUS declaration data: codes with periods and amounts per person.
constexpr FieldDef kW3ZUSDFields[] = {
    {"KOD", C, 3, 0}, {"DOD", D, 8, 0}, {"DDO", D, 8, 0}, {"KWO", N, 9, 2}, {"REC", N, 5, 0},
    {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3ZUSDTags[] = {
    {"STR(REC,5,0)+KOD", "", 0},
};

// W3ZUSP  .DBF: ZUS declaration data: insurance titles with periods per person.
constexpr FieldDef kW3ZUSPFields[] = {
    {"KTU", C, 6, 0}, {"KOD", C, 3, 0}, {"DOD", D, 8, 0}, {"DDO", D, 8, 0}, {"ILZ", N, 2, 0},
    {"KCH", C, 3, 0}, {"KWO", N, 9, 2}, {"REC", N, 5, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3ZUSPTags[] = {
    {"STR(REC,5,0)+KOD", "", 0},
};

// W3ZUSR  .DBF: ZUS declaration data: reports made per month.
constexpr FieldDef kW3ZUSRFields[] = {
    {"INR", N, 2, 0}, {"MIE", N, 2, 0}, {"RCA", N, 2, 0}, {"RNA", N, 2, 0}, {"RSA", N, 2, 0},
    {"RGA", N, 2, 0}, {"RZA", N, 2, 0}, {"RMA", N, 2, 0}, {"IRR", N, 2, 0}, {"DWY", D, 8, 0},
    {"DEP", C, 12, 0}, {"DUS", N, 10, 2}, {"DUZ", N, 10, 2}, {"DFP", N, 10, 2}, {"ILU", N, 5, 0},
    {"REC", N, 5, 0}, {"DAZ", D, 8, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3ZUSRTags[] = {
    {"STR(MIE,2,0)+STR(INR,2,0)", "", 0},
};

// W3ZUSS  .DBF: ZUS declaration data: contributions per person.
constexpr FieldDef kW3ZUSSFields[] = {
    {"NAZ", C, 30, 0}, {"IMI", C, 15, 0}, {"KOD", N, 5, 0}, {"TID", C, 1, 0}, {"NID", C, 11, 0},
    {"KTU", C, 6, 0}, {"PMA", C, 1, 0}, {"WY1", N, 3, 0}, {"WY2", N, 3, 0}, {"PERP", N, 9, 2},
    {"PCWP", N, 9, 2}, {"PSZP", N, 9, 2}, {"KEUP", N, 9, 2}, {"KRUP", N, 9, 2}, {"KCUP", N, 9, 2},
    {"KZUP", N, 9, 2}, {"KEPP", N, 9, 2}, {"KRPP", N, 9, 2}, {"KWPP", N, 9, 2}, {"KOSP", N, 9, 2},
    {"KWSP", N, 9, 2}, {"FPPP", N, 9, 2}, {"FGPP", N, 9, 2}, {"PERU", N, 9, 2}, {"PCWU", N, 9, 2},
    {"PSZU", N, 9, 2}, {"KEUU", N, 9, 2}, {"KRUU", N, 9, 2}, {"KCUU", N, 9, 2}, {"KZUU", N, 9, 2},
    {"KEPU", N, 9, 2}, {"KRPU", N, 9, 2}, {"KWPU", N, 9, 2}, {"KWSU", N, 9, 2}, {"FPPU", N, 9, 2},
    {"FGPU", N, 9, 2}, {"ILR", N, 2, 0}, {"ZAR", N, 9, 2}, {"ZAW", N, 9, 2}, {"ILP", N, 2, 0},
    {"ZAP", N, 9, 2}, {"LDP", N, 2, 0}, {"LDO", N, 2, 0}, {"KWZ", N, 9, 2}, {"KUW", C, 6, 0},
    {"PERW", N, 9, 2}, {"PSZW", N, 9, 2}, {"KEPW", N, 9, 2}, {"KRPW", N, 9, 2}, {"KSZW", N, 9, 2},
    {"KUM", C, 6, 0}, {"PERM", N, 9, 2}, {"KEPM", N, 9, 2}, {"KRPM", N, 9, 2}, {"RZT", C, 1, 0},
    {"FEP", N, 9, 2}, {"INF", C, 32, 0}, {"REC", N, 5, 0}, {"REK", N, 5, 0}, {"RE1", C, 30, 0},
    {"RE2", N, 11, 2}, {"RE3", N, 11, 2}, {"RE4", N, 11, 2},
};
constexpr TagDef kW3ZUSSTags[] = {
    {"STR(REK,5,0)+UPPER(NAZ)+UPPER(IMI)", "", 0},
};

// W3ZUWS  .DBF: ZUS data of partners.
constexpr FieldDef kW3ZUWSFields[] = {
    {"MIE", N, 2, 0}, {"NUM", N, 2, 0}, {"TYP", C, 1, 0}, {"KOD", N, 5, 0}, {"TDE", C, 1, 0},
    {"DEP", C, 12, 0}, {"NIP", C, 13, 0}, {"REG", C, 20, 0}, {"PES", C, 15, 0}, {"TID", C, 1, 0},
    {"NUD", C, 11, 0}, {"SKN", C, 31, 0}, {"NAZ", C, 25, 0}, {"IMI", C, 15, 0}, {"DAU", D, 8, 0},
    {"LIU", N, 6, 0}, {"LPP", N, 9, 2}, {"ZPC", C, 1, 0}, {"KSE", N, 11, 2}, {"KSR", N, 11, 2},
    {"SES", N, 11, 2}, {"KEU", N, 11, 2}, {"KRU", N, 11, 2}, {"SEU", N, 11, 2}, {"KEP", N, 11, 2},
    {"KRP", N, 11, 2}, {"SEP", N, 11, 2}, {"KEB", N, 11, 2}, {"KRB", N, 11, 2}, {"SEB", N, 11, 2},
    {"KEF", N, 11, 2}, {"KRF", N, 11, 2}, {"SEF", N, 11, 2}, {"KEK", N, 11, 2}, {"KRK", N, 11, 2},
    {"SEK", N, 11, 2}, {"SUC", N, 11, 2}, {"SUW", N, 11, 2}, {"SUS", N, 11, 2}, {"KCU", N, 11, 2},
    {"KWU", N, 11, 2}, {"SCU", N, 11, 2}, {"KWP", N, 11, 2}, {"SWP", N, 11, 2}, {"KCF", N, 11, 2},
    {"KWF", N, 11, 2}, {"SCF", N, 11, 2}, {"KWK", N, 11, 2}, {"SWK", N, 11, 2}, {"NAL", N, 12, 2},
    {"WSC", N, 11, 2}, {"NWC", N, 11, 2}, {"WSW", N, 11, 2}, {"WSB", N, 11, 2}, {"KPO", N, 11, 2},
    {"ZZW", N, 11, 2}, {"PLA", N, 11, 2}, {"NSP", N, 11, 2}, {"NSK", N, 11, 2}, {"NAW", N, 11, 2},
    {"KZ1", N, 12, 2}, {"SFU", N, 11, 2}, {"SFP", N, 11, 2}, {"SFG", N, 11, 2}, {"KZ2", N, 12, 2},
    {"RAZ", N, 13, 2}, {"DUS", N, 11, 2}, {"DUZ", N, 11, 2}, {"DFF", N, 11, 2}, {"DRA", N, 12, 2},
    {"KTU", C, 6, 0}, {"PWE", N, 11, 2}, {"PCH", N, 11, 2}, {"PZD", N, 11, 2}, {"WER", N, 11, 2},
    {"WCH", N, 11, 2}, {"WZD", N, 11, 2}, {"PMA", C, 1, 0}, {"RCA", N, 5, 0}, {"RNA", N, 5, 0},
    {"RZA", N, 5, 0}, {"RSA", N, 5, 0}, {"RGA", N, 5, 0}, {"ILK", N, 5, 0}, {"IDE", C, 8, 0},
    {"DWY", D, 8, 0}, {"KCP", N, 11, 2}, {"PFP", N, 11, 2}, {"WFP", N, 11, 2}, {"PWY", N, 11, 2},
    {"WWY", N, 11, 2}, {"POT", C, 1, 0}, {"ILR", N, 2, 0}, {"ZAR", N, 8, 2}, {"ILP", N, 2, 0},
    {"ZAP", N, 8, 2}, {"ILI", N, 2, 0}, {"ZAI", N, 8, 2}, {"SWC", N, 11, 2}, {"REC", N, 5, 0},
    {"ROP", C, 1, 0}, {"SWY", N, 5, 2}, {"RZT", C, 1, 0}, {"INF", C, 32, 0}, {"RE1", C, 30, 0},
    {"RE2", N, 11, 2},
};
constexpr TagDef kW3ZUWSTags[] = {
    {"STR(MIE,2,0)+STR(NUM,2,0)+UPPER(NAZ)+UPPER(IMI)", "", 0},
    {"STR(MIE,2,0)+STR(KOD,5,0)+STR(NUM,2,0)", "", 0},
    {"STR(MIE,2,0)+STR(RGA,5,0)+STR(NUM,2,0)", "", 0},
};

// W3WSPL  .DBF: partners.
constexpr FieldDef kW3WSPLFields[] = {
    {"NAZ", C, 25, 0}, {"IM1", C, 15, 0}, {"IM2", C, 15, 0}, {"IMO", C, 15, 0}, {"IMM", C, 15, 0},
    {"MUR", C, 20, 0}, {"DAU", D, 8, 0}, {"PES", C, 15, 0}, {"NIP", C, 13, 0}, {"TID", C, 1, 0},
    {"NUD", C, 11, 0}, {"POW", C, 25, 0}, {"GMI", C, 25, 0}, {"WOJ", C, 25, 0}, {"ULI", C, 25, 0},
    {"NRD", C, 9, 0}, {"NRM", C, 9, 0}, {"KOD", C, 6, 0}, {"MIA", C, 25, 0}, {"PCZ", C, 20, 0},
    {"KRA", C, 30, 0}, {"TEL", C, 20, 0}, {"TEF", C, 20, 0}, {"POC", N, 2, 0}, {"KON", N, 2, 0},
    {"UDZ", N, 7, 3}, {"P73", C, 15, 0}, {"P74", C, 20, 0}, {"P75", C, 60, 0}, {"P76", C, 60, 0},
    {"N10", C, 15, 0}, {"N11", C, 20, 0}, {"N12", C, 60, 0}, {"N13", C, 60, 0}, {"A09", C, 15, 0},
    {"A10", C, 20, 0}, {"A11", C, 60, 0}, {"A12", C, 60, 0}, {"A18", C, 15, 0}, {"A19", C, 20, 0},
    {"A20", C, 60, 0}, {"A21", C, 60, 0}, {"A27", C, 15, 0}, {"A28", C, 20, 0}, {"A29", C, 60, 0},
    {"A30", C, 60, 0}, {"A36", C, 15, 0}, {"A37", C, 20, 0}, {"A38", C, 60, 0}, {"A39", C, 60, 0},
    {"A45", C, 15, 0}, {"A46", C, 20, 0}, {"A47", C, 60, 0}, {"A48", C, 60, 0}, {"A54", C, 15, 0},
    {"A55", C, 20, 0}, {"A56", C, 60, 0}, {"A57", C, 60, 0}, {"N20", C, 15, 0}, {"N21", C, 20, 0},
    {"N22", C, 60, 0}, {"N23", C, 60, 0}, {"P114", C, 60, 0}, {"P115", C, 60, 0},
    {"P121", C, 60, 0}, {"P122", C, 60, 0}, {"N30", C, 60, 0}, {"N31", C, 60, 0}, {"N40", C, 60, 0},
    {"N41", C, 60, 0}, {"A67", C, 60, 0}, {"A68", C, 60, 0}, {"A74", C, 60, 0}, {"A75", C, 60, 0},
    {"A81", C, 60, 0}, {"A82", C, 60, 0}, {"A88", C, 60, 0}, {"A89", C, 60, 0}, {"A95", C, 60, 0},
    {"A96", C, 60, 0}, {"A102", C, 60, 0}, {"A103", C, 60, 0}, {"N50", C, 60, 0}, {"N51", C, 60, 0},
    {"P82", C, 50, 0}, {"P83", C, 20, 0}, {"P84", C, 20, 0}, {"P85", C, 60, 0}, {"P86", C, 60, 0},
    {"P87", C, 20, 0}, {"P88", D, 8, 0}, {"P89", D, 8, 0}, {"P901", C, 1, 0}, {"P902", C, 1, 0},
    {"P903", C, 1, 0}, {"P98", C, 50, 0}, {"P99", C, 20, 0}, {"P100", C, 20, 0}, {"P101", C, 60, 0},
    {"P102", C, 60, 0}, {"P103", C, 20, 0}, {"P104", D, 8, 0}, {"P105", D, 8, 0}, {"N60", C, 1, 0},
    {"N61", C, 1, 0}, {"N62", C, 1, 0}, {"URZ", N, 4, 0}, {"BAN", C, 30, 0}, {"KNT", C, 42, 0},
    {"KTU", C, 6, 0}, {"PER", N, 9, 2}, {"PCH", N, 9, 2}, {"PWY", N, 9, 2}, {"PZD", N, 9, 2},
    {"PFP", N, 9, 2}, {"PMA", C, 1, 0}, {"DPM", D, 8, 0}, {"UCH", C, 1, 0}, {"UEM", C, 1, 0},
    {"URE", C, 1, 0}, {"UWY", C, 1, 0}, {"UZD", C, 1, 0}, {"UBE", C, 1, 0}, {"UFP", C, 1, 0},
    {"SKN", C, 31, 0}, {"TDE", C, 1, 0}, {"KTZ", N, 6, 0}, {"NUS", C, 10, 0}, {"POT", C, 1, 0},
    {"ILR", N, 2, 0}, {"ZAR", N, 8, 2}, {"ILP", N, 2, 0}, {"ZAP", N, 8, 2}, {"ILI", N, 2, 0},
    {"ZAI", N, 8, 2}, {"COD", C, 1, 0}, {"ROP", C, 1, 0}, {"SWY", N, 5, 2}, {"RZA", C, 1, 0},
    {"GUS", C, 7, 0}, {"PLI", C, 1, 0}, {"POK", C, 1, 0}, {"PLK", C, 1, 0}, {"INF", C, 32, 0},
    {"RE1", C, 30, 0}, {"RE2", N, 11, 2}, {"RE3", N, 9, 2}, {"RE4", N, 9, 2}, {"RE5", C, 1, 0},
    {"RE6", C, 1, 0},
};
constexpr TagDef kW3WSPLTags[] = {
    {"UPPER(NAZ)+UPPER(IM1)", "", 0},
};

// W3WSSK  .DBF: partners' contribution items.
constexpr FieldDef kW3WSSKFields[] = {
    {"KTU", C, 6, 0}, {"KZU", C, 3, 0}, {"NA1", C, 35, 0}, {"NA2", C, 35, 0}, {"KWO", N, 9, 2},
    {"KCH", C, 3, 0}, {"DOD", D, 8, 0}, {"DDO", D, 8, 0}, {"REK", N, 5, 0}, {"INF", C, 32, 0},
    {"RE1", C, 30, 0}, {"RE2", N, 11, 2},
};
constexpr TagDef kW3WSSKTags[] = {
    {"STR(REK,5,0)+KZU", "", 0},
};

// W3KZUS.DBF: ZUS codes.
constexpr FieldDef kW3KZUSFields[] = {
    {"KGL", N, 2, 0}, {"KGR", C, 10, 0}, {"NGR", C, 30, 0}, {"KPG", C, 10, 0}, {"SOP", C, 70, 0},
    {"OP1", C, 70, 0}, {"OP2", C, 70, 0}, {"OP3", C, 70, 0}, {"INF", C, 32, 0},
};
constexpr TagDef kW3KZUSTags[] = {
    {"STR(KGL,2)+KGR+KPG", "", 0},
};

// W3DEKL.DBF: declarations list.
constexpr FieldDef kW3DEKLFields[] = {
    {"KDE", N, 3, 0}, {"NDE", C, 8, 0}, {"ROK", N, 4, 0}, {"OKR", N, 2, 0}, {"CEL", N, 1, 0},
    {"NRK", N, 2, 0}, {"NAZ", C, 54, 0}, {"NIP", C, 11, 0}, {"OFI", C, 1, 0}, {"NAP", C, 54, 0},
    {"NPR", C, 11, 0}, {"XKA", C, 40, 0}, {"XNA", C, 60, 0}, {"XDA", D, 8, 0}, {"VPO", C, 1, 0},
    {"VST", C, 4, 0}, {"WYS", C, 1, 0}, {"WDA", D, 8, 0}, {"STA", C, 4, 0}, {"OST", C, 240, 0},
    {"OER", C, 240, 0}, {"NRF", C, 120, 0}, {"UPO", C, 1, 0}, {"AUT", C, 1, 0}, {"ANP", C, 11, 0},
    {"ANA", C, 30, 0}, {"AIM", C, 30, 0}, {"ADA", D, 8, 0}, {"AKW", N, 11, 2}, {"INF", C, 32, 0},
    {"RNU", N, 11, 2}, {"RDA", D, 8, 0}, {"RC1", C, 80, 0}, {"RC2", C, 80, 0},
};
constexpr TagDef kW3DEKLTags[] = {
    {"STR(ROK,4,0) + STR(OKR,2,0) + STR(KDE,3,0) + NIP + STR(NRK,2,0)", ".NOT.DELETED() .AND. KDE<100", 0},
    {"STR(ROK,4,0) + STR(OKR,2,0) + STR(KDE,3,0) + NIP + STR(NRK,2,0)", ".NOT.DELETED() .AND. KDE>=100", 0},
    {"STR(KDE,3,0) + STR(ROK,4,0) + STR(OKR,2,0) + NIP + STR(NRK,2,0)", ".NOT.DELETED() .AND. KDE<100", 0},
    {"STR(KDE,3,0) + STR(ROK,4,0) + STR(OKR,2,0) + NIP + STR(NRK,2,0)", ".NOT.DELETED() .AND. KDE>=100", 0},
    {"NIP + STR(ROK,4,0) + STR(OKR,2,0) + STR(KDE,3,0) + STR(NRK,2,0)", ".NOT.DELETED() .AND. KDE<100", 0},
    {"NIP + STR(ROK,4,0) + STR(OKR,2,0) + STR(KDE,3,0) + STR(NRK,2,0)", ".NOT.DELETED() .AND. KDE>=100", 0},
    {"NIP + STR(KDE,3,0) + STR(ROK,4,0) + STR(OKR,2,0) + STR(NRK,2,0) + STR(RECNO(),5,0)", "", 0},
    {"NIP + NPR + STR(KDE,3,0) + STR(ROK,4,0) + STR(NRK,2,0) + STR(RECNO(),5,0)", "", 0},
};

// W3LXML.DBF: XML code list.
constexpr FieldDef kW3LXMLFields[] = {
    {"IDE", C, 1, 0}, {"KOD", C, 10, 0}, {"NA1", C, 70, 0}, {"NA2", C, 70, 0}, {"NA3", C, 70, 0},
    {"MIA", C, 26, 0}, {"KDP", C, 6, 0}, {"WOJ", C, 2, 0}, {"POW", C, 2, 0}, {"GMI", C, 3, 0},
    {"GMR", C, 2, 0}, {"SYM", C, 7, 0}, {"SYL", C, 5, 0}, {"CEH", C, 6, 0}, {"INF", C, 32, 0},
    {"RE1", C, 70, 0}, {"RE2", C, 54, 0}, {"RE3", C, 30, 0}, {"RE4", N, 6, 0}, {"RE5", N, 11, 2},
};
constexpr TagDef kW3LXMLTags[] = {
    {"IDE + KOD", "", 0},
    {"IDE + UPPER (NA1)", "", 0},
    {"IDE + UPPER (MIA)", "", 0},
    {"UPPER (MIA)", "", 0},
    {"UPPER (NA1)", "", 0},
    {"IDE + WOJ + POW + GMI", "", 0},
    {"WOJ + POW + GMI", "", 0},
};

// W3TABE  .DBF: tax scale.
constexpr FieldDef kW3TABEFields[] = {
    {"PODS", N, 9, 2}, {"PODA", N, 9, 2}, {"PROC", N, 4, 1},
};

// W3PI11  .DBF: PIT-11 forms.
constexpr FieldDef kW3PI11Fields[] = {
    {"KOPR", N, 5, 0}, {"DAOD", D, 8, 0}, {"DADO", D, 8, 0}, {"ROSZ", N, 1, 0}, {"R01P", N, 10, 2},
    {"R01K", N, 10, 2}, {"R01Z", N, 7, 0}, {"R01D", N, 10, 2}, {"R01S", N, 10, 2},
    {"R01L", N, 10, 2}, {"RP01", N, 10, 2}, {"RK01", N, 10, 2}, {"R02P", N, 10, 2},
    {"R02D", N, 10, 2}, {"R02Z", N, 7, 0}, {"R02S", N, 10, 2}, {"R02L", N, 10, 2},
    {"R03P", N, 10, 2}, {"R03D", N, 10, 2}, {"R03Z", N, 7, 0}, {"R03S", N, 10, 2},
    {"R03L", N, 10, 2}, {"R04P", N, 10, 2}, {"R04D", N, 10, 2}, {"R04Z", N, 7, 0},
    {"R04S", N, 10, 2}, {"R04L", N, 10, 2}, {"R05P", N, 10, 2}, {"R05D", N, 10, 2},
    {"R05Z", N, 7, 0}, {"R05S", N, 10, 2}, {"R05L", N, 10, 2}, {"R06P", N, 10, 2},
    {"R06K", N, 10, 2}, {"R06D", N, 10, 2}, {"R06Z", N, 7, 0}, {"R06S", N, 10, 2},
    {"R06L", N, 10, 2}, {"R07P", N, 10, 2}, {"R07K", N, 10, 2}, {"R07D", N, 10, 2},
    {"R07Z", N, 7, 0}, {"R07S", N, 10, 2}, {"R07L", N, 10, 2}, {"R08P", N, 10, 2},
    {"R08K", N, 10, 2}, {"R08D", N, 10, 2}, {"R08Z", N, 7, 0}, {"R08S", N, 10, 2},
    {"R08L", N, 10, 2}, {"R09P", N, 10, 2}, {"R09K", N, 10, 2}, {"R09D", N, 10, 2},
    {"R09Z", N, 7, 0}, {"R09S", N, 10, 2}, {"R09L", N, 10, 2}, {"R10P", N, 10, 2},
    {"R10K", N, 10, 2}, {"R10D", N, 10, 2}, {"R10Z", N, 7, 0}, {"R10S", N, 10, 2},
    {"R10L", N, 10, 2}, {"R11P", N, 10, 2}, {"R11K", N, 10, 2}, {"R11D", N, 10, 2},
    {"R11Z", N, 7, 0}, {"R11S", N, 10, 2}, {"R11L", N, 10, 2}, {"R12P", N, 10, 2},
    {"R12D", N, 10, 2}, {"R12Z", N, 7, 0}, {"R12S", N, 10, 2}, {"R12L", N, 10, 2},
    {"RSPO", N, 10, 2}, {"RZDR", N, 10, 2}, {"RZAG", N, 10, 2}, {"RPOM", N, 10, 2},
    {"PITR", C, 1, 0}, {"KOR", C, 1, 0}, {"KW1", C, 70, 0}, {"KW2", C, 70, 0}, {"KW3", C, 70, 0},
    {"KW4", C, 70, 0}, {"KW5", C, 70, 0}, {"RE1N", N, 10, 2}, {"RE2N", N, 10, 2},
    {"RE3N", N, 10, 2}, {"RE4N", N, 10, 2}, {"RE5N", N, 4, 0}, {"RE1C", C, 1, 0}, {"RE2C", C, 1, 0},
};
constexpr TagDef kW3PI11Tags[] = {
    {"KOPR", "", 0},
};

// W3PI40  .DBF: PIT-40 forms.
constexpr FieldDef kW3PI40Fields[] = {
    {"KOP", N, 5, 0}, {"R061", C, 1, 0}, {"R062", C, 1, 0}, {"R34", C, 1, 0}, {"R35", C, 1, 0},
    {"R361", C, 1, 0}, {"R362", C, 1, 0}, {"R363", C, 1, 0}, {"R364", C, 1, 0}, {"R365", C, 1, 0},
    {"R37", N, 10, 2}, {"R38", N, 10, 2}, {"R39", N, 10, 2}, {"R40", N, 10, 0}, {"Z1S", N, 10, 2},
    {"Z1Z", N, 10, 2}, {"R41", N, 10, 2}, {"R42", N, 10, 2}, {"R43", N, 10, 2}, {"R44", N, 10, 2},
    {"R45", N, 10, 0}, {"Z2S", N, 10, 2}, {"Z2Z", N, 10, 2}, {"R46", N, 10, 2}, {"R47", N, 10, 2},
    {"R48", N, 10, 0}, {"Z3S", N, 10, 2}, {"Z3Z", N, 10, 2}, {"R49", N, 10, 2}, {"R50", N, 10, 2},
    {"R51", N, 10, 0}, {"Z4S", N, 10, 2}, {"Z4Z", N, 10, 2}, {"R52", N, 10, 2}, {"R53", N, 10, 2},
    {"R54", N, 10, 2}, {"R55", N, 10, 0}, {"Z5S", N, 10, 2}, {"Z5Z", N, 10, 2}, {"R56", N, 10, 2},
    {"R57", N, 10, 2}, {"R58", N, 10, 2}, {"R59", N, 10, 0}, {"Z6S", N, 10, 2}, {"Z6Z", N, 10, 2},
    {"R60", N, 10, 2}, {"R61", N, 10, 2}, {"R62", N, 10, 2}, {"R63", N, 10, 0}, {"Z7S", N, 10, 2},
    {"Z7Z", N, 10, 2}, {"R64", N, 10, 2}, {"R65", N, 10, 2}, {"R66", N, 10, 2}, {"R67", N, 10, 0},
    {"ZRS", N, 10, 2}, {"ZRZ", N, 10, 2}, {"R68", N, 10, 2}, {"R69", N, 10, 2}, {"R70", C, 56, 0},
    {"R71", N, 10, 2}, {"R72", N, 10, 2}, {"R73", N, 10, 2}, {"R74", N, 10, 2}, {"R75", N, 10, 2},
    {"R76", N, 10, 2}, {"R77", N, 10, 2}, {"R78", N, 10, 2}, {"R79", C, 56, 0}, {"R80", N, 10, 2},
    {"R81", N, 10, 2}, {"R82", N, 10, 2}, {"R83", N, 10, 2}, {"R84", C, 15, 0}, {"R85", C, 30, 0},
    {"KOR", C, 1, 0}, {"KW1", C, 70, 0}, {"KW2", C, 70, 0}, {"KW3", C, 70, 0}, {"KW4", C, 70, 0},
    {"KW5", C, 70, 0}, {"RE1", N, 10, 2}, {"RE2", C, 30, 0}, {"RE3", N, 10, 2}, {"RE4", N, 10, 2},
    {"RE5", N, 10, 2}, {"RE6", N, 10, 2}, {"RE7", N, 4, 0}, {"RE8", C, 1, 0}, {"RE9", C, 56, 0},
};
constexpr TagDef kW3PI40Tags[] = {
    {"KOP", "", 0},
};

// W3P8AR  .DBF: PIT-8AR forms.
constexpr FieldDef kW3P8ARFields[] = {
    {"MIE", N, 2, 0}, {"NAZ", C, 25, 0}, {"IMI", C, 15, 0}, {"C01", N, 9, 0}, {"C02", N, 9, 0},
    {"C03", N, 9, 0}, {"C04", N, 9, 0}, {"C05", N, 9, 0}, {"C06", N, 9, 0}, {"C07", N, 9, 0},
    {"C08", N, 9, 0}, {"C09", N, 9, 0}, {"C10", N, 9, 0}, {"C11", N, 9, 0}, {"C12", N, 9, 0},
    {"C13", N, 9, 0}, {"C14", N, 9, 0}, {"C15", N, 9, 0}, {"C16", N, 9, 0}, {"KOR", C, 1, 0},
    {"KW1", C, 70, 0}, {"KW2", C, 70, 0}, {"KW3", C, 70, 0}, {"KW4", C, 70, 0}, {"KW5", C, 70, 0},
    {"INF", C, 32, 0}, {"RE1", N, 11, 2}, {"RE2", N, 11, 2}, {"RE3", N, 11, 2}, {"RE4", N, 11, 2},
};

// W3PZAL  .DBF: advance payments of tax.
constexpr FieldDef kW3PZALFields[] = {
    {"MIE", N, 2, 0}, {"P01", N, 4, 0}, {"Z01", N, 7, 0}, {"Z02", N, 7, 0}, {"P0R", N, 4, 0},
    {"Z0R", N, 7, 0}, {"RWY", N, 7, 0}, {"RZA", N, 7, 0}, {"O01", N, 7, 0}, {"D01", N, 7, 0},
    {"D02", N, 7, 0}, {"O02", N, 7, 0}, {"O03", N, 7, 0}, {"O04", N, 7, 0}, {"D03", N, 7, 0},
    {"D04", N, 7, 0}, {"O05", N, 7, 0}, {"D05", N, 7, 0}, {"ZAP", N, 7, 0}, {"WYN", N, 7, 0},
    {"KZA", N, 7, 0}, {"KOR", C, 1, 0}, {"KW1", C, 70, 0}, {"KW2", C, 70, 0}, {"KW3", C, 70, 0},
    {"KW4", C, 70, 0}, {"KW5", C, 70, 0}, {"INF", C, 32, 0}, {"REZ", C, 40, 0}, {"REN", N, 7, 0},
    {"RE1", N, 7, 0}, {"RE2", N, 7, 0},
};

// W3NIP3.DBF: NIP-3 forms.
constexpr FieldDef kW3NIP3Fields[] = {
    {"BAZ", N, 1, 0}, {"REK", N, 7, 0}, {"N01", C, 13, 0}, {"N02", C, 20, 0}, {"N03", C, 20, 0},
    {"N04", C, 1, 0}, {"N05", C, 54, 0}, {"N06", C, 1, 0}, {"N07", C, 54, 0}, {"N08", C, 11, 0},
    {"N09", C, 30, 0}, {"N10", C, 15, 0}, {"N11", C, 15, 0}, {"N12", C, 15, 0}, {"N13", C, 15, 0},
    {"N14", D, 8, 0}, {"N15", C, 25, 0}, {"N16", C, 1, 0}, {"N17", C, 30, 0}, {"N18", C, 20, 0},
    {"N19", C, 11, 0}, {"N20", C, 20, 0}, {"Z08", C, 1, 0}, {"Z09", C, 1, 0}, {"Z10", C, 1, 0},
    {"Z11", C, 1, 0}, {"Z12", C, 1, 0}, {"Z13", C, 1, 0}, {"Z14", C, 1, 0}, {"Z15", C, 1, 0},
    {"Z17", C, 1, 0}, {"Z18", C, 1, 0}, {"Z19", C, 1, 0}, {"Z20", C, 1, 0}, {"N22", C, 20, 0},
    {"N23", C, 20, 0}, {"N24", C, 20, 0}, {"N25", C, 20, 0}, {"N26", D, 8, 0}, {"N27", C, 30, 0},
    {"N28", C, 20, 0}, {"N29", C, 25, 0}, {"N30", C, 25, 0}, {"N31", C, 20, 0}, {"N32", C, 9, 0},
    {"N33", C, 9, 0}, {"N34", C, 25, 0}, {"N35", C, 6, 0}, {"N36", C, 20, 0}, {"N37", C, 20, 0},
    {"N38", C, 20, 0}, {"N39", D, 8, 0}, {"N40", C, 30, 0}, {"N41", C, 20, 0}, {"N42", C, 25, 0},
    {"N43", C, 25, 0}, {"N44", C, 20, 0}, {"N45", C, 9, 0}, {"N46", C, 9, 0}, {"N47", C, 25, 0},
    {"N48", C, 6, 0}, {"N49", C, 20, 0}, {"N50", C, 20, 0}, {"N51", C, 20, 0}, {"N52", C, 40, 0},
    {"N53", C, 30, 0}, {"N54", C, 40, 0}, {"N55", C, 54, 0}, {"N56", C, 35, 0}, {"N57", C, 1, 0},
    {"N58", D, 8, 0}, {"N59", C, 1, 0}, {"N60", C, 1, 0}, {"N61", C, 15, 0}, {"N62", C, 30, 0},
    {"N63", C, 13, 0}, {"N64", C, 70, 0}, {"N65", D, 8, 0}, {"N67", C, 13, 0}, {"N68", C, 70, 0},
    {"INF", C, 32, 0}, {"RE1", N, 3, 0}, {"RE2", N, 7, 3}, {"RE3", N, 11, 2}, {"RE4", N, 11, 2},
    {"RE5", N, 11, 2}, {"RE6", C, 20, 0}, {"RE7", D, 8, 0},
};
constexpr TagDef kW3NIP3Tags[] = {
    {"DTOS(N65)", "", 0},
};

// RMUAP.DBF: RMUA work table.
constexpr FieldDef kRMUAPFields[] = {
    {"NAZ", C, 30, 0}, {"IMI", C, 15, 0}, {"KTU", C, 6, 0}, {"REK", N, 5, 0},
};
constexpr TagDef kRMUAPTags[] = {
    {"UPPER(NAZ)+UPPER(IMI)", "", 0},
    {"STR(REK,5,0)+KTU", "", 0},
};

// W3PAOS.DBF: user list kept with the host.
constexpr FieldDef kW3PAOSFields[] = {
    {"NAZ", C, 25, 0}, {"REK", N, 5, 0},
};

// W3PASS.DBF: user entries kept in the host's password form.
constexpr FieldDef kW3PASSFields[] = {
    {"A", C, 15, 0}, {"B", L, 1, 0},
};
constexpr TagDef kW3PASSTags[] = {
    {"RECNO()", "", 0},
};

}  // namespace

const Layout kPayrollLayouts[] = {
    {"W3PRAC.DBF", "employees", kW3PRACFields, kW3PRACTags, 108},
    {"W3PENS  .DBF", "payroll list rows", kW3PENSFields, kW3PENSTags, 65},
    {"W3PESK  .DBF", "pay components of payroll rows", kW3PESKFields, kW3PESKTags, 29},
    {"W3PELI.DBF", "list of pay components", kW3PELIFields, kW3PELITags, 15},
    {"W3SRDN.DBF", "bases of average pay", kW3SRDNFields, kW3SRDNTags, 36},
    {"W3NIEO  .DBF", "absences", kW3NIEOFields, kW3NIEOTags, 18},
    {"W3ZFSS  .DBF", "company social fund", kW3ZFSSFields, kW3ZFSSTags, 10},
    {"W3UMOW  .DBF", "civil-law contracts", kW3UMOWFields, kW3UMOWTags, 66},
    {"W3UMPR.DBF", "subjects of contracts", kW3UMPRFields, kW3UMPRTags, 6},
    {"W3ZUSD  .DBF", "ZUS declaration data: codes with periods and amounts per person", kW3ZUSDFields, kW3ZUSDTags, 7},
    {"W3ZUSP  .DBF", "ZUS declaration data: insurance titles with periods per person", kW3ZUSPFields, kW3ZUSPTags, 10},
    {"W3ZUSR  .DBF", "ZUS declaration data: reports made per month", kW3ZUSRFields, kW3ZUSRTags, 20},
    {"W3ZUSS  .DBF", "ZUS declaration data: contributions per person", kW3ZUSSFields, kW3ZUSSTags, 63},
    {"W3ZUWS  .DBF", "ZUS data of partners", kW3ZUWSFields, kW3ZUWSTags, 106},
    {"W3WSPL  .DBF", "partners", kW3WSPLFields, kW3WSPLTags, 150},
    {"W3WSSK  .DBF", "partners' contribution items", kW3WSSKFields, kW3WSSKTags, 12},
    {"W3KZUS.DBF", "ZUS codes", kW3KZUSFields, kW3KZUSTags, 9},
    {"W3DEKL.DBF", "declarations list", kW3DEKLFields, kW3DEKLTags, 34},
    {"W3LXML.DBF", "XML code list", kW3LXMLFields, kW3LXMLTags, 20},
    {"W3TABE  .DBF", "tax scale", kW3TABEFields, {}, 3},
    {"W3PI11  .DBF", "PIT-11 forms", kW3PI11Fields, kW3PI11Tags, 91},
    {"W3PI40  .DBF", "PIT-40 forms", kW3PI40Fields, kW3PI40Tags, 90},
    {"W3P8AR  .DBF", "PIT-8AR forms", kW3P8ARFields, {}, 30},
    {"W3PZAL  .DBF", "advance payments of tax", kW3PZALFields, {}, 32},
    {"W3NIP3.DBF", "NIP-3 forms", kW3NIP3Fields, kW3NIP3Tags, 88},
    {"RMUAP.DBF", "RMUA work table", kRMUAPFields, kRMUAPTags, 4},
    {"W3PAOS.DBF", "user list kept with the host", kW3PAOSFields, {}, 2},
    {"W3PASS.DBF", "user entries kept in the host's password form", kW3PASSFields, kW3PASSTags, 2},
    {"W3PRAX.DBF", "law switches of employees", kW3PRAXFields, kW3PRAXTags, 11},
};
const std::size_t kPayrollLayoutCount = std::size(kPayrollLayouts);

}  // namespace skolvarin::data
