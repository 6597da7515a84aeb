// Small file helpers shared by the object-format tests.
#ifndef VELC_TESTS_OBJECT_OBJECT_TEST_UTIL_H
#define VELC_TESTS_OBJECT_OBJECT_TEST_UTIL_H

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

// A path in the test temporary folder, unique to this process and name.
inline std::string test_path(const std::string &name) {
  const char *dir = getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/velc_object_" + std::to_string(getpid()) + "_" + name;
}

inline std::vector<uint8_t> read_bytes(const std::string &path) {
  std::vector<uint8_t> bytes;
  FILE *fp = fopen(path.c_str(), "rb");
  if (!fp) return bytes;
  int c;
  while ((c = fgetc(fp)) != EOF) bytes.push_back(uint8_t(c));
  fclose(fp);
  return bytes;
}

inline void write_bytes(const std::string &path, const std::vector<uint8_t> &bytes) {
  FILE *fp = fopen(path.c_str(), "wb");
  if (!fp) return;
  if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), fp);
  fclose(fp);
}

inline uint32_t le32(const std::vector<uint8_t> &b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

inline uint16_t le16(const std::vector<uint8_t> &b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

inline void put32(std::vector<uint8_t> &b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) b[at + i] = uint8_t(v >> (8 * i));
}

inline void put16(std::vector<uint8_t> &b, size_t at, uint16_t v) {
  b[at] = uint8_t(v);
  b[at + 1] = uint8_t(v >> 8);
}

#endif
