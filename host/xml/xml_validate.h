// Checking a written XML file against an XML Schema (the official schemas
// of the ZUS and tax-office formats), through libxml2.
#pragma once

#include <string>

namespace skolvarin::xml {

// True when `xml_path` is well formed and valid against `xsd_path`; else
// false with the first problems (line numbers included) in `error`.
bool validate_against_schema(const std::string& xml_path, const std::string& xsd_path,
                             std::string& error);

}  // namespace skolvarin::xml
