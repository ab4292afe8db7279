// Transfers: defaults of a new transfer, the options' range checks, the
// NRB check (against python-stdnum) and the Elixir-0 lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/program_run.h"
#include "transfers/elixir_export.h"
#include "transfers/transfer_rules.h"

using namespace skolvarin::transfers;

TEST(TransferRules, ZusAndTaxDefaultsFollowTheDayTheTransferIsMade) {
  TransferDefaults zus = new_transfer_defaults(kZus, HostDate{2017, 5, 18}, 'P');
  EXPECT_EQ(zus.period, "20170501");
  EXPECT_EQ(zus.symbol, "ZUSSP");
  EXPECT_EQ(zus.payment_type, "S");
  EXPECT_EQ(zus.beneficiary_kind, kZusOffice);
  EXPECT_EQ(zus.beneficiary_name, "ZUS");
  EXPECT_EQ(zus.marked, 'T');
  TransferDefaults tax = new_transfer_defaults(kTax, HostDate{2017, 5, 18}, 'W');
  EXPECT_EQ(tax.period, "17M05");
  EXPECT_EQ(tax.beneficiary_kind, kTaxOffice);
  EXPECT_EQ(tax.form, 'W');
  EXPECT_EQ(new_transfer_defaults(kTax, HostDate{2009, 12, 1}, 'P').period, "09M12");
  TransferDefaults plain = new_transfer_defaults(kOrdinary, HostDate{2017, 5, 18}, 'P');
  EXPECT_TRUE(plain.period.empty());
  EXPECT_EQ(plain.beneficiary_kind, 0);
}

TEST(TransferRules, OptionRanges) {
  for (int parts : {2, 4}) EXPECT_TRUE(parts_allowed(parts));
  for (int parts : {0, 1, 3, 5}) EXPECT_FALSE(parts_allowed(parts));
  EXPECT_TRUE(line_length_allowed(24, true));
  EXPECT_TRUE(line_length_allowed(27, true));
  EXPECT_FALSE(line_length_allowed(28, true));
  EXPECT_FALSE(line_length_allowed(50, true));
  EXPECT_TRUE(line_length_allowed(48, false));
  EXPECT_TRUE(line_length_allowed(54, false));
  EXPECT_FALSE(line_length_allowed(27, false));
  EXPECT_EQ(line_length_after_box_switch(50, true), 27);
  EXPECT_EQ(line_length_after_box_switch(25, true), 25);
  EXPECT_EQ(line_length_after_box_switch(25, false), 54);
  EXPECT_EQ(line_length_after_box_switch(50, false), 50);
}

TEST(TransferRules, NrbCheckAgreesWithPythonStdnum) {
  const std::string good = "83101010230000261395100000";  // ZUS social insurance account 2008-2017
  std::vector<std::string> cases = {good, "78101010230000261395200000", "PL 61 1090 1014 0000 0712 1981 2874",
                                    "61-1090-1014-0000-0712-1981-2874"};
  for (size_t i = 0; i < good.size(); ++i) {  // every single-digit change
    std::string bad = good;
    bad[i] = bad[i] == '9' ? '0' : static_cast<char>(bad[i] + 1);
    cases.push_back(bad);
  }
  cases.push_back(good.substr(0, 25));
  const auto oracle = skolvarin::testing_support::run_python_oracle("transfers/nrb_oracle.py", cases);
  ASSERT_EQ(oracle.size(), cases.size());
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(nrb_valid(cases[i]), oracle[i] == "1") << cases[i];
  EXPECT_EQ(nrb_sort_code(good), "10101023");
  EXPECT_EQ(grosze(1234.5), 123450);
  EXPECT_EQ(grosze(0.015), 2);
}

TEST(TransferRules, ElixirLinesOfTheThreeTypes) {
  TransferOrder o;
  o.date = "20170518";
  o.amount = 1234.56;
  o.payer_account = "61 1090 1014 0000 0712 1981 2874";
  o.payee_account = "83101010230000261395100000";
  o.payer_name1 = "FIRMA \"DEMO\" SP. Z O.O.";
  o.payer_address1 = "ul. Długa 1";
  o.payer_address2 = "00-950 Warszawa";
  o.payee_name1 = "ZUS";
  o.title1 = "Faktura 12/2017";
  o.nip = "526-000-12-46";
  EXPECT_EQ(elixir_line(o),
            "110,20170518,123456,10901014,0,\"61109010140000071219812874\",\"83101010230000261395100000\","
            "\"FIRMA 'DEMO' SP. Z O.O.|ul. Długa 1|00-950 Warszawa\",\"ZUS\",0,10101023,\"Faktura 12/2017\","
            "\"\",\"\",\"51\",\"\"");
  o.type = kZus;
  o.id_type = "R";
  o.id_number = "012345678";
  o.payment_type = "S";
  o.period = "20170501";
  EXPECT_NE(elixir_line(o).find(",\"5260001246|R|012345678|S|20170501|\",\"\",\"\",\"71\","), std::string::npos)
      << elixir_line(o);
  o.type = kTax;
  o.id_type = "";
  o.id_number = "";
  o.period = "17M05";
  o.symbol = "PIT4R";
  // 40 characters: two lines of the title field.
  EXPECT_NE(elixir_line(o).find(",\"/TI/N5260001246/OKR/17M05/SFP/PIT4R|/TXT/\",\"\",\"\",\"71\","),
            std::string::npos)
      << elixir_line(o);
}

TEST(TransferRules, RefusedOrdersAreListedAndLeftOut) {
  TransferOrder ok;
  ok.record = 1;
  ok.date = "20170518";
  ok.amount = 10;
  ok.payer_account = "61109010140000071219812874";
  ok.payee_account = "83101010230000261395100000";
  TransferOrder no_account = ok, bad_sum = ok, zero = ok;
  no_account.record = 2;
  no_account.payee_account = "";
  bad_sum.record = 3;
  bad_sum.payer_account = "61109010140000071219812875";
  zero.record = 4;
  zero.amount = 0.004;
  ElixirFile f = elixir_file({ok, no_account, bad_sum, zero});
  EXPECT_EQ(f.written, 1);
  ASSERT_EQ(f.refused.size(), 3u);
  EXPECT_NE(f.refused[0].find("nr 2"), std::string::npos);
  EXPECT_NE(f.refused[0].find("brak numeru rachunku odbiorcy"), std::string::npos);
  EXPECT_NE(f.refused[1].find("błędna suma kontrolna rachunku zleceniodawcy"), std::string::npos);
  EXPECT_NE(f.refused[2].find("kwota"), std::string::npos);
  EXPECT_EQ(f.bytes.substr(f.bytes.size() - 2), "\r\n");
  EXPECT_EQ(to_windows1250("Łódź ŻÓŁĆ"), "\xA3\xF3\x64\x9F \xAF\xD3\xA3\xC6");
}

TEST(TransferRules, PreprintedFormCutsFieldsToTheLineAndBoxesTheCharacters) {
  PreprintedTransfer t;
  t.beneficiary = "Przedsiębiorstwo Handlowe Łukasz Kowalski";  // 41 characters: two lines of 27
  t.beneficiary_account = "83101010230000261395100000";
  t.amount = "*100,00*";
  t.title = "FV 1";
  auto rows = preprinted_rows(t, 27, false);
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0], "Przedsiębiorstwo Handlowe Ł");
  EXPECT_EQ(rows[1], "ukasz Kowalski");
  EXPECT_EQ(rows[3], "PLN *100,00*");
  EXPECT_EQ(rows[8], "FV 1");
  auto boxed = preprinted_rows(t, 24, true);
  EXPECT_EQ(boxed[0], "P r z e d s i ę b i o r s t w o   H a n d l o w");
  EXPECT_EQ(boxed[2], "8 3 1 0 1 0 1 0 2 3 0 0 0 0 2 6 1 3 9 5 1 0 0 0");
  t.type = kZus;
  t.nip = "5260001246";
  t.payment_type = "S";
  t.period = "20170501";
  auto zus = preprinted_rows(t, 54, false);
  ASSERT_EQ(zus.size(), 11u);
  EXPECT_EQ(zus[8], "5260001246");
  EXPECT_EQ(zus[10], "S 20170501");
}
