// Compression for the release files the build makes itself: deflate (RFC 1951) with the fixed
// Huffman codes and greedy LZ77 matching, its zlib framing (RFC 1950) and CRC-32. Enough for the
// PNG image of a 256 px icon and the entries of the release ZIP; the output depends on the input
// alone, never on the machine or the compiler, so two builds give the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

std::vector<uint8_t> Deflate(const uint8_t* data, size_t size);
std::vector<uint8_t> ZlibCompress(const uint8_t* data, size_t size);
// CRC-32 as ZIP and PNG use it; `crc` carries on from an earlier part.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

inline void PutLittle16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
inline void PutLittle32(std::vector<uint8_t>& out, uint32_t value) {
  PutLittle16(out, value & 0xFFFF);
  PutLittle16(out, value >> 16);
}
inline void PutBig32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}
