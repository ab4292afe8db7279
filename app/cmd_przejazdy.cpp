// skolvarin przejazdy --rok R --miesiac M [--pojazd NR] [--json]: the trips
// of a month from the firm's trips table of year R (W3PRZE<rr>.DBF), each
// with its value by the trips register's rule (0 for a company vehicle,
// else km × rate to the grosz), and the month's kilometres and value per
// vehicle.  --pojazd limits the list to one vehicle (its record number in
// W3SAMO.DBF).  Exit 1 when a stored value differs from the rule's.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/command.h"
#include "app/json_text.h"
#include "data/data_directory.h"
#include "host/api/db_api.h"
#include "host/api/rounding.h"
#include "transport/mileage.h"

namespace skolvarin::app {
namespace {

struct Trip {
  long recno = 0, vehicle = 0;
  Date date;
  std::string kind, driver, purpose, route;
  long km = 0;
  double rate = 0, stored = 0, value = 0;
};

struct Vehicle {
  std::string registration, make;
  long km = 0;
  double value = 0;
  int trips = 0;
};

bool parse_number(const std::string& s, long lo, long hi, long& out) {
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (s.empty() || *end || v < lo || v > hi) return false;
  out = v;
  return true;
}

int run(const CommandLine& cl) {
  std::string text;
  long month = 0, only = 0;
  if (!cl.value_of("--miesiac", text) || !parse_number(text, 1, 12, month)) {
    std::fprintf(stderr, "skolvarin przejazdy: podaj miesiąc 1-12 (--miesiac M)\n");
    return 2;
  }
  if (cl.value_of("--pojazd", text) && !parse_number(text, 1, 99999, only)) {
    std::fprintf(stderr, "skolvarin przejazdy: błędny numer pojazdu: %s\n", text.c_str());
    return 2;
  }
  HostContext ctx;
  ctx.today = cl.today;
  std::string error;
  if (!data::open_data_directory(ctx, cl.data_dir, error, cl.firm)) {
    std::fprintf(stderr, "skolvarin przejazdy: %s\n", error.c_str());
    return 2;
  }
  int year = cl.year ? cl.year : cl.today.year;
  std::map<long, Vehicle> vehicles;
  std::string samo = ctx.firm_dir + "W3SAMO.DBF";
  if (EnvFileExists(&ctx, samo.c_str())) {
    if (DATA4* t = d4open(&ctx, samo.c_str())) {
      for (long r = 1; r <= d4reccount(t); ++r)
        if (d4go(t, r) == 0)
          vehicles[r] = {f4trim(d4field(t, "NUM")), f4trim(d4field(t, "MAR")), 0, 0, 0};
      d4close(t);
    }
  }
  char name[16] = "W3PRZE  .DBF";
  SetDbfYear(name, year);
  std::string path = ctx.firm_dir + name;
  std::vector<Trip> trips;
  if (EnvFileExists(&ctx, path.c_str())) {
    DATA4* t = d4open(&ctx, path.c_str());
    if (!t) {
      std::fprintf(stderr, "skolvarin przejazdy: nie można otworzyć tabeli %s\n", path.c_str());
      return 2;
    }
    for (long r = 1; r <= d4reccount(t); ++r) {
      if (d4go(t, r) != 0 || d4deleted(t)) continue;
      Trip trip;
      trip.recno = r;
      trip.vehicle = f4long(d4field(t, "KOD"));
      trip.date = f4date(d4field(t, "DAT"));
      if (trip.date.month != month || (only && trip.vehicle != only)) continue;
      trip.kind = f4trim(d4field(t, "POD"));
      trip.driver = f4trim(d4field(t, "RE1"));
      trip.purpose = f4trim(d4field(t, "CEL"));
      trip.route = f4trim(d4field(t, "TRA"));
      trip.km = f4long(d4field(t, "ILO"));
      trip.rate = f4double(d4field(t, "CEK"));
      trip.stored = f4double(d4field(t, "WAR"));
      trip.value = transport::trip_value(transport::is_company(trip.kind), trip.km, trip.rate);
      trips.push_back(trip);
    }
    d4close(t);
  }
  std::sort(trips.begin(), trips.end(), [](const Trip& a, const Trip& b) {
    long da = day_number(a.date), db = day_number(b.date);
    return da != db ? da < db : a.recno < b.recno;
  });
  int differ = 0;
  for (const Trip& t : trips) {
    Vehicle& v = vehicles[t.vehicle];
    v.km += t.km;
    v.value = R(v.value + t.value, 2);
    ++v.trips;
    if (!same_grosz(t.stored, t.value)) ++differ;
  }
  if (cl.has_flag("--json")) {
    std::printf("{\"rok\": %d, \"miesiac\": %ld, \"przejazdy\": [", year, month);
    for (size_t i = 0; i < trips.size(); ++i) {
      const Trip& t = trips[i];
      std::printf("%s{\"pojazd\": %ld, \"data\": \"%s\", \"typ\": %s, \"kierowca\": %s, \"cel\": %s, "
                  "\"trasa\": %s, \"km\": %ld, \"stawka\": %.4f, \"wartosc\": %.2f, \"zapisana\": %.2f}",
                  i ? ", " : "", t.vehicle, to_iso(t.date).c_str(), json_string(t.kind).c_str(),
                  json_string(t.driver).c_str(), json_string(t.purpose).c_str(), json_string(t.route).c_str(), t.km,
                  t.rate, t.value, t.stored);
    }
    std::printf("], \"pojazdy\": [");
    bool first = true;
    for (const auto& [rec, v] : vehicles) {
      if (!v.trips) continue;
      std::printf("%s{\"pojazd\": %ld, \"numer\": %s, \"przejazdy\": %d, \"km\": %ld, \"wartosc\": %.2f}",
                  first ? "" : ", ", rec, json_string(v.registration).c_str(), v.trips, v.km, v.value);
      first = false;
    }
    std::printf("], \"niezgodne\": %d}\n", differ);
  } else {
    std::printf("Przejazdy %02ld/%d\n", month, year);
    for (const Trip& t : trips)
      std::printf("%s  %-10s %-20.20s %-30.30s %5ld km %8.4f %11.2f\n", to_shown(t.date).c_str(),
                  vehicles[t.vehicle].registration.c_str(), t.driver.c_str(), t.purpose.c_str(), t.km, t.rate,
                  t.value);
    for (const auto& [rec, v] : vehicles)
      if (v.trips)
        std::printf("RAZEM %-10s %d przejazdów %6ld km %11.2f PLN\n", v.registration.c_str(), v.trips, v.km,
                    v.value);
    if (differ) std::printf("uwaga: %d przejazdów ma zapisaną inną wartość niż wynika ze stawki\n", differ);
  }
  return differ ? 1 : 0;
}

const CommandRegistrar reg("przejazdy", "przejazdy miesiąca z wartością i sumą na pojazd: --miesiac M [--pojazd NR]",
                           run, "--miesiac= --pojazd= --json");

}  // namespace
}  // namespace skolvarin::app
