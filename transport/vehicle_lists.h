// The vehicles as other forms use them: the open vehicles table, the
// " WYBIERZ " list of vehicles (active ones only when entering a trip),
// category texts and the fuel list.
#pragma once

#include <string>
#include <vector>

#include "data/module_state.h"
#include "host/api/browse_api.h"

namespace skolvarin::transport {

data::TableHandles& vehicles();
// Shows the vehicles (driver, make, registration) and returns the chosen
// record number, 0 when none was chosen (or none is listed; the user is
// told).  `active_only` leaves out vehicles whose status is not "T".
long choose_vehicle(bool active_only, long current);
// The category texts "brak", then messages 253 to 284.
std::vector<std::string> category_names();
// The fuel list "1. benzyna" ... "5. biodiesel".
std::vector<std::string> fuel_choices();
// The filters the trips and the bills start with: from and to a date (on
// `date`) and a vehicle chosen from the list (on `vehicle`, its record
// number); `key` names the saved filters.
void define_date_and_vehicle_filters(FiltersDefinition* filters, const char* key, FIELD4* date, FIELD4* vehicle);
// A field of vehicle `rec` (trimmed); "" when there is no such vehicle.
std::string vehicle_field(long rec, const char* field);

}  // namespace skolvarin::transport
