// Writes the synthetic sample data files into a folder:
//   make_sample_data OUTDIR  ->  OUTDIR/SAMPLE1.sav, OUTDIR/SAMPLE2.sav, OUTDIR/D_SCE.S8, and
//   OUTDIR/LONGRUN.sav, whose roster runs on to officer 1097
#include <cstdio>
#include <string>
#include <vector>

#include "sample_data.h"

static bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  std::string dir = argv[1];
  bool ok = WriteFile(dir + "/SAMPLE1.sav", MakeSampleSave(1)) &&
            WriteFile(dir + "/SAMPLE2.sav", MakeSampleSave(2)) &&
            WriteFile(dir + "/LONGRUN.sav", MakeLongRunSave(1)) &&
            WriteFile(dir + "/D_SCE.S8", MakeSampleScenario(1));
  if (!ok) {
    std::fprintf(stderr, "cannot write the sample files into %s\n", dir.c_str());
    return 1;
  }
  std::printf("sample data written to %s\n", dir.c_str());
  return 0;
}
