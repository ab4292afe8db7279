// The module's resources as the rest of the module and the host see them:
// lookup by id of the built-in bytes, the resource function handed to the
// host at start-up, and the resource-id functions (one per resource id 1 to
// 203, each returning its id) that the module passes wherever the host asks
// for a template.
//
// Invariants: the bytes returned stay valid for the life of the process;
// resource 1 is always present and is a valid message table with the ids 1
// to 290; an id with no resource gives an empty span.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "host/api/screen_api.h"

namespace skolvarin::resources {

// Bytes of built-in resource `id` (empty when there is none).
std::span<const std::uint8_t> module_resource(int id);

// Ids of every built-in resource, ascending.
std::vector<int> module_resource_ids();

// Mazovia text of module message `id` (1..290), or nothing.
std::optional<std::string_view> module_message(int id);

// The function given to EnvAddRcsObj: the bytes of a resource by id.
RcsBytes module_rcs(int resource_id);

// Resource-id functions: resource_id_function(n)() == n for n in 1..203;
// nullptr for any other n.
using ResourceIdFunction = int (*)();
ResourceIdFunction resource_id_function(int id);

}  // namespace skolvarin::resources
