// Helpers shared by the fuzz targets: a private scratch folder in memory
// (/dev/shm, else the temporary folder), whole-file writes, and the split of
// one fuzz input into several files at a separator line.
#ifndef VELC_FUZZ_COMMON_H
#define VELC_FUZZ_COMMON_H

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// A folder of this process's own, made once; ends without a separator.
inline const std::string &fuzz_scratch_dir() {
  static const std::string dir = [] {
    const char *base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string d = std::string(base) + "/velc_fuzz_" + std::to_string(getpid());
    std::string cmd = "mkdir -p '" + d + "/sys'";
    if (system(cmd.c_str()) != 0)
      abort();
    return d;
  }();
  return dir;
}

inline void fuzz_write_file(const std::string &path, std::string_view bytes) {
  FILE *fp = fopen(path.c_str(), "wb");
  if (!fp)
    abort();
  if (!bytes.empty())
    fwrite(bytes.data(), 1, bytes.size(), fp);
  fclose(fp);
}

// Cuts the input at each occurrence of sep into at most `parts` pieces (the
// last piece keeps any further separators); missing pieces are empty.
inline std::vector<std::string_view> fuzz_split(const uint8_t *data, size_t size, std::string_view sep,
                                                size_t parts) {
  std::string_view rest(reinterpret_cast<const char *>(data), size);
  std::vector<std::string_view> out;
  while (out.size() + 1 < parts) {
    size_t at = rest.find(sep);
    if (at == std::string_view::npos)
      break;
    out.push_back(rest.substr(0, at));
    rest.remove_prefix(at + sep.size());
  }
  out.push_back(rest);
  out.resize(parts);
  return out;
}

#endif
