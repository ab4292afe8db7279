#include "resources/module_resources.h"

#include <array>
#include <utility>

#include "resources/built_in.h"
#include "resources/resource_format.h"

namespace skolvarin::resources {

namespace {

template <int N>
int resource_id() {
  return N;
}

template <int... N>
constexpr std::array<ResourceIdFunction, sizeof...(N)> make_id_functions(
    std::integer_sequence<int, N...>) {
  return {&resource_id<N>...};
}

// Index 0 is unused; index n returns n.
constexpr auto kIdFunctions =
    make_id_functions(std::make_integer_sequence<int, kLastResourceId + 1>{});

}  // namespace

std::span<const std::uint8_t> module_resource(int id) {
  for (std::size_t i = 0; i < built_in::kBlobCount; ++i)
    if (built_in::kBlobs[i].id == id) return {built_in::kBlobs[i].data, built_in::kBlobs[i].size};
  return {};
}

std::vector<int> module_resource_ids() {
  std::vector<int> ids;
  for (std::size_t i = 0; i < built_in::kBlobCount; ++i) ids.push_back(built_in::kBlobs[i].id);
  return ids;
}

std::optional<std::string_view> module_message(int id) {
  return find_message(module_resource(kMessageTableId), id);
}

RcsBytes module_rcs(int resource_id) {
  auto bytes = module_resource(resource_id);
  return RcsBytes{bytes.data(), bytes.size()};
}

ResourceIdFunction resource_id_function(int id) {
  if (id < 1 || id > kLastResourceId) return nullptr;
  return kIdFunctions[static_cast<std::size_t>(id)];
}

}  // namespace skolvarin::resources
