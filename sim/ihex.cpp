// Intel HEX reader and writer. In: HEX text or an image map. Out: data bytes
// at addresses, or HEX text. Record types 00 (data), 01 (end of file), 02
// (extended segment address) and 04 (extended linear address) are used;
// start-address records (03, 05) are accepted and ignored.
#include "sim/ihex.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

static int s_hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

static std::string s_where(const char *name, int line, const char *what) {
  char buf[64];
  snprintf(buf, sizeof buf, ":%d: ", line);
  return std::string(name) + buf + what;
}

// Decodes the bytes of one record line (after the colon); false when malformed.
static bool s_record_bytes(const std::string &line, std::vector<uint8_t> &bytes) {
  size_t n = line.size();
  while (n > 1 && (line[n - 1] == '\r' || line[n - 1] == ' ' || line[n - 1] == '\t')) --n;
  if (n < 11 || (n - 1) % 2 != 0) return false;
  for (size_t i = 1; i < n; i += 2) {
    int hi = s_hex_digit(line[i]), lo = s_hex_digit(line[i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes.push_back((uint8_t)(hi << 4 | lo));
  }
  return true;
}

struct HexState {
  uint32_t base = 0;
  bool ended = false;
};

// Applies one checked record; a message on error.
static const char *s_apply(HexState &st, const std::vector<uint8_t> &b, const IhexSink &sink) {
  unsigned count = b[0], type = b[3];
  uint32_t offset = (uint32_t)b[1] << 8 | b[2];
  switch (type) {
  case 0: sink(st.base + offset, b.data() + 4, count); return nullptr;
  case 1: st.ended = true; return nullptr;
  case 2:
    if (count != 2) return "malformed extended segment address record";
    st.base = ((uint32_t)b[4] << 8 | b[5]) << 4;
    return nullptr;
  case 4:
    if (count != 2) return "malformed extended linear address record";
    st.base = ((uint32_t)b[4] << 8 | b[5]) << 16;
    return nullptr;
  case 3: case 5: return nullptr;
  default: return "unknown record type";
  }
}

bool ihex_parse(const std::string &text, const char *name, const IhexSink &sink, std::string &error) {
  std::istringstream in(text);
  std::string line;
  HexState st;
  int lineno = 0;
  while (std::getline(in, line)) {
    ++lineno;
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (st.ended) break;
    std::vector<uint8_t> b;
    if (line[0] != ':' || !s_record_bytes(line, b) || b.size() != (size_t)b[0] + 5) {
      error = s_where(name, lineno, "malformed record");
      return false;
    }
    uint8_t sum = 0;
    for (uint8_t x : b) sum = (uint8_t)(sum + x);
    if (sum != 0) {
      error = s_where(name, lineno, "checksum mismatch");
      return false;
    }
    if (const char *msg = s_apply(st, b, sink)) {
      error = s_where(name, lineno, msg);
      return false;
    }
  }
  if (!st.ended) {
    error = std::string(name) + ": missing end-of-file record";
    return false;
  }
  return true;
}

bool ihex_read(const char *path, const IhexSink &sink, std::string &error) {
  std::ifstream f(path, std::ios::binary);
  if (!f) {
    error = std::string("cannot open '") + path + "'";
    return false;
  }
  std::stringstream ss;
  ss << f.rdbuf();
  return ihex_parse(ss.str(), path, sink, error);
}

static void s_record(std::string &out, unsigned type, uint32_t offset, const uint8_t *data, size_t n) {
  char buf[16];
  uint8_t sum = (uint8_t)(n + (offset >> 8) + offset + type);
  snprintf(buf, sizeof buf, ":%02X%04X%02X", (unsigned)n, (unsigned)(offset & 0xFFFF), type);
  out += buf;
  for (size_t i = 0; i < n; ++i) {
    snprintf(buf, sizeof buf, "%02X", data[i]);
    out += buf;
    sum = (uint8_t)(sum + data[i]);
  }
  snprintf(buf, sizeof buf, "%02X\n", (uint8_t)(0x100 - sum) & 0xFF);
  out += buf;
}

std::string ihex_format(const std::map<uint32_t, uint8_t> &bytes) {
  std::string out;
  uint32_t upper = 0;
  auto it = bytes.begin();
  while (it != bytes.end()) {
    uint32_t start = it->first;
    if ((start >> 16) != upper) {
      upper = start >> 16;
      uint8_t ext[2] = {(uint8_t)(upper >> 8), (uint8_t)upper};
      s_record(out, 4, 0, ext, 2);
    }
    // A run of up to 16 consecutive bytes within one 64 KiB window.
    uint8_t data[16];
    size_t n = 0;
    while (it != bytes.end() && n < 16 && it->first == start + n && (it->first >> 16) == upper) {
      data[n++] = it->second;
      ++it;
    }
    s_record(out, 0, start, data, n);
  }
  s_record(out, 1, 0, nullptr, 0);
  return out;
}

bool ihex_write(const char *path, const std::map<uint32_t, uint8_t> &bytes, std::string &error) {
  FILE *f = fopen(path, "wb");
  std::string text = ihex_format(bytes);
  if (!f || fwrite(text.data(), 1, text.size(), f) != text.size()) {
    if (f) fclose(f);
    error = std::string("cannot write '") + path + "'";
    return false;
  }
  if (fclose(f) != 0) {
    error = std::string("cannot write '") + path + "'";
    return false;
  }
  return true;
}
