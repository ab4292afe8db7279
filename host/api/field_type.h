// The four field types of a DBF table, by their letter in the file header.
// Shared by the engine and by the module's table layouts.
#pragma once

namespace skolvarin::db {

enum class FieldType : char { Character = 'C', Numeric = 'N', Date = 'D', Logical = 'L' };

}  // namespace skolvarin::db
