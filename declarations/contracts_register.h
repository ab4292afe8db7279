// The contracts register (" Umowy " of the payroll bar) over W3UMOW<rr>.DBF
// of the working year: the contract of mandate or for a specific work with
// its bill, computed by the bill cascade as fields are left.  These helpers
// move a record to and from the bill's plain values and read the contractor
// from the employees register; the prints use them as well.
#pragma once

#include <string>

#include "data/module_state.h"
#include "declarations/contract_bill.h"

namespace skolvarin::declarations {

// The open contracts table of the working year.
data::TableHandles& contracts_table();

// The current record of `t` as a bill, and back.
ContractBill bill_of_record(const data::TableHandles& t);
void put_bill(const ContractBill& b, const data::TableHandles& t);

// The parameters of the working year as the payroll settings hold them.
ContractParameters contract_parameters();

// A contractor of the employees register, by record number.
struct Contractor {
  bool found = false;
  std::string surname, first_name, ktu;
  std::string postcode, city, street;  // street with house and flat
  int office = 0;                      // KOU
  ContractPerson person;
};
Contractor read_contractor(long kod);

}  // namespace skolvarin::declarations
