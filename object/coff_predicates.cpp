// Predicates and small formatters of the object format: symbol, file-header
// and section-header tests, the auxiliary-entry kind of a symbol, section
// flags from a section kind, relocation-type names and hexPrint. In: single
// records. Out: booleans, kinds, flag words and text.
#include <cstring>

#include "object/coff.h"

// Every member of the numbered sets keeps its fixed number; the shared
// relocation enum and the name table below must agree row for row.
#define COFF_RELOC(name, value) static_assert(name == value, #name);
#include "object/coff_codes.def"
static_assert(F_HARROW == 0x4000 && F_GENERIC == 0x8000);
static_assert(STYP_ACTREC == 0x10000 && T_USLONG == 18 && DT_FARROMPTR == 5);
static_assert(C_SECTION == 109 && AUX_FIELD == 11);

namespace {
struct s_reloc_row {
  unsigned value;
  const char *name;
};
constexpr s_reloc_row s_reloc_names[] = {
#define COFF_RELOC(name, value) {value, #name},
#include "object/coff_codes.def"
};
constexpr size_t s_reloc_count = sizeof s_reloc_names / sizeof s_reloc_names[0];
static_assert(s_reloc_count == 22, "relocation types of the format");
}  // namespace

const char *coff_reloc_name(unsigned type) {
  for (const s_reloc_row &row : s_reloc_names)
    if (row.value == type) return row.name;
  return nullptr;
}

unsigned coff_derivation(uint32_t type, int n) {
  if (n < 0 || n >= N_DERIV_MAX) return DT_NON;
  return (type >> (N_TBSHFT + N_TSHIFT * n)) & 7u;
}

bool coff_is_array(const coff_syment *sym) {
  for (int n = 0; n < N_DERIV_MAX; n++)
    if (coff_derivation(sym->n_type, n) == DT_ARY) return true;
  return false;
}

bool coff_is_function(const coff_syment *sym) { return coff_derivation(sym->n_type, 0) == DT_FCN; }

bool coff_is_tag(const coff_syment *sym) {
  return sym->n_sclass == C_STRTAG || sym->n_sclass == C_UNTAG || sym->n_sclass == C_ENTAG;
}

bool coff_is_sue_var(const coff_syment *sym) {
  uint32_t basic = sym->n_type & N_BTMASK;
  return basic == T_STRUCT || basic == T_UNION || basic == T_ENUM;
}

bool coff_isScn(const coff_syment *sym) { return sym->n_sclass == C_SECTION; }

bool coff_isRelocatable(const coff_syment *sym) {
  if (sym->n_scnum < 1) return false;
  switch (sym->n_sclass) {
    case C_EXT: case C_STAT: case C_LABEL: case C_BLOCK: case C_FCN: return true;
    default: return false;
  }
}

// The in-place name equals text (an 8-byte field need not hold a NUL).
static bool s_name_is(const coff_syment *sym, const char *text) {
  if (sym->n.n_n.n_zeroes == 0) return false;
  return strncmp(sym->n.n_name, text, sizeof sym->n.n_name) == 0;
}

int coff_has_aux(const coff_syment *sym) {
  if (sym->n_numaux == 0) return AUX_NONE;
  if (sym->n_sclass == C_FILE) return AUX_FILE;
  if (sym->n_sclass == C_EOS) return AUX_EOS;
  if (sym->n_sclass == C_FIELD) return AUX_FIELD;
  if (coff_is_array(sym)) return AUX_ARR;
  if (coff_is_function(sym)) return AUX_FCN;
  if (s_name_is(sym, ".bf") || s_name_is(sym, ".bb")) return AUX_BOBF;
  if (s_name_is(sym, ".ef") || s_name_is(sym, ".eb")) return AUX_EOBF;
  if (coff_is_tag(sym)) return AUX_TAG;
  if (coff_is_sue_var(sym)) return AUX_VAR;
  if (coff_isScn(sym)) return AUX_SCN;
  return AUX_NONE;
}

bool coff_hasRelocation(const coff_filehdr *hdr) { return (hdr->f_flags & F_RELFLG) == 0; }
bool coff_isExecutable(const coff_filehdr *hdr) { return (hdr->f_flags & F_EXEC) != 0; }
bool coff_hasLineNumbers(const coff_filehdr *hdr) { return (hdr->f_flags & F_LNNO) == 0; }
bool coff_hasLocalSymbols(const coff_filehdr *hdr) { return (hdr->f_flags & F_LSYMS) == 0; }

int getScnType(const coff_scnhdr *hdr) {
  if (hdr->s_flags & STYP_TEXT) return 1;
  if (hdr->s_flags & STYP_DATA) return 2;
  if (hdr->s_flags & STYP_BSS) return 3;
  if (hdr->s_flags & STYP_DATA_ROM) return 4;
  if (hdr->s_flags & STYP_ACTREC) return 5;
  return 0;
}

bool isScnActRec(const coff_scnhdr *hdr) { return (hdr->s_flags & STYP_ACTREC) != 0; }
bool isScnAbs(const coff_scnhdr *hdr) { return (hdr->s_flags & STYP_ABS) != 0; }
bool isScnShared(const coff_scnhdr *hdr) { return (hdr->s_flags & STYP_SHARED) != 0; }
bool isScnOverlay(const coff_scnhdr *hdr) { return (hdr->s_flags & STYP_OVRLAY) != 0; }

// Kind 6 (temporary data) is uninitialised data memory like kind 3.
void set_scn_flags(coff_scnhdr *hdr, int kind, bool is_abs, bool is_shared, bool is_overlay,
                   bool is_access) {
  uint32_t flags = is_abs ? uint32_t{STYP_ABS} : 0u;
  if (is_shared) flags = is_abs ? uint32_t{STYP_ABS | STYP_SHARED} : uint32_t{STYP_SHARED};
  if (is_overlay) flags |= STYP_OVRLAY;
  if (is_access) flags |= STYP_ACCESS;
  switch (kind) {
    case 1: flags |= STYP_TEXT; break;
    case 2: flags |= STYP_DATA; break;
    case 3: case 6: flags |= STYP_BSS; break;
    case 4: flags |= STYP_DATA_ROM; break;
    case 5: flags |= STYP_ACTREC; break;
    default: break;
  }
  hdr->s_flags = flags;
}

const char *hexPrint(unsigned long value, int byte_count) {
  static char buffer[32];
  static const unsigned long masks[] = {0xffUL, 0xffffUL, 0xffffffUL, 0xffffffffUL};
  if (byte_count < 1 || byte_count > 4) return "<NaN>";
  snprintf(buffer, sizeof buffer, "0x%0*lx", 2 * byte_count, value & masks[byte_count - 1]);
  return buffer;
}
