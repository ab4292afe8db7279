// The resources built into the module: byte arrays generated at build time
// from resources/messages.txt and resources/templates/*.txt (see
// tools/resgen.cpp).  Sorted by id; every id appears once.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skolvarin::resources::built_in {

struct Blob {
  int id;
  const std::uint8_t* data;
  std::size_t size;
};

extern const Blob kBlobs[];
extern const std::size_t kBlobCount;

}  // namespace skolvarin::resources::built_in
