#include "declarations/contract_prints.h"

#include <gtest/gtest.h>

#include "host/api/rounding.h"

namespace skolvarin::declarations {
namespace {

ContractBill bill(int typ, int tyt, double bru) {
  ContractBill b;
  b.TYP = typ;
  b.TYT = tyt;
  b.BRU = bru;
  b.DAR = b.DAW = {2017, 3, 10};
  return b;
}

TEST(ContractPrints, SettlementLinesOfAMandateWithHealth) {
  // 1,000.00 with pension, disability and health in 2017: contributions
  // 97.60 + 15.00, health base 887.40, 9 % = 79.87, deductible 7.75 % = 68.77.
  ContractBill b = bill(1, 5, 1000);
  b.KEU = 97.60, b.KRU = 15.00, b.PSZ = 887.40, b.KZU = 79.87;
  b.UZP = 20, b.UZW = 177.48, b.DOP = 709.92, b.POS = 18, b.POD = 127.80, b.NPO = 59, b.NET = 748.53;
  auto lines = settlement_lines(b, ContractParameters{});
  EXPECT_EQ(lines[0].label, "1.Kwota brutto");
  EXPECT_TRUE(same_grosz(lines[2].amount, 112.60));
  EXPECT_TRUE(lines[1].has_rate && same_grosz(lines[1].rate, 20));
  EXPECT_TRUE(same_grosz(lines[6].amount, 68.77));
  EXPECT_TRUE(same_grosz(lines[6].rate, 7.75));
  EXPECT_EQ(lines[8].label, "9.Do wypłaty ( 1-3-6-8 )");
  EXPECT_TRUE(same_grosz(lines[8].amount, 748.53));
  // Flat rate without the health deduction: line 7 is 0 at 0 %.
  b.TYP = 3;
  lines = settlement_lines(b, ContractParameters{});
  EXPECT_TRUE(same_grosz(lines[6].amount, 0) && same_grosz(lines[6].rate, 0));
}

TEST(ContractPrints, SummaryBySourceAndTotal) {
  ContractBill a = bill(1, 5, 100), b = bill(2, 6, 200), c = bill(1, 5, 300);
  a.KEU = 9.76, a.KEP = 9.76, a.KWP = 1.67, a.FUP = 2.45;
  ContractSummary s = summarize({a, b, c});
  EXPECT_EQ(s.by_source[5].count, 2);
  EXPECT_EQ(s.by_source[6].count, 1);
  EXPECT_EQ(s.total.count, 3);
  EXPECT_TRUE(same_grosz(s.by_source[5].BRU, 400));
  EXPECT_TRUE(same_grosz(s.total.contractor, 9.76));
  EXPECT_TRUE(same_grosz(s.total.payer, 11.43));
  EXPECT_NE(summary_text(s, 2017).find("RAZEM       3      600.00"), std::string::npos) << summary_text(s, 2017);
}

TEST(ContractPrints, TransferTitleAndPayerContributions) {
  EXPECT_EQ(transfer_text(3, {2026, 4, 5}), "umowa zlecenia z dnia 05-04-2026");
  EXPECT_EQ(transfer_text(4, {2026, 4, 5}), "umowa o dzieło z dnia 05-04-2026");
  EXPECT_EQ(transfer_text(2, {}), "umowa o dzieło z dnia");
  ContractBill b = bill(1, 5, 1000);
  b.KEP = 97.60, b.KRP = 65.00, b.KWP = 16.70, b.FUP = 24.50, b.FUG = 1.00, b.KEU = 97.60;
  EXPECT_TRUE(same_grosz(payer_contributions(b), 204.80));
}

TEST(ContractPrints, ContractsGroupedByTaxOffice) {
  std::vector<OfficeContract> rows = {{12, "US Radom", "Lis Ewa", bill(1, 5, 300)},
                                      {3, "", "Nowak Jan", bill(1, 5, 100)},
                                      {12, "US Radom", "Kos Piotr", bill(1, 5, 200)}};
  std::string text = by_office_text(rows, 2017);
  size_t radom = text.find("Urząd skarbowy: US Radom"), other = text.find("Urząd skarbowy: urząd nr 3");
  ASSERT_NE(radom, std::string::npos) << text;
  ASSERT_NE(other, std::string::npos) << text;
  EXPECT_LT(other, radom);
  EXPECT_NE(text.find("razem urząd:                                 500.00"), std::string::npos) << text;
}

}  // namespace
}  // namespace skolvarin::declarations
