// A data image over bytes that a test or a benchmark owns, as the programs hold theirs over static
// storage: no file behind it, not dirty.
#pragma once

#include <cstdint>
#include <vector>

#include "formats/data_image.h"

inline DataFileImage ImageOver(std::vector<uint8_t>& bytes) {
  DataFileImage image{};
  image.length = static_cast<int32_t>(bytes.size());
  image.data = bytes.data();
  return image;
}
