// Collection phase of the linker. In: the object records. Out: output
// sections (same-named relocatable sections of one kind concatenated in
// object order, each absolute section on its own) and the table of global
// definitions, with multiply defined symbols and clashing section kinds
// reported.
#include <algorithm>

#include "device/processors.h"
#include "link/link.h"

// The same message twice (an undefined symbol used in many places) is kept once.
void link_error(Linker &l, const std::string &message) {
  if (l.error_seen.insert(message).second) l.errors.push_back(message);
}

void link_init(Linker &l, const LinkOptions &opt) {
  l.opt = opt;
  long prog = getProgramLocations(opt.device);
  l.program_size = prog > 0 ? (uint32_t)prog : 0;
  uint32_t data = (uint32_t)getDataLocations(opt.device);
  l.data_end = std::min<uint32_t>(data, 0xF80);
  l.idata_table = -1;
  l.startup_section = -1;
}

void link_add_coff(Linker &l, const char *name, coff_file *coff) {
  LinkObject o;
  o.path = name;
  o.coff = coff;
  l.objects.push_back(o);
}

bool link_add_object(Linker &l, const char *path) {
  coff_file *coff = coff_read(path);
  if (!coff) {
    link_error(l, std::string("cannot read object file '") + path + "'");
    return false;
  }
  link_add_coff(l, path, coff);
  return true;
}

void link_free(Linker &l) {
  for (LinkObject &o : l.objects) coff_free(o.coff);
  l.objects.clear();
}

std::string link_symbol_name(const LinkObject &o, uint32_t index) {
  if (index >= o.coff->file_hdr.f_nsyms) return "<bad symbol index>";
  char buf[9];
  return coff_symbol_name(o.coff, &o.coff->symbols[index].sym, buf);
}

int link_find_section(const Linker &l, const std::string &name) {
  for (size_t i = 0; i < l.sections.size(); ++i)
    if (l.sections[i].name == name) return (int)i;
  return -1;
}

static const char *s_kind_name(int kind) {
  static const char *names[] = {"?", "code", "idata", "udata", "romdata", "actrec"};
  return kind >= 1 && kind <= 5 ? names[kind] : names[0];
}

// Output section a relocatable input section joins, made on first use.
static int s_output_for(Linker &l, const std::string &name, int kind, bool access, const std::string &path) {
  for (size_t i = 0; i < l.sections.size(); ++i) {
    LinkSection &s = l.sections[i];
    if (s.absolute || s.name != name) continue;
    if (s.kind != kind || s.access != access) {
      link_error(l, "section '" + name + "' is " + s_kind_name(kind) + (access ? " (access)" : "") + " in '" + path +
                        "' but " + s_kind_name(s.kind) + (s.access ? " (access)" : "") + " in '" + s.origin + "'");
      return -1;
    }
    return (int)i;
  }
  LinkSection s{};
  s.name = name;
  s.kind = kind;
  s.access = access;
  s.origin = path;
  l.sections.push_back(s);
  return (int)l.sections.size() - 1;
}

static int s_input_kind(const coff_scnhdr &h) {
  int k = getScnType(&h);
  return k == 0 ? LK_UDATA : k;
}

// Appends one input section to its output section.
static void s_add_section(Linker &l, int oi, int si) {
  LinkObject &o = l.objects[oi];
  const coff_section &in = o.coff->sections[si];
  char buf[9];
  std::string name = coff_section_name(o.coff, &in.header, buf);
  int kind = s_input_kind(in.header);
  bool access = (in.header.s_flags & STYP_ACCESS) != 0;
  int out;
  if (isScnAbs(&in.header)) {
    LinkSection s{};
    s.name = name;
    s.kind = kind;
    s.absolute = true;
    s.access = access;
    s.address = in.header.s_paddr;
    s.origin = o.path;
    l.sections.push_back(s);
    out = (int)l.sections.size() - 1;
  } else {
    out = s_output_for(l, name, kind, access, o.path);
  }
  o.out_section[si] = out;
  if (out < 0) return;
  if (in.header.s_size > LINK_CONFIG_END) {  // larger than any address space: a damaged object
    link_error(l, "section '" + name + "' of '" + o.path + "' is too large");
    o.out_section[si] = -1;
    return;
  }
  LinkSection &s = l.sections[out];
  if (s.in_program() && (s.size & 1)) s.size++, s.bytes.push_back(0xFF);  // instructions and tables stay word-aligned
  o.offset[si] = s.size;
  s.pieces.push_back(LinkPiece{oi, si, s.size});
  s.size += in.header.s_size;
  if (kind == LK_CODE || kind == LK_ROMDATA || kind == LK_IDATA) {
    if (in.data) s.bytes.insert(s.bytes.end(), in.data, in.data + in.header.s_size);
    else s.bytes.resize(s.size, kind == LK_IDATA ? 0 : 0xFF);
  }
}

// Whether a symbol entry defines a name visible to other objects.
static bool s_is_global_definition(const coff_syment &sym) {
  return sym.n_sclass == C_EXT && (sym.n_scnum >= 1 || sym.n_scnum == -1);
}

static void s_collect_symbols(Linker &l, int oi) {
  LinkObject &o = l.objects[oi];
  const coff_filehdr &fh = o.coff->file_hdr;
  for (uint32_t i = 0; i < fh.f_nsyms; i += 1 + o.coff->symbols[i].sym.n_numaux) {
    const coff_syment &sym = o.coff->symbols[i].sym;
    if (!s_is_global_definition(sym)) continue;
    if (sym.n_scnum > (int)fh.f_nscns) {
      link_error(l, "symbol '" + link_symbol_name(o, i) + "' in '" + o.path + "' names a missing section");
      continue;
    }
    std::string name = link_symbol_name(o, i);
    auto it = l.globals.find(name);
    if (it != l.globals.end()) {
      link_error(l, "symbol '" + name + "' is defined in both '" + l.objects[it->second.object].path + "' and '" +
                        o.path + "'");
      continue;
    }
    l.globals[name] = LinkDefinition{oi, i, false, 0};
  }
}

void link_collect(Linker &l) {
  for (size_t oi = 0; oi < l.objects.size(); ++oi) {
    LinkObject &o = l.objects[oi];
    uint16_t n = o.coff->file_hdr.f_nscns;
    o.out_section.assign(n, -1);
    o.offset.assign(n, 0);
    for (int si = 0; si < n; ++si) s_add_section(l, (int)oi, si);
  }
  for (size_t oi = 0; oi < l.objects.size(); ++oi) s_collect_symbols(l, (int)oi);
}
