// Symbol map of a linked program, as harrow-link writes it. In: the map file.
// Out: symbol names with their address space and address, for dumps.
#ifndef VELC_SIM_SYMMAP_H
#define VELC_SIM_SYMMAP_H

#include <cstdint>
#include <map>
#include <string>

struct MapSymbol {
  bool program;      // program memory (true) or data memory
  uint32_t address;
  uint32_t size;     // bytes, 0 when the map does not say
};

// Reads the "Symbols:" table of a map file; false with a message on failure.
bool symmap_read(const char *path, std::map<std::string, MapSymbol> &symbols, std::string &error);
// The same from text in memory.
void symmap_parse(const std::string &text, std::map<std::string, MapSymbol> &symbols);

#endif
