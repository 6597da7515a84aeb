// End-to-end tests of -p and --help-config against the processor database.
#include <algorithm>
#include <cctype>
#include <string>

#include "device/config_tables.h"
#include "device/processors.h"
#include "driver_run.h"

namespace {

// First device of the database for which pick holds (0 when none).
template <typename Pred> int s_first_device(Pred pick) {
  for (int id = 1; id <= PROC_COUNT; id++)
    if (pick(id))
      return id;
  return 0;
}

std::string s_lower(std::string text) {
  for (char &c : text)
    c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

int s_extended_device() {
  return s_first_device([](int id) { return supports_extended_mode(id) && id != PROC_GENERIC_ID; });
}

}  // namespace

using ProcessorRun = DriverRun;

TEST_F(ProcessorRun, LowerCaseAndPaddedNamesSelectTheDevice) {
  add_input("prog.c", "prog.c");
  int id = s_extended_device();
  ASSERT_NE(id, 0);
  std::string name = getDvsProcName(id);
  for (std::string given : {s_lower(name), "  " + name + "\t "}) {
    run_result r = run({"-p", given, "prog.c"});
    EXPECT_EQ(r.status, 0) << given << r.out;
  }
  auto vectors = pp_vectors();
  ASSERT_EQ(vectors.size(), 2u);
  for (const auto &v : vectors)
    EXPECT_NE(std::find(v.begin(), v.end(), "-d__" + name), v.end());
}

TEST_F(ProcessorRun, GenericNameKeepsTheGenericProcessor) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-p", "hArRoW", "prog.c"});
  EXPECT_EQ(r.status, 0);
  auto v = pp_vectors().at(0);
  EXPECT_NE(std::find(v.begin(), v.end(), std::string("-d__") + getDvsProcName(PROC_GENERIC_ID)), v.end());

  r = run({"--help-config", "-p", "Harrow"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "Must specify a non-generic processor with -p to use --help-config\n");
  EXPECT_EQ(r.out, "");
}

TEST_F(ProcessorRun, UnknownAndNonExtendedDevicesAreRefused) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-p", " NoSuchPart ", "prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Unknown processor 'NoSuchPart'\n");

  int plain = s_first_device([](int id) { return getInstSet(id) == INSTSET_HARROW && !supports_extended_mode(id); });
  int other = s_first_device([](int id) { return getInstSet(id) != INSTSET_HARROW; });
  ASSERT_NE(plain, 0);
  ASSERT_NE(other, 0);
  for (int id : {plain, other}) {
    r = run({"-p", getDvsProcName(id), "prog.c"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Fatal [104] a non-extended mode device cannot be specifed to the extended mode compiler\n");
  }
  EXPECT_TRUE(pp_vectors().empty());
}

TEST_F(ProcessorRun, HelpConfig) {
  run_result r = run({"--help-config"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "Must specify a processor with -p to use --help-config\n");

  std::string name = getDvsProcName(s_extended_device());
  r = run({"--help-config", "-p", s_lower(name), "prog.c"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Configuration settings available for processor " + name + "\n", 0), 0u);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(pp_vectors().empty());
}

// The listing of every extended-mode device is the expected listing of its
// configuration layout (written for the layout's first device) under its own
// name.
TEST_F(ProcessorRun, HelpConfigListsEveryDeviceByItsLayout) {
  int listed = 0;
  for (int id = 1; id <= PROC_COUNT; id++) {
    if (!supports_extended_mode(id))
      continue;
    const config_template *layout = get_config_template(id);
    ASSERT_NE(layout, nullptr) << getDvsProcName(id);
    std::string expected = read_file(std::string(TEST_DATA) + "/expected/help_config_" + layout->name + ".txt");
    ASSERT_FALSE(expected.empty()) << layout->name;
    int first = s_first_device([&](int other) { return get_config_template(other) == layout; });
    expected = replace_all(expected, std::string("processor ") + getDvsProcName(first) + "\n",
                           std::string("processor ") + getDvsProcName(id) + "\n");
    run_result r = run({"--help-config", "-p", getDvsProcName(id)});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected) << getDvsProcName(id);
    listed++;
  }
  EXPECT_EQ(listed, 85);
}
