// Libraries: archives of object files in the common "!<arch>" format. In:
// the path of an archive and the objects linked so far. Out: the members
// that define a name still undefined, added to the link as objects named
// "ARCHIVE(MEMBER)"; the archive is searched again until one pass adds
// nothing. Members are recognised by their own symbol tables, so an index
// member ("/" or "__.SYMDEF") is not needed and is skipped when present.
// Both ways of storing long member names are read ("//" table with "/N"
// references, and "#1/N" names in front of the data). Every header field and
// size is checked against the file, so a truncated or garbled archive gives
// a message naming the archive and the offset, never a read outside it.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

#include "link/link.h"

namespace {

constexpr char AR_MAGIC[] = "!<arch>\n";
constexpr size_t AR_MAGIC_SIZE = 8;
constexpr size_t AR_HEADER_SIZE = 60;

struct Member {
  std::string name;
  size_t offset;  // of the data in the archive
  size_t size;
};

struct Archive {
  std::string path;
  std::vector<uint8_t> bytes;
  std::vector<Member> members;
  std::string problem;  // first fault found, empty when the archive is sound
};

bool s_fail(Archive &a, size_t offset, const std::string &what) {
  if (a.problem.empty()) a.problem = "archive '" + a.path + "' is damaged at offset " + std::to_string(offset) + ": " + what;
  return false;
}

// A decimal header field: digits, then blanks to the end of the field.
bool s_decimal(const uint8_t *p, size_t width, size_t &value) {
  size_t i = 0;
  value = 0;
  for (; i < width && p[i] >= '0' && p[i] <= '9'; ++i) {
    if (value > (SIZE_MAX - 9) / 10) return false;
    value = value * 10 + (p[i] - '0');
  }
  if (i == 0) return false;
  for (; i < width; ++i)
    if (p[i] != ' ') return false;
  return true;
}

std::string s_trim(const uint8_t *p, size_t width) {
  std::string s(reinterpret_cast<const char *>(p), width);
  size_t end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

// The member's name from its header field, the long-name table or the
// "#1/N" prefix of its data (which then no longer counts as data).
bool s_member_name(Archive &a, const std::string &field, const std::string &table, size_t at, Member &m) {
  if (field.compare(0, 3, "#1/") == 0) {
    size_t n = 0;
    std::string digits = field.substr(3);
    if (digits.empty() || !s_decimal(reinterpret_cast<const uint8_t *>(digits.data()), digits.size(), n) || n > m.size)
      return s_fail(a, at, "bad long member name");
    m.name = std::string(reinterpret_cast<const char *>(a.bytes.data() + m.offset), n);
    m.name = m.name.substr(0, m.name.find('\0'));
    m.offset += n;
    m.size -= n;
    return true;
  }
  if (field.size() > 1 && field[0] == '/' && field[1] >= '0' && field[1] <= '9') {
    size_t n = 0;
    if (!s_decimal(reinterpret_cast<const uint8_t *>(field.data() + 1), field.size() - 1, n) || n >= table.size())
      return s_fail(a, at, "member name outside the long-name table");
    size_t end = table.find_first_of("/\n", n);
    m.name = table.substr(n, end == std::string::npos ? std::string::npos : end - n);
    return true;
  }
  m.name = field;
  if (m.name.size() > 1 && m.name.back() == '/') m.name.pop_back();
  return true;
}

bool s_parse(Archive &a) {
  const std::vector<uint8_t> &b = a.bytes;
  if (b.size() < AR_MAGIC_SIZE || memcmp(b.data(), AR_MAGIC, AR_MAGIC_SIZE) != 0)
    return s_fail(a, 0, "not an archive (bad magic)");
  std::string long_names;
  size_t at = AR_MAGIC_SIZE;
  while (at < b.size()) {
    if (b.size() - at < AR_HEADER_SIZE) return s_fail(a, at, "truncated member header");
    const uint8_t *h = b.data() + at;
    Member m{};
    if (h[58] != '`' || h[59] != '\n') return s_fail(a, at, "bad member header");
    if (!s_decimal(h + 48, 10, m.size)) return s_fail(a, at, "bad member size");
    m.offset = at + AR_HEADER_SIZE;
    if (m.size > b.size() - m.offset) return s_fail(a, at, "member data runs past the end of the file");
    std::string field = s_trim(h, 16);
    size_t next = m.offset + m.size + (m.size & 1);
    if (field == "//") {
      long_names.assign(reinterpret_cast<const char *>(b.data() + m.offset), m.size);
    } else if (field != "/" && field != "/SYM64/" && field.compare(0, 9, "__.SYMDEF") != 0) {
      if (!s_member_name(a, field, long_names, at, m)) return false;
      a.members.push_back(m);
    }
    at = next;
  }
  return true;
}

bool s_load(Archive &a) {
  std::ifstream in(a.path, std::ios::binary);
  if (!in) return false;
  a.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool s_global_definition(const coff_syment &sym) {
  return sym.n_sclass == C_EXT && (sym.n_scnum >= 1 || sym.n_scnum == -1);
}

// Names defined by an object (first) and names it uses without defining.
void s_names(const coff_file *c, std::set<std::string> *defined, std::set<std::string> *used) {
  char buf[9];
  for (uint32_t i = 0; i < c->file_hdr.f_nsyms; i += 1 + c->symbols[i].sym.n_numaux) {
    const coff_syment &sym = c->symbols[i].sym;
    if (sym.n_sclass != C_EXT) continue;
    std::string name = coff_symbol_name(c, &sym, buf);
    if (s_global_definition(sym)) {
      if (defined) defined->insert(name);
    } else if (sym.n_scnum == 0 && used) {
      used->insert(name);
    }
  }
}

// Names the objects linked so far use and nobody defines.
std::set<std::string> s_undefined(const Linker &l) {
  std::set<std::string> defined, used;
  for (const LinkObject &o : l.objects) s_names(o.coff, &defined, &used);
  if (l.opt.startup) used.insert("main");
  std::set<std::string> out;
  for (const std::string &n : used)
    if (!defined.count(n) && !l.opt.symbols.count(n)) out.insert(n);
  return out;
}

}  // namespace

bool link_is_archive(const char *path) {
  FILE *f = fopen(path, "rb");
  if (!f) return false;
  char magic[AR_MAGIC_SIZE];
  bool yes = fread(magic, 1, AR_MAGIC_SIZE, f) == AR_MAGIC_SIZE && memcmp(magic, AR_MAGIC, AR_MAGIC_SIZE) == 0;
  fclose(f);
  return yes;
}

bool link_add_archive(Linker &l, const char *path) {
  Archive a;
  a.path = path;
  if (!s_load(a)) {
    link_error(l, std::string("cannot read library '") + path + "'");
    return false;
  }
  if (!s_parse(a)) {
    link_error(l, a.problem);
    return false;
  }
  std::vector<coff_file *> objects(a.members.size(), nullptr);
  std::vector<std::set<std::string>> defines(a.members.size());
  for (size_t i = 0; i < a.members.size(); ++i) {
    const Member &m = a.members[i];
    std::string name = a.path + "(" + m.name + ")";
    objects[i] = coff_read_bytes(name.c_str(), a.bytes.data() + m.offset, m.size);
    if (!objects[i]) {
      for (coff_file *c : objects) coff_free(c);
      link_error(l, "member '" + m.name + "' of library '" + a.path + "' is not a valid object");
      return false;
    }
    s_names(objects[i], &defines[i], nullptr);
  }
  for (bool added = true; added;) {
    added = false;
    std::set<std::string> undefined = s_undefined(l);
    for (size_t i = 0; i < objects.size(); ++i) {
      if (!objects[i]) continue;
      bool wanted = false;
      for (const std::string &n : defines[i]) wanted = wanted || undefined.count(n) > 0;
      if (!wanted) continue;
      link_add_coff(l, (a.path + "(" + a.members[i].name + ")").c_str(), objects[i]);
      objects[i] = nullptr;
      undefined = s_undefined(l);
      added = true;
    }
  }
  for (coff_file *c : objects) coff_free(c);
  return true;
}
