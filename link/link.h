// Harrow linker: the link record and its phases. In: relocatable object
// files of the project's object format and a device. Out: a program image
// (program-memory bytes for an Intel HEX file), a map, and the errors found.
// Phases, in order: link_collect (sections and symbols of every object),
// link_place (addresses), link_relocate (patching), link_image (bytes,
// start-up data), then the writers.
#ifndef VELC_LINK_LINK_H
#define VELC_LINK_LINK_H

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "object/coff.h"

// Output section kinds, by where they live and whether they carry bytes.
enum LinkKind : int {
  LK_CODE = 1,     // program memory, instruction words
  LK_IDATA = 2,    // data memory, initial values copied from program memory at start-up
  LK_UDATA = 3,    // data memory, no contents
  LK_ROMDATA = 4,  // program memory, constant bytes
  LK_ACTREC = 5,   // data memory, activation records
};

constexpr uint32_t LINK_CODE_START = 0x20;     // first address after the reset and interrupt vectors
constexpr uint32_t LINK_ACCESS_START = 0x060;  // access RAM left by extended mode
constexpr uint32_t LINK_ACCESS_END = 0x080;
constexpr uint32_t LINK_CONFIG_START = 0x200000;
constexpr uint32_t LINK_CONFIG_END = 0x400000;

// One piece of an output section: an input section of an object.
struct LinkPiece {
  int object;       // index into Linker::objects
  int section;      // index into that object's sections
  uint32_t offset;  // byte offset within the output section
};

struct LinkSection {
  std::string name;
  int kind;                      // LinkKind
  bool absolute;                 // placed at the address the object gave
  bool access;                   // access RAM 0x060..0x07F
  bool generated;                // made by the linker (stack, start-up, tables)
  uint32_t address;              // final address (program or data space)
  uint32_t size;                 // bytes
  std::vector<uint8_t> bytes;    // contents of code, romdata and idata sections
  std::vector<LinkPiece> pieces;
  uint32_t rom_copy;             // idata: address of the copy in program memory
  std::string origin;            // object that contributed first, for messages
  bool in_program() const { return kind == LK_CODE || kind == LK_ROMDATA; }
};

// Where a global symbol is defined.
struct LinkDefinition {
  int object;        // -1 for a symbol the linker provides
  uint32_t index;    // symbol-table slot in that object
  bool program;      // linker-provided: program space
  uint32_t address;  // linker-provided: address
};

struct LinkObject {
  std::string path;
  coff_file *coff;
  std::vector<int> out_section;  // per input section: output section, -1 when dropped
  std::vector<uint32_t> offset;  // per input section: offset inside the output section
};

struct LinkOptions {
  int device;              // processor id
  uint32_t stack_size;     // bytes reserved for _stack when no object defines it
  bool startup;            // generate start-up code at the reset vector
  std::map<std::string, uint32_t> symbols{};  // data addresses given on the command line (--symbols)
};

struct Linker {
  LinkOptions opt;
  std::vector<LinkObject> objects;
  std::vector<LinkSection> sections;
  std::map<std::string, LinkDefinition> globals;
  std::vector<std::string> errors;
  std::set<std::string> error_seen;     // the same message is reported once
  uint32_t program_size;                 // bytes of program memory of the device
  uint32_t data_end;                     // first data address past general-purpose RAM
  int idata_table;                       // output section of the initialisation table, -1 when none
  int startup_section;                   // output section of generated start-up code, -1 when none
  std::map<uint32_t, uint8_t> image;     // program and configuration bytes
};

// Prepares an empty link for a device (processor id).
void link_init(Linker &l, const LinkOptions &opt);
// Reads an object file and adds it; false (with an error) when unreadable.
bool link_add_object(Linker &l, const char *path);
// Whether the file begins like an archive ("!<arch>").
bool link_is_archive(const char *path);
// Reads a library and adds the members that define names the objects added
// so far use and nobody defines, searching it again until nothing more is
// added; false (with an error) when the archive is unreadable or damaged.
bool link_add_archive(Linker &l, const char *path);
// Adds an object record already in memory (the linker takes ownership).
void link_add_coff(Linker &l, const char *name, coff_file *coff);
// Gathers sections into output sections and collects global definitions.
void link_collect(Linker &l);
// Adds the linker's own sections: stack, result area, idata copies, table, start-up.
void link_generate(Linker &l);
// Gives every output section its address; reports overlaps and lack of room.
void link_place(Linker &l);
// Applies every relocation; reports undefined symbols and out-of-range values.
void link_relocate(Linker &l);
// Builds the program image (code, constants, idata copies, tables).
void link_image(Linker &l);
// Runs all phases in order; true when no error was found.
bool link_run(Linker &l);
// Frees the object records.
void link_free(Linker &l);

// Address of a global symbol, or of a special register; false when undefined.
bool link_lookup(const Linker &l, const std::string &name, uint32_t &address, bool &program);
// Address of symbol slot `index` of object `object`; false when undefined (no error posted).
bool link_symbol_address(const Linker &l, int object, uint32_t index, uint32_t &address, std::string &name);
// Address of a special function register by name (a core register or, through
// link_peripheral_address, a peripheral one); false when the name is none.
bool link_sfr_address(const std::string &name, uint32_t &address);
// Address of a peripheral register or its NAMEbits view
// (device/peripheral_registers.def); false when the name is none.
bool link_peripheral_address(const std::string &name, uint32_t &address);
// Output section by name, -1 when none.
int link_find_section(const Linker &l, const std::string &name);
// Records an error message (without the program-name prefix).
void link_error(Linker &l, const std::string &message);
// Name of a symbol slot of an object.
std::string link_symbol_name(const LinkObject &o, uint32_t index);
// The text of the map file.
std::string link_map_text(const Linker &l, const std::string &output);

#endif
