// Vehicles, trips and transport bills end to end: the real program on a
// data directory made by `skolvarin init`, driven by key scripts; tables
// read back with `skolvarin tabela`, trips with `skolvarin przejazdy`.
#include <gtest/gtest.h>

#include "tests/dictionaries/e2e_support.h"
#include "tests/support/program_run.h"

using dict_e2e::DataDir;
using dict_e2e::dump;
using dict_e2e::has_row;

namespace {

std::string row_with(const dict_e2e::Screen& s, const std::string& text) {
  for (const auto& r : s)
    if (r.find(text) != std::string::npos) return r;
  return {};
}

// A private car: owner, address, make, capacity (<Down> for over 900 cm³),
// registration, petrol.
std::string private_car(const std::string& owner, const std::string& make, const std::string& reg, bool over900) {
  return "d" + owner + "<Enter><Enter>00950<Enter>Warszawa<Enter>Polna 1<Enter>" + make + "<Enter>" +
         (over900 ? "<F4><Down><Enter>" : "") + "<Enter>" + reg + "<Enter><F4><Enter><Enter><F2>";
}

}  // namespace

TEST(TransportEndToEnd, TripsTakeTheirValueAndRateByVehicle) {
  DataDir dir("przejazdy");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  auto cars = dir.keys("ts" + private_car("Kowalski Jan", "Skoda", "wa12345", true) +
                       private_car("Nowak Adam", "Fiat", "wb999", false) +
                       private_car("Zielińska Ewa", "Opel", "kr777", false) +
                       private_car("Żak Piotr", "Lada", "po555", false) +
                       "<End>u<Home><Down><F4><dump><Enter><dump><Esc><Esc><Esc>");  // Żak inactive
  ASSERT_EQ(cars.screens.size(), 2u) << cars.all();
  EXPECT_TRUE(has_row(cars.screens[0], "Zmieniono typ samochodu na SŁUŻBOWY.")) << dump(cars.screens[0]);
  // The panel under the list follows the current vehicle and its type.
  EXPECT_TRUE(has_row(cars.screens[1], "rodzaj: służbowy")) << dump(cars.screens[1]);
  EXPECT_TRUE(has_row(cars.screens[1], "marka: Fiat")) << dump(cars.screens[1]);
  EXPECT_TRUE(has_row(cars.screens[1], "ewidencja od")) << dump(cars.screens[1]);
  auto vehicles = dir.records("W3SAMO.DBF");
  ASSERT_EQ(vehicles.size(), 4u);
  EXPECT_EQ(vehicles[3]["STA"], "N");
  EXPECT_EQ(vehicles[0]["POJ"], "pow 900 cm");
  EXPECT_EQ(vehicles[1]["TYP"], "S");
  EXPECT_EQ(vehicles[2]["POJ"], "do  900 cm");

  auto trips = dir.keys(
      "tp"
      "d<F4><Enter><Enter><Enter>Klient<Enter>Warszawa-Radom<Enter>120<Enter>0.8125<Enter><dump><F2>"  // 0
      "d<F4><Down><Enter><Enter><Enter>Serwis<Enter>Radom<Enter>50<Enter>9<dump><F2>"                  // 1
      "d<F4><Enter><dump><Esc>T"                                                                       // 2
      "d<F4><Down><Down><Enter><dump><Esc>T"                                                           // 3
      "d<F4><dump><Esc><Esc>"                                                                          // 4
      "<Esc><Esc><Esc>");
  EXPECT_EQ(trips.exit_code, 0);
  ASSERT_EQ(trips.screens.size(), 5u) << trips.all();
  // An inactive vehicle is not offered for a new trip.
  EXPECT_TRUE(has_row(trips.screens[4], "Zielińska Ewa")) << dump(trips.screens[4]);
  EXPECT_FALSE(has_row(trips.screens[4], "Żak Piotr")) << dump(trips.screens[4]);
  EXPECT_NE(row_with(trips.screens[0], "cena 1 km").find("0.8125"), std::string::npos) << dump(trips.screens[0]);
  EXPECT_NE(row_with(trips.screens[0], "cena 1 km").find("97.50"), std::string::npos) << dump(trips.screens[0]);
  // The company car's rate field is passed over: the 9 is typed over the
  // driver's first letter.
  EXPECT_NE(row_with(trips.screens[1], "cena 1 km").find("0.0000"), std::string::npos) << dump(trips.screens[1]);
  EXPECT_TRUE(has_row(trips.screens[1], "kierowca........... 9owak Adam")) << dump(trips.screens[1]);
  // The saved rate is proposed again for its class only.
  EXPECT_NE(row_with(trips.screens[2], "cena 1 km").find("0.8125"), std::string::npos) << dump(trips.screens[2]);
  EXPECT_NE(row_with(trips.screens[3], "cena 1 km").find("0.0000"), std::string::npos) << dump(trips.screens[3]);

  auto recs = dir.records("W3PRZE26.DBF");
  ASSERT_EQ(recs.size(), 2u);
  EXPECT_EQ(recs[0]["WAR"], "97.50");
  EXPECT_EQ(recs[0]["POD"], "PRYWATNY");
  EXPECT_EQ(recs[0]["POJ"], "pow 900 cm");
  EXPECT_EQ(recs[1]["WAR"], "0.00");
  EXPECT_EQ(recs[1]["CEK"], "0.0000");
  EXPECT_EQ(recs[1]["POD"], "SŁUŻBOWY");

  // A new run takes the current rates from the file.
  auto again = dir.keys("tpd<F4><Enter><dump><Esc>T<Esc><Esc><Esc>");
  ASSERT_EQ(again.screens.size(), 1u) << again.all();
  EXPECT_NE(row_with(again.screens[0], "cena 1 km").find("0.8125"), std::string::npos) << dump(again.screens[0]);

  auto out = skolvarin::testing_support::run_command(dict_e2e::bin_dir() + "/skolvarin przejazdy --data " +
                                                     dir.data().string() + " --rok 2026 --miesiac 12 --json");
  EXPECT_EQ(out.status, 0) << out.out;
  EXPECT_NE(out.out.find("\"km\": 120, \"stawka\": 0.8125, \"wartosc\": 97.50"), std::string::npos) << out.out;
  EXPECT_NE(out.out.find("{\"pojazd\": 1, \"numer\": \"WA12345\", \"przejazdy\": 1, \"km\": 120, \"wartosc\": 97.50}"),
            std::string::npos)
      << out.out;
  EXPECT_NE(out.out.find("\"niezgodne\": 0"), std::string::npos) << out.out;
}

TEST(TransportEndToEnd, BillsWeighFuelAndSettleAgainstTheAllowance) {
  DataDir dir("rachunki");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  dir.keys("ts" + private_car("Kowalski Jan", "Skoda", "wa12345", true) + "<Esc><Esc><Esc>");
  auto setup = dir.keys("tp"
                        "d<F4><Enter><Enter>15012026<Enter>Klient<Enter>Trasa<Enter>400<Enter>0.75<Enter><F2>"
                        "d<F4><Enter><Enter>15022026<Enter>Klient<Enter>Trasa<Enter>400<Enter>0.75<Enter><F2>"
                        "<Esc><Esc>");
  ASSERT_EQ(dir.records("W3PRZE26.DBF").size(), 2u) << setup.all();
  // 40 l of petrol at 12.50 in January: 30.20 kg, 500.00; trips of 300.00
  // in January and in February book 300.00 and then 200.00.
  auto run = dir.keys("tr"
                      "d<F4><Enter><Enter>R 1/2026<Enter>15012026<Enter>40<Enter><dump>12.5<Enter><dump><F2>"
                      "a<F2><dump><Esc>"
                      "z<Enter><dump><Esc><Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 4u) << run.all();
  // The yearly summary: January's petrol, 40 l weighing 30.20 kg for 500.00.
  const auto& summary = run.screens[2];
  EXPECT_TRUE(has_row(summary, "za rok 2026")) << dump(summary);
  EXPECT_NE(row_with(summary, "styczeń     ilość  [l/m3]").find("40,00"), std::string::npos) << dump(summary);
  EXPECT_NE(row_with(summary, "waga     [kg]").find("30,20"), std::string::npos) << dump(summary);
  EXPECT_NE(row_with(run.screens[0], "waga [kg]").find("30.20"), std::string::npos) << dump(run.screens[0]);
  EXPECT_NE(row_with(run.screens[1], "wartość..").find("500.00"), std::string::npos) << dump(run.screens[1]);
  const auto& settlement = run.screens[3];
  EXPECT_TRUE(has_row(settlement, "Rozliczenie dla   - Kowalski Jan")) << dump(settlement);
  EXPECT_TRUE(has_row(settlement, " 1                  500,00          300,00          300,00")) << dump(settlement);
  EXPECT_TRUE(has_row(settlement, " 2                    0,00          300,00          200,00")) << dump(settlement);
  auto bills = dir.records("W3RASA26.DBF");
  ASSERT_EQ(bills.size(), 1u);
  EXPECT_EQ(bills[0]["WAB"], "30.20");
  EXPECT_EQ(bills[0]["WAR"], "500.00");
  EXPECT_EQ(bills[0]["ROP"], "1");
}

TEST(TransportEndToEnd, MileageRecordStartsFromTheOdometerAndNeedsAVehicle) {
  DataDir dir("ewidencja");
  ASSERT_TRUE(dir.ok()) << dir.init_output();
  // A company car: record kept from 1 January 2026, odometer 12000 then.
  dir.keys("ts" + private_car("Nowak Adam", "Fiat", "wb999", false) +
           "<F4><Enter>m<Enter><Enter><F4>01012026<Enter>31122026<F2><Enter>12000<F2><Esc><Esc><Esc>");
  auto cars = dir.records("W3SAMO.DBF");
  ASSERT_EQ(cars.size(), 1u);
  ASSERT_EQ(cars[0]["TYP"], "S");
  ASSERT_EQ(cars[0]["RE1"], "2026010120261231");
  ASSERT_EQ(cars[0]["RE2"], "12000.00");
  std::string trips = "tp";
  for (const char* t : {"10012026<Enter>Klient<Enter>A-B<Enter>100", "10022026<Enter>Serwis<Enter>B-C<Enter>50",
                        "10032026<Enter>Bank<Enter>C-D<Enter>30"})
    trips += std::string("d<F4><Enter><Enter><C-Y>") + t + "<Enter><F2>";
  dir.keys(trips + "<Esc><Esc>");
  ASSERT_EQ(dir.records("W3PRZE26.DBF").size(), 3u);
  auto run = dir.keys("tp"
                      "re<F2><dump><Enter>"                                  // 0: no vehicle in the filter
                      "re01022026<Enter><Enter><F4><Enter><F2><dump><F2><Enter>"  // 1: the preview
                      "<Esc><Esc><Esc>");
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.screens.size(), 2u) << run.all();
  EXPECT_TRUE(has_row(run.screens[0], "Ustaw filtr na samochód.")) << dump(run.screens[0]);
  EXPECT_TRUE(has_row(run.screens[1], "EWIDENCJA PRZEBIEGU POJAZDU numer rej. WB999")) << dump(run.screens[1]);
  // The printed text: the odometer at 1 February (12000 + 100 km of
  // January), the two trips since, numbered from 1, and their total.
  std::string text;
  for (auto& e : dict_e2e::fs::recursive_directory_iterator(dir.data()))
    if (e.path().extension() == ".txt" && e.path().filename().string().rfind("EWI_", 0) == 0) {
      std::ifstream in(e.path());
      text.assign(std::istreambuf_iterator<char>(in), {});
    }
  ASSERT_FALSE(text.empty()) << run.all();
  EXPECT_NE(text.find("stan licznika: 12100"), std::string::npos) << text;
  EXPECT_NE(text.find("Dzień rozpoczęcia prowadzenia ewidencji: 01-01-2026"), std::string::npos) << text;
  EXPECT_NE(text.find("   1 10-02-2026 B-C"), std::string::npos) << text;
  EXPECT_NE(text.find("   2 10-03-2026 C-D"), std::string::npos) << text;
  EXPECT_EQ(text.find("A-B"), std::string::npos) << text;
  size_t total = text.find("RAZEM");
  ASSERT_NE(total, std::string::npos) << text;
  std::string line = text.substr(total, text.find('\n', total) - total);
  EXPECT_EQ(line.substr(line.find_last_not_of(' ') - 1, 2), "80") << line;
}
