// Draws the icon of one program and writes it as a Windows .ico with 16, 32 and 48 px images
// (32-bit BMP with a mask) and a 256 px image (PNG). Usage: make_icon quillmere|varnholt OUT.ico
//
// Both designs are flat shapes on a rounded square, described in a 256 x 256 design space and
// sampled on an integer grid (N x N samples a pixel), so every build draws the same pixels.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "deflate.h"

namespace {

struct Color {
  uint8_t r, g, b;
};

// A point in design units times `scale` (the grid of one size's samples).
struct Point {
  int64_t x, y, scale;
};

bool InRoundedSquare(Point p, int64_t from, int64_t to, int64_t radius) {
  int64_t lo = (from + radius) * p.scale, hi = (to - radius) * p.scale, r = radius * p.scale;
  if (p.x < from * p.scale || p.x > to * p.scale || p.y < from * p.scale || p.y > to * p.scale) return false;
  int64_t dx = p.x < lo ? lo - p.x : (p.x > hi ? p.x - hi : 0);
  int64_t dy = p.y < lo ? lo - p.y : (p.y > hi ? p.y - hi : 0);
  return dx * dx + dy * dy <= r * r;
}

bool InCircle(Point p, int64_t cx, int64_t cy, int64_t radius) {
  int64_t dx = p.x - cx * p.scale, dy = p.y - cy * p.scale, r = radius * p.scale;
  return dx * dx + dy * dy <= r * r;
}

// |dx| / half_width + |dy| / half_height <= 1
bool InRhombus(Point p, int64_t cx, int64_t cy, int64_t half_width, int64_t half_height) {
  int64_t dx = std::llabs(p.x - cx * p.scale), dy = std::llabs(p.y - cy * p.scale);
  return dx * half_height + dy * half_width <= half_width * half_height * p.scale;
}

// The color at a sample, or false where the icon is transparent.
using Design = bool (*)(Point, Color&);

// Quillmere, the officer editor: a figure (head and shoulders) on deep blue.
bool Officer(Point p, Color& color) {
  if (!InRoundedSquare(p, 8, 248, 44)) return false;
  color = {0x1B, 0x2A, 0x4A};
  if (!InRoundedSquare(p, 20, 236, 34)) return true;
  color = {0x2F, 0x55, 0x96};
  bool head = InCircle(p, 128, 94, 42);
  bool shoulders = InCircle(p, 128, 236, 86) && p.y <= 220 * p.scale;
  bool collar = InCircle(p, 128, 148, 22);
  if (collar && !head) color = {0x2F, 0x55, 0x96};
  else if (head || shoulders) color = {0xF4, 0xEF, 0xE0};
  return true;
}

// Varnholt, the item editor: a cut gem on deep red.
bool Item(Point p, Color& color) {
  if (!InRoundedSquare(p, 8, 248, 44)) return false;
  color = {0x4E, 0x12, 0x12};
  if (!InRoundedSquare(p, 20, 236, 34)) return true;
  color = {0x9A, 0x2B, 0x1F};
  if (InRhombus(p, 128, 128, 74, 100)) {
    bool left = p.x < 128 * p.scale, upper = p.y < 128 * p.scale;
    color = left == upper ? Color{0xF8, 0xD8, 0x6A} : Color{0xD9, 0xA4, 0x1E};
  }
  return true;
}

// Straight (not premultiplied) RGBA, top row first.
std::vector<uint8_t> Render(Design design, int size) {
  const int64_t n = size >= 128 ? 4 : 8;           // samples per pixel edge
  const int64_t scale = 2 * size * n / 256;        // design unit -> sample grid units (integral)
  std::vector<uint8_t> pixels(static_cast<size_t>(size) * size * 4);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int64_t r = 0, g = 0, b = 0, covered = 0;
      for (int64_t j = 0; j < n; ++j) {
        for (int64_t i = 0; i < n; ++i) {
          Color c{};
          Point p{(x * n + i) * 2 + 1, (y * n + j) * 2 + 1, scale};
          if (!design(p, c)) continue;
          r += c.r;
          g += c.g;
          b += c.b;
          ++covered;
        }
      }
      uint8_t* out = &pixels[(static_cast<size_t>(y) * size + x) * 4];
      if (covered > 0) {
        out[0] = static_cast<uint8_t>((r + covered / 2) / covered);
        out[1] = static_cast<uint8_t>((g + covered / 2) / covered);
        out[2] = static_cast<uint8_t>((b + covered / 2) / covered);
      }
      out[3] = static_cast<uint8_t>((covered * 255 + n * n / 2) / (n * n));
    }
  }
  return pixels;
}

void Chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& body) {
  PutBig32(png, static_cast<uint32_t>(body.size()));
  size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), body.begin(), body.end());
  PutBig32(png, Crc32(&png[start], png.size() - start));
}

std::vector<uint8_t> Png(const std::vector<uint8_t>& rgba, int size) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBig32(header, static_cast<uint32_t>(size));
  PutBig32(header, static_cast<uint32_t>(size));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace
  Chunk(png, "IHDR", header);
  std::vector<uint8_t> rows;
  for (int y = 0; y < size; ++y) {
    rows.push_back(0);  // filter: none
    auto row = rgba.begin() + static_cast<ptrdiff_t>(y) * size * 4;
    rows.insert(rows.end(), row, row + size * 4);
  }
  Chunk(png, "IDAT", ZlibCompress(rows.data(), rows.size()));
  Chunk(png, "IEND", {});
  return png;
}

// An icon image as Windows stores it: BITMAPINFOHEADER (height doubled for the mask), BGRA rows
// bottom-up, then the 1-bit mask (set where transparent), rows padded to 32 bits.
std::vector<uint8_t> Dib(const std::vector<uint8_t>& rgba, int size) {
  std::vector<uint8_t> dib;
  const uint32_t mask_row = static_cast<uint32_t>((size + 31) / 32 * 4);
  PutLittle32(dib, 40);
  PutLittle32(dib, static_cast<uint32_t>(size));
  PutLittle32(dib, static_cast<uint32_t>(size * 2));
  PutLittle16(dib, 1);   // planes
  PutLittle16(dib, 32);  // bits per pixel
  PutLittle32(dib, 0);   // BI_RGB
  PutLittle32(dib, static_cast<uint32_t>(size * size * 4) + mask_row * static_cast<uint32_t>(size));
  for (int i = 0; i < 4; ++i) PutLittle32(dib, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const uint8_t* p = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      dib.insert(dib.end(), {p[2], p[1], p[0], p[3]});
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(mask_row, 0);
    for (int x = 0; x < size; ++x) {
      if (rgba[(static_cast<size_t>(y) * size + x) * 4 + 3] == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
    dib.insert(dib.end(), row.begin(), row.end());
  }
  return dib;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "quillmere") != 0 && std::strcmp(argv[1], "varnholt") != 0)) {
    std::fprintf(stderr, "usage: make_icon quillmere|varnholt OUT.ico\n");
    return 2;
  }
  Design design = std::strcmp(argv[1], "quillmere") == 0 ? Officer : Item;
  const int sizes[] = {16, 32, 48, 256};
  std::vector<std::vector<uint8_t>> images;
  for (int size : sizes) {
    std::vector<uint8_t> rgba = Render(design, size);
    images.push_back(size == 256 ? Png(rgba, size) : Dib(rgba, size));
  }
  std::vector<uint8_t> ico;
  PutLittle16(ico, 0);
  PutLittle16(ico, 1);  // icon
  PutLittle16(ico, static_cast<uint32_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    ico.push_back(static_cast<uint8_t>(sizes[i] == 256 ? 0 : sizes[i]));  // 0 means 256
    ico.push_back(static_cast<uint8_t>(sizes[i] == 256 ? 0 : sizes[i]));
    ico.push_back(0);  // no palette
    ico.push_back(0);
    PutLittle16(ico, 1);
    PutLittle16(ico, 32);
    PutLittle32(ico, static_cast<uint32_t>(images[i].size()));
    PutLittle32(ico, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) ico.insert(ico.end(), image.begin(), image.end());

  FILE* out = std::fopen(argv[2], "wb");
  if (out == nullptr || std::fwrite(ico.data(), 1, ico.size(), out) != ico.size() || std::fclose(out) != 0) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
