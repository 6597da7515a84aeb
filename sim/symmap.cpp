// Map-file reader. In: the text of a link map. Out: the symbols of its
// "Symbols:" table. A symbol line holds the name, the space ("program" or
// "data"), the address in hexadecimal and optionally the size in bytes;
// other lines (titles, column heads, other tables) are skipped.
#include "sim/symmap.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

static bool s_number(const std::string &t, uint32_t &v) {
  if (t.empty()) return false;
  char *end = nullptr;
  unsigned long x = strtoul(t.c_str(), &end, 0);
  if (*end != '\0') return false;
  v = (uint32_t)x;
  return true;
}

void symmap_parse(const std::string &text, std::map<std::string, MapSymbol> &symbols) {
  std::istringstream in(text);
  std::string line;
  bool in_table = false;
  while (std::getline(in, line)) {
    if (line.rfind("Symbols:", 0) == 0) { in_table = true; continue; }
    if (!line.empty() && line[0] != ' ') in_table = false;
    if (!in_table) continue;
    std::istringstream words(line);
    std::string name, space, addr, size;
    words >> name >> space >> addr >> size;
    MapSymbol s{space == "program", 0, 0};
    if ((space != "program" && space != "data") || !s_number(addr, s.address)) continue;
    s_number(size, s.size);
    symbols[name] = s;
  }
}

bool symmap_read(const char *path, std::map<std::string, MapSymbol> &symbols, std::string &error) {
  std::ifstream f(path);
  if (!f) {
    error = std::string("cannot open '") + path + "'";
    return false;
  }
  std::stringstream ss;
  ss << f.rdbuf();
  symmap_parse(ss.str(), symbols);
  return true;
}
