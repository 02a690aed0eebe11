// Writes a ZIP of a folder's contents the same way every time: entries sorted by path, every
// entry dated by one given time (SOURCE_DATE_EPOCH), no owner, permission or extra fields.
// Usage: make_zip OUT.zip EPOCH FOLDER
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "deflate.h"

namespace fs = std::filesystem;

namespace {

struct Entry {
  std::string name;  // '/' separated; folders end with '/'
  fs::path source;
};

// MS-DOS date and time (two-second steps, years from 1980) of a Unix time, in UTC.
void DosTime(int64_t epoch, uint16_t& date, uint16_t& time) {
  int64_t days = epoch / 86400, seconds = epoch % 86400;
  // Civil date from a day count (days since 1970-01-01), after Howard Hinnant's algorithm.
  days += 719468;
  int64_t era = days / 146097, doe = days - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100), mp = (5 * doy + 2) / 153;
  int64_t day = doy - (153 * mp + 2) / 5 + 1, month = mp < 10 ? mp + 3 : mp - 9;
  int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  year = std::clamp<int64_t>(year, 1980, 2107);
  date = static_cast<uint16_t>(((year - 1980) << 9) | (month << 5) | day);
  time = static_cast<uint16_t>(((seconds / 3600) << 11) | ((seconds / 60 % 60) << 5) | (seconds % 60 / 2));
}

void PutName(std::vector<uint8_t>& out, const std::string& name) { out.insert(out.end(), name.begin(), name.end()); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_zip OUT.zip EPOCH FOLDER\n");
    return 2;
  }
  const fs::path root = argv[3];
  uint16_t date = 0, time = 0;
  DosTime(std::strtoll(argv[2], nullptr, 10), date, time);

  std::vector<Entry> entries;
  for (const auto& item : fs::recursive_directory_iterator(root)) {
    std::string name = fs::relative(item.path(), root).generic_string();
    if (item.is_directory()) name += '/';
    entries.push_back({name, item.path()});
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });

  std::vector<uint8_t> zip, directory;
  for (const Entry& entry : entries) {
    std::vector<uint8_t> data;
    bool folder = entry.name.back() == '/';
    if (!folder) {
      std::ifstream in(entry.source, std::ios::binary);
      data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "make_zip: cannot read %s\n", entry.source.string().c_str());
        return 1;
      }
    }
    uint32_t crc = Crc32(data.data(), data.size());
    std::vector<uint8_t> packed = Deflate(data.data(), data.size());
    uint16_t method = 8;
    if (folder || packed.size() >= data.size()) {
      packed = data;
      method = 0;
    }
    uint32_t offset = static_cast<uint32_t>(zip.size());
    // Local header and central directory record share their middle part.
    auto common = [&](std::vector<uint8_t>& out) {
      PutLittle16(out, method == 8 ? 20 : 10);  // version needed to extract
      PutLittle16(out, 0);                       // flags
      PutLittle16(out, method);
      PutLittle16(out, time);
      PutLittle16(out, date);
      PutLittle32(out, crc);
      PutLittle32(out, static_cast<uint32_t>(packed.size()));
      PutLittle32(out, static_cast<uint32_t>(data.size()));
      PutLittle16(out, static_cast<uint32_t>(entry.name.size()));
      PutLittle16(out, 0);  // no extra field
    };
    PutLittle32(zip, 0x04034B50);
    common(zip);
    PutName(zip, entry.name);
    zip.insert(zip.end(), packed.begin(), packed.end());

    PutLittle32(directory, 0x02014B50);
    PutLittle16(directory, 20);  // made by: MS-DOS attributes, version 2.0
    common(directory);
    PutLittle16(directory, 0);  // no comment
    PutLittle16(directory, 0);  // disk
    PutLittle16(directory, 0);  // internal attributes
    PutLittle32(directory, folder ? 0x10 : 0x20);  // FILE_ATTRIBUTE_DIRECTORY or _ARCHIVE
    PutLittle32(directory, offset);
    PutName(directory, entry.name);
  }
  uint32_t directory_at = static_cast<uint32_t>(zip.size());
  zip.insert(zip.end(), directory.begin(), directory.end());
  PutLittle32(zip, 0x06054B50);
  PutLittle16(zip, 0);
  PutLittle16(zip, 0);
  PutLittle16(zip, static_cast<uint32_t>(entries.size()));
  PutLittle16(zip, static_cast<uint32_t>(entries.size()));
  PutLittle32(zip, static_cast<uint32_t>(directory.size()));
  PutLittle32(zip, directory_at);
  PutLittle16(zip, 0);  // no comment

  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(zip.data()), static_cast<std::streamsize>(zip.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_zip: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
