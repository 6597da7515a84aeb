// Libraries: archives written here byte by byte in the common format, linked
// by the harrow-link program. Only the members that define a name still
// undefined join the link (the map names them), the archive is searched again
// for names its own members use, objects after it on the command line do not
// pull from it; damaged archives give a message and exit status 2.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "tests/link/link_bench.h"

namespace {

struct Outcome {
  int status;
  std::string out;
};

Outcome s_run(const std::string &command) {
  Outcome r{-1, ""};
  FILE *p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[256];
  while (fgets(buf, sizeof buf, p)) r.out += buf;
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

std::string s_bytes_of(const ObjBuilder &b, const std::string &path) {
  coff_file *f = b.build(path.c_str());
  coff_preWrite(f);
  coff_write(f);
  coff_free(f);
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// An object with one code section defining `name`: a MOVLW of the low byte
// of each name in `uses`, then RETURN.
ObjBuilder s_builder(const std::string &name, const std::vector<std::string> &uses) {
  ObjBuilder b;
  int code = b.section(".code_" + name, 1);
  Asm a;
  for (const std::string &u : uses) {
    b.reloc(code, a.pc(), b.external(u), RELOCT_LOW);
    a.op(MOVLW, 0);
  }
  a.op(RETURN, 0);
  b.code(code, a);
  b.symbol(name, code, 0, C_EXT, T_INT | DT_FCN << N_TBSHFT);
  return b;
}

std::string s_object(const std::string &dir, const std::string &name, const std::vector<std::string> &uses) {
  return s_bytes_of(s_builder(name, uses), dir + "/" + name + ".tmp");
}

std::string s_field(const std::string &text, size_t width) { return (text + std::string(width, ' ')).substr(0, width); }

// An archive: names up to 15 characters in the header, longer ones through a "//" table.
std::string s_archive(const std::vector<std::pair<std::string, std::string>> &members) {
  std::string table, out = "!<arch>\n";
  std::vector<std::string> fields;
  for (const auto &m : members) {
    if (m.first.size() < 16) {
      fields.push_back(m.first + "/");
    } else {
      fields.push_back("/" + std::to_string(table.size()));
      table += m.first + "/\n";
    }
  }
  auto add = [&out](const std::string &field, const std::string &data) {
    out += s_field(field, 16) + s_field("0", 12) + s_field("0", 6) + s_field("0", 6) + s_field("644", 8) +
           s_field(std::to_string(data.size()), 10) + "`\n" + data;
    if (data.size() & 1) out += "\n";
  };
  if (!table.empty()) add("//", table);
  for (size_t i = 0; i < members.size(); ++i) add(fields[i], members[i].second);
  return out;
}

void s_put(const std::string &path, const std::string &bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string s_dir() {
  std::string d = ::testing::TempDir() + "harrow_link_archive_" + std::to_string(getpid());
  mkdir(d.c_str(), 0700);
  return d;
}

}  // namespace

TEST(LinkArchive, OnlyNeededMembersInCommandLineOrder) {
  std::string d = s_dir();
  s_put(d + "/main.o", s_object(d, "main", {"alpha"}));
  s_put(d + "/late.o", s_object(d, "late", {"beta"}));
  // gamma comes before the alpha that needs it: found on the second pass.
  s_put(d + "/lib.a", s_archive({{"gamma.o", s_object(d, "gamma", {})},
                                 {"alpha_with_a_long_name.o", s_object(d, "alpha", {"gamma"})},
                                 {"beta.o", s_object(d, "beta", {})}}));
  std::string link = std::string(HARROW_LINK) + " --no-default-libs --startup -o " + d + "/p.hex ";
  Outcome ok = s_run(link + d + "/main.o " + d + "/lib.a");
  ASSERT_EQ(ok.status, 0) << ok.out;
  std::ifstream in(d + "/p.map");
  std::string map((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(map.find(d + "/lib.a(alpha_with_a_long_name.o)"), std::string::npos) << map;
  EXPECT_NE(map.find(d + "/lib.a(gamma.o)"), std::string::npos) << map;
  EXPECT_EQ(map.find("beta"), std::string::npos) << map;
  // A program that needs nothing from the library takes nothing from it.
  s_put(d + "/alone.o", s_object(d, "main", {}));
  ASSERT_EQ(s_run(link + d + "/alone.o " + d + "/lib.a").status, 0);
  std::ifstream in2(d + "/p.map");
  std::string map2((std::istreambuf_iterator<char>(in2)), std::istreambuf_iterator<char>());
  EXPECT_EQ(map2.find("lib.a("), std::string::npos) << map2;
  // An object after the library cannot take from it.
  Outcome late = s_run(link + d + "/main.o " + d + "/lib.a " + d + "/late.o");
  EXPECT_EQ(late.status, 1);
  EXPECT_NE(late.out.find("undefined symbol 'beta'"), std::string::npos) << late.out;
  EXPECT_EQ(s_run(link + d + "/main.o " + d + "/late.o " + d + "/lib.a").status, 0);
  // The library's main is taken when no object defines it.
  s_put(d + "/mainlib.a", s_archive({{"m.o", s_object(d, "main", {})}}));
  EXPECT_EQ(s_run(link + d + "/mainlib.a").status, 0);
  std::filesystem::remove_all(d);
}

TEST(LinkArchive, DamagedArchivesAreRefused) {
  std::string d = s_dir();
  s_put(d + "/main.o", s_object(d, "main", {"alpha"}));
  std::string good = s_archive({{"alpha.o", s_object(d, "alpha", {})}});
  std::string longname = s_archive({{"alpha_with_a_long_name.o", s_object(d, "alpha", {})}});
  std::string bad_size = good, bad_end = good, huge = good;
  bad_size[8 + 48] = 'x';
  bad_end[8 + 58] = '!';
  huge.replace(8 + 48, 10, "9999999999");
  std::string bad_ref = longname;
  size_t slash = bad_ref.find("/0 ");
  bad_ref.replace(slash, 3, "/99");
  const struct {
    const char *what;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"empty file", "", "not an archive (bad magic)"},
      {"bad magic", "!<arch\n" + good.substr(7), "not an archive (bad magic)"},
      {"cut in a header", good.substr(0, 8 + 30), "at offset 8: truncated member header"},
      {"cut in the data", good.substr(0, good.size() - 10), "member data runs past the end of the file"},
      {"size not a number", bad_size, "at offset 8: bad member size"},
      {"header end marker", bad_end, "at offset 8: bad member header"},
      {"size beyond the file", huge, "member data runs past the end of the file"},
      {"long name outside the table", bad_ref, "member name outside the long-name table"},
      {"member not an object", s_archive({{"junk.o", "not an object at all"}}),
       "member 'junk.o' of library '" + d + "/x.a' is not a valid object"},
  };
  std::string link = std::string(HARROW_LINK) + " --no-default-libs -o " + d + "/p.hex " + d + "/main.o " + d + "/x.a";
  for (const auto &c : cases) {
    s_put(d + "/x.a", c.bytes);
    Outcome r = s_run(link);
    EXPECT_EQ(r.status, 2) << c.what << "\n" << r.out;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << c.what << "\n" << r.out;
  }
  // The intact forms link; an archive with no members is no error either.
  for (const std::string &bytes : {good, longname}) {
    s_put(d + "/x.a", bytes);
    EXPECT_EQ(s_run(link).status, 0) << s_run(link).out;
  }
  s_put(d + "/x.a", "!<arch>\n");
  Outcome empty = s_run(link);
  EXPECT_EQ(empty.status, 1);
  EXPECT_NE(empty.out.find("undefined symbol 'alpha'"), std::string::npos) << empty.out;
  std::filesystem::remove_all(d);
}

// Compiled programs and the default libraries: each takes exactly the
// members it needs (the map's object column names them) and runs.
TEST(LinkArchive, DefaultLibrariesGiveOnlyWhatIsUsed) {
  std::string d = s_dir();
  const struct {
    const char *source;
    std::vector<std::string> present, absent;
  } cases[] = {
      {"int main(void) { return 0; }\n", {}, {"libc.a(", "runtime.a("}},
      {"#include <string.h>\nchar s[] = \"abc\";\nint main(void) { return strlen(s) != 3; }\n",
       {"libc.a(strlen.o)"}, {"libc.a(memcpy.o)", "libc.a(strcpy.o)", "runtime.a("}},
      {"#include <stdlib.h>\nint d = 7;\nint main(void) { return atoi_rom(\"-21\") / d != -3; }\n",
       {"libc.a(atoi_rom.o)", "runtime.a(div16.o)", "runtime.a(mul.o)"},
       {"libc.a(strtol.o)", "runtime.a(div32.o)", "runtime.a(float_arith.o)"}},
  };
  for (const auto &c : cases) {
    std::ofstream(d + "/prog.c") << c.source;
    Outcome cc = s_run("cd " + d + " && " + VELC_COMPILER + " prog.c");
    ASSERT_EQ(cc.status, 0) << c.source << cc.out;
    Outcome link = s_run(std::string(HARROW_LINK) + " --startup -o " + d + "/p.hex " + d + "/prog.o");
    ASSERT_EQ(link.status, 0) << c.source << link.out;
    std::ifstream in(d + "/p.map");
    std::string map((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const std::string &p : c.present) EXPECT_NE(map.find(p), std::string::npos) << c.source << p << "\n" << map;
    for (const std::string &a : c.absent) EXPECT_EQ(map.find(a), std::string::npos) << c.source << a << "\n" << map;
    Outcome sim = s_run(std::string(HARROW_SIM) + " -q " + d + "/p.hex");
    EXPECT_EQ(sim.status, 0) << c.source << sim.out;
  }
  std::filesystem::remove_all(d);
}

// Every truncation of an archive and random damage to its bytes give a
// refusal with a message or a usable archive, never a read outside the file.
TEST(LinkArchive, AnyDamageIsSafe) {
  std::string d = s_dir();
  std::string good = s_archive({{"gamma.o", s_object(d, "gamma", {})},
                                {"alpha_with_a_long_name.o", s_object(d, "alpha", {"gamma"})}});
  std::mt19937 rng(19);
  std::vector<std::string> damaged;
  for (size_t cut = 0; cut < good.size(); ++cut) damaged.push_back(good.substr(0, cut));
  for (int round = 0; round < 300; ++round) {
    std::string bytes = good;
    for (int k = 0; k < 1 + round % 4; ++k) bytes[rng() % bytes.size()] = (char)rng();
    damaged.push_back(bytes);
  }
  int refused = 0;
  for (const std::string &bytes : damaged) {
    s_put(d + "/x.a", bytes);
    Linker l;
    link_init(l, LinkOptions{PROC_GENERIC_ID, 64, true});
    link_add_coff(l, "main.o", s_builder("main", {"alpha"}).build("main.o"));
    if (!link_add_archive(l, (d + "/x.a").c_str())) {
      ++refused;
      EXPECT_FALSE(l.errors.empty());
    } else if (!link_run(l)) {
      EXPECT_FALSE(l.errors.empty());
    }
    link_free(l);
  }
  EXPECT_GT(refused, (int)good.size() / 2);
  std::filesystem::remove_all(d);
}
