// Deflate with the fixed Huffman codes: one final block, greedy matches found through hash chains
// over a 32 KB window.
#include "deflate.h"

namespace {

constexpr size_t WINDOW = 32768;
constexpr size_t MIN_MATCH = 3;
constexpr size_t MAX_MATCH = 258;
constexpr int MAX_CHAIN = 128;  // candidates tried per position: a fixed bound keeps the output fixed
constexpr size_t HASH_SIZE = 1 << 15;

constexpr uint16_t LENGTH_BASE[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t LENGTH_EXTRA[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t DISTANCE_BASE[30] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                        33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                        1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t DISTANCE_EXTRA[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                        6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
  // `count` bits of `value`, least significant first (extra bits, block header).
  void Bits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  // A Huffman code: most significant bit first.
  void Code(uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }
  void Flush() {
    if (used_ > 0) out_.push_back(current_);
    current_ = 0;
    used_ = 0;
  }

 private:
  void Bit(uint32_t bit) {
    current_ = static_cast<uint8_t>(current_ | (bit << used_));
    if (++used_ == 8) Flush();
  }
  std::vector<uint8_t>& out_;
  uint8_t current_ = 0;
  int used_ = 0;
};

// Symbols 0-287 of the literal/length alphabet with the fixed codes.
void Symbol(BitWriter& bits, uint32_t symbol) {
  if (symbol < 144) bits.Code(0x30 + symbol, 8);
  else if (symbol < 256) bits.Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) bits.Code(symbol - 256, 7);
  else bits.Code(0xC0 + symbol - 280, 8);
}

void Match(BitWriter& bits, size_t length, size_t distance) {
  int code = 28;
  while (LENGTH_BASE[code] > length) --code;
  Symbol(bits, 257 + static_cast<uint32_t>(code));
  bits.Bits(static_cast<uint32_t>(length - LENGTH_BASE[code]), LENGTH_EXTRA[code]);
  code = 29;
  while (DISTANCE_BASE[code] > distance) --code;
  bits.Code(static_cast<uint32_t>(code), 5);
  bits.Bits(static_cast<uint32_t>(distance - DISTANCE_BASE[code]), DISTANCE_EXTRA[code]);
}

uint32_t Hash(const uint8_t* p) {
  return ((uint32_t{p[0]} << 10) ^ (uint32_t{p[1]} << 5) ^ p[2]) & (HASH_SIZE - 1);
}

}  // namespace

std::vector<uint8_t> Deflate(const uint8_t* data, size_t size) {
  std::vector<uint8_t> out;
  BitWriter bits(out);
  bits.Bits(1, 1);  // final block
  bits.Bits(1, 2);  // fixed Huffman codes
  // head: latest position + 1 with a hash (0: none); previous: the position before it in its chain.
  std::vector<size_t> head(HASH_SIZE, 0), previous(WINDOW, 0);
  auto insert = [&](size_t at) {
    if (at + MIN_MATCH > size) return;
    uint32_t h = Hash(data + at);
    previous[at % WINDOW] = head[h];
    head[h] = at + 1;
  };
  size_t at = 0;
  while (at < size) {
    size_t best_length = 0, best_distance = 0;
    if (at + MIN_MATCH <= size) {
      size_t limit = size - at < MAX_MATCH ? size - at : MAX_MATCH;
      size_t candidate = head[Hash(data + at)];
      for (int tries = 0; candidate != 0 && tries < MAX_CHAIN; ++tries) {
        size_t from = candidate - 1;
        if (at - from > WINDOW - 1) break;
        size_t length = 0;
        while (length < limit && data[from + length] == data[at + length]) ++length;
        if (length > best_length) {
          best_length = length;
          best_distance = at - from;
          if (length == limit) break;
        }
        size_t next = previous[from % WINDOW];
        if (next == 0 || next - 1 >= from) break;  // the chain's older entries were overwritten
        candidate = next;
      }
    }
    if (best_length >= MIN_MATCH) {
      Match(bits, best_length, best_distance);
      for (size_t k = 0; k < best_length; ++k) insert(at + k);
      at += best_length;
    } else {
      Symbol(bits, data[at]);
      insert(at);
      ++at;
    }
  }
  Symbol(bits, 256);  // end of block
  bits.Flush();
  return out;
}

std::vector<uint8_t> ZlibCompress(const uint8_t* data, size_t size) {
  std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32 KB window, no dictionary, fastest level
  std::vector<uint8_t> body = Deflate(data, size);
  out.insert(out.end(), body.begin(), body.end());
  uint32_t a = 1, b = 0;
  for (size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  PutBig32(out, (b << 16) | a);
  return out;
}

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  static const std::vector<uint32_t> table = [] {
    std::vector<uint32_t> t(256);
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}
