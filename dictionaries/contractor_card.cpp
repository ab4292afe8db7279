#include "dictionaries/contractor_card.h"

namespace skolvarin::dictionaries {

namespace {

constexpr CardPlace kCard[] = {
    {1, 8, "KOD"},   {2, 8, "NA1"},   {3, 8, "NA2"},   {4, 14, "KOP"},  {4, 21, "MIA"},
    {5, 14, "POC"},  {6, 14, "ULI"},  {7, 14, "KRA"},  {1, 58, "NIP"},  {0, 58, "CZV"},
    {0, 8, "TYP"},   {8, 14, "OSO"},
    {9, 14, "TEL"},  {9, 58, "FAX"},  {10, 14, "TLX"}, {11, 14, "EMA"}, {12, 14, "WWW"},
    {13, 14, "BAN"}, {14, 14, "KON"}, {15, 14, "PLA"}, {15, 58, "ILD"}, {16, 14, "TKO"},
    {16, 58, "UPU"}, {17, 14, "NAL"}, {17, 58, "DLU"}, {18, 14, "OP1"}, {18, 58, "OP2"},
    {19, 8, "UWA"},  {20, 14, "STA"}, {20, 58, "TYC"}, {21, 14, "NDT"}, {21, 58, "DDT"},
    {22, 14, "OWT"}, {23, 14, "NET"}, {23, 37, "VAT"}, {23, 58, "BRU"},
};

}  // namespace

std::span<const CardPlace> contractor_card() { return kCard; }

}  // namespace skolvarin::dictionaries
