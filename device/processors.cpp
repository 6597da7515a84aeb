// Processor database queries. In: a device id (or a name, a type code, a data
// address); out: the fields of that device's row in processors.def together
// with the facts of its family. The table is constant; every query is a pure
// lookup, and an id outside 1..PROC_COUNT is an internal error.
#include "device/processors.h"

#include <bit>
#include <cctype>
#include <iterator>

#include "driver/diag.h"

namespace {

struct family_record {
  int code;          // instruction-set code 1..4
  int devices;       // rows of this family in the table
  int rom_width;     // bits per program location
  long page_size;    // program locations per page
  long max_rom;      // highest program address
  int bank_size;     // data locations per bank
  long max_ram;      // highest data address
};

struct proc_record {
  int id;
  const char *name;
  uint16_t type_code;
  int inst_set;      // family code, index + 1 into s_families
  int pages;
  long program;      // program locations
  int banks;
  int data;          // usable data locations
  bool ext;          // extended instruction set
  int sfr_last;      // last special-register offset in a bank (not used on Harrow)
};

enum FamilyName {
#define PROC_FAMILY(code, NAME, display, devices, rw, ps, mr, bs, mram) NAME = code,
#include "device/processors.def"
};

constexpr family_record s_families[] = {
#define PROC_FAMILY(code, NAME, display, devices, rw, ps, mr, bs, mram) {code, devices, rw, ps, mr, bs, mram},
#include "device/processors.def"
};

constexpr proc_record s_procs[] = {
#define PROC(id, name, type, fam, pages, program, banks, data, ext, sfr) \
  {id, name, type, fam, pages, program, banks, data, ext != 0, sfr},
#include "device/processors.def"
};

}  // namespace

// ---- Build-time checks of the table ----------------------------------------

static_assert(std::size(s_families) == 4, "four instruction-set families");
static_assert(std::size(s_procs) == PROC_COUNT, "device count");

static constexpr bool s_ids_dense() {
  for (int i = 0; i < PROC_COUNT; ++i)
    if (s_procs[i].id != i + 1) return false;
  for (int f = 0; f < 4; ++f)
    if (s_families[f].code != f + 1) return false;
  return true;
}
static_assert(s_ids_dense(), "ids and family codes must run without gaps");

static constexpr int s_count_family(int code) {
  int n = 0;
  for (const proc_record &p : s_procs) n += p.inst_set == code;
  return n;
}
static constexpr bool s_family_counts_match() {
  for (const family_record &f : s_families)
    if (s_count_family(f.code) != f.devices) return false;
  return true;
}
static_assert(s_family_counts_match(), "rows per family must match the family table");
static_assert(s_count_family(INSTSET_HARROW) == 131 && s_count_family(INSTSET_FLINT) == 129 &&
              s_count_family(INSTSET_GARNET) == 11 && s_count_family(INSTSET_EMBER) == 50);

static constexpr int s_count_extended(bool harrow_only) {
  int n = 0;
  for (const proc_record &p : s_procs)
    n += p.ext && (!harrow_only || p.inst_set == INSTSET_HARROW);
  return n;
}
static_assert(s_count_extended(false) == 85 && s_count_extended(true) == 85,
              "85 extended-mode devices, all of them Harrow");

static constexpr bool s_type_codes_unique() {
  for (int i = 0; i < PROC_COUNT; ++i)
    for (int j = i + 1; j < PROC_COUNT; ++j)
      if (s_procs[i].type_code == s_procs[j].type_code) return false;
  return true;
}
static_assert(s_type_codes_unique(), "processor type codes must be unique");

static constexpr bool s_generic_row_ok() {
  const proc_record &g = s_procs[PROC_GENERIC_ID - 1];
  return g.inst_set == INSTSET_HARROW && g.ext && g.program == 65536 && g.banks == 16 &&
         g.data == 3968;
}
static_assert(s_generic_row_ok(), "generic description: extended Harrow, 64 KB, 16 banks, 3968 bytes");

// ---- Row access ------------------------------------------------------------

static const proc_record &s_proc(int id) {
  VELC_ASSERT(id >= 1 && id <= PROC_COUNT);
  return s_procs[id - 1];
}

static const family_record &s_family(int id) { return s_families[s_proc(id).inst_set - 1]; }

int getInstSet(int id) { return s_proc(id).inst_set; }
const char *getDvsProcName(int id) { return s_proc(id).name; }
uint16_t getDvsProcType(int id) { return s_proc(id).type_code; }
int getRomWidth(int id) { return s_family(id).rom_width; }
// Every family has byte-wide data memory.
int getRamWidth(int id) {
  s_proc(id);
  return 8;
}
bool supports_extended_mode(int id) { return s_proc(id).ext; }
int getNumberOfPages(int id) { return s_proc(id).pages; }
long getProgramLocations(int id) { return s_proc(id).program; }
long getLocationsPerPage(int id) { return s_family(id).page_size; }
int getNumberOfBanks(int id) { return s_proc(id).banks; }
int getDataLocations(int id) { return s_proc(id).data; }
int getLocationsPerBank(int id) { return s_family(id).bank_size; }
long getMaxROMAddr(int id) { return s_family(id).max_rom; }
long getMaxRAMAddr(int id) { return s_family(id).max_ram; }

// ---- Lookups by name and type code -------------------------------------------

// Device names are compared ignoring case: "hr4410k" names HR4410K.
static bool s_same_name(const char *a, const char *b) {
  for (; *a && *b; ++a, ++b)
    if (std::toupper(static_cast<unsigned char>(*a)) != std::toupper(static_cast<unsigned char>(*b)))
      return false;
  return *a == *b;
}

int convertDvsProcName(const char *name, int *id_out) {
  if (name == nullptr) return 0;
  for (const proc_record &p : s_procs) {
    if (s_same_name(name, p.name)) {
      if (id_out != nullptr) *id_out = p.id;
      return 1;
    }
  }
  return 0;
}

int convertDvsProcType(uint16_t code) {
  for (const proc_record &p : s_procs)
    if (p.type_code == code) return p.id;
  return 0;
}

// The assembler, linker and this compiler of the tool chain target the Harrow
// family; parts of the other families are known only so that their names and
// codes are recognised.
bool isDvsProcTypeSupported(uint16_t code) {
  int id = convertDvsProcType(code);
  return id != 0 && s_proc(id).inst_set == INSTSET_HARROW;
}

// ---- Data addresses ------------------------------------------------------------

// Bank sizes are powers of two, so the bank is a shift and the offset a mask.
uint16_t getDataBankNumber(int id, uint32_t address) {
  unsigned shift = std::countr_zero(static_cast<unsigned>(s_family(id).bank_size));
  return static_cast<uint16_t>(address >> shift);
}

uint16_t getDataBankOffset(int id, uint32_t address) {
  return static_cast<uint16_t>(address & static_cast<uint32_t>(s_family(id).bank_size - 1));
}

// Harrow special registers live in their own region reached through the access
// bank, so every banked address is general purpose; the other cores put their
// special registers at the bottom of every bank.
bool isGpr(int id, uint32_t address) {
  const proc_record &p = s_proc(id);
  if (p.inst_set == INSTSET_HARROW) return true;
  return getDataBankOffset(id, address) > static_cast<uint32_t>(p.sfr_last);
}
