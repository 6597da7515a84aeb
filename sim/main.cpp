// harrow-sim: runs a linked Harrow program image on the simulator. In: an
// Intel HEX image, options (cycle limit, fill pattern, symbol map, dumps,
// trace, interrupt requests). Out: the program's printed text on standard
// output, the requested dumps, a summary line on standard error and an exit
// status that tells how the run ended.
#include <getopt.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sim/sim.h"
#include "sim/symmap.h"

static const int EXIT_USAGE = 10;
static const int EXIT_LOAD = 11;

struct SimOptions {
  uint64_t cycle_limit = 100000000;
  unsigned fill = 0;
  const char *map = nullptr;
  std::vector<std::string> dumps;
  const char *trace = nullptr;
  uint64_t irq_high = SIM_NO_EVENT, irq_low = SIM_NO_EVENT;
  bool quiet = false;
  const char *timed = nullptr;             // routine whose first call is timed
  const char *image = nullptr;
};

static void s_usage(FILE *f) {
  fputs("usage: harrow-sim [options] image.hex\n"
        "  -c, --cycles N       end the run after N cycles (default 100000000, 0: no limit)\n"
        "  -f, --fill BYTE      data-memory contents at power-up (default 0x00)\n"
        "  -m, --map FILE       symbol map written by harrow-link, for named dumps\n"
        "  -d, --dump WHAT      print memory at the end; repeatable. WHAT is\n"
        "                         NAME or NAME:LEN   a symbol of the map\n"
        "                         ADDR:LEN           data memory\n"
        "                         p:ADDR:LEN         program memory\n"
        "  -t, --trace[=FILE]   trace every instruction (default: standard error)\n"
        "      --irq-high N     raise a high-priority interrupt request at cycle N\n"
        "      --irq-low N      raise a low-priority interrupt request at cycle N\n"
        "      --time NAME      count the cycles of the first call of routine NAME (a map\n"
        "                         symbol), its first instruction to its return included\n"
        "  -q, --quiet          no summary line\n"
        "  -h, --help           this text\n"
        "Bytes written to data address 0xFD7, and by the LOG instruction, go to standard output.\n"
        "Exit status: 0 halt with W = 0, 1 halt with W != 0, 2 stop, 3 cycle limit,\n"
        "4 invalid instruction, 5 return stack overflow, 6 return stack underflow,\n"
        "7 execution outside the image, 8 unsupported operation, 9 sleep without wake-up,\n"
        "10 bad usage, 11 image or map not readable.\n",
        f);
}

static bool s_parse_u64(const char *text, uint64_t &v) {
  char *end = nullptr;
  errno = 0;
  unsigned long long x = strtoull(text, &end, 0);
  if (!*text || *end || errno || text[0] == '-') return false;
  v = x;
  return true;
}

// Parses the command line; returns -1 to go on, else an exit status.
static int s_parse(int argc, char **argv, SimOptions &o) {
  static const option longs[] = {
      {"cycles", required_argument, nullptr, 'c'}, {"fill", required_argument, nullptr, 'f'},
      {"map", required_argument, nullptr, 'm'},    {"dump", required_argument, nullptr, 'd'},
      {"trace", optional_argument, nullptr, 't'},  {"irq-high", required_argument, nullptr, 'H'},
      {"irq-low", required_argument, nullptr, 'L'}, {"quiet", no_argument, nullptr, 'q'},
      {"time", required_argument, nullptr, 'T'},
      {"help", no_argument, nullptr, 'h'},         {nullptr, 0, nullptr, 0}};
  int c;
  uint64_t v;
  while ((c = getopt_long(argc, argv, "c:f:m:d:t::qh", longs, nullptr)) != -1) {
    switch (c) {
    case 'c': if (!s_parse_u64(optarg, v)) goto bad; o.cycle_limit = v ? v : SIM_NO_EVENT; break;
    case 'f': if (!s_parse_u64(optarg, v) || v > 0xFF) goto bad; o.fill = (unsigned)v; break;
    case 'm': o.map = optarg; break;
    case 'd': o.dumps.push_back(optarg); break;
    case 't': o.trace = optarg ? optarg : "-"; break;
    case 'H': if (!s_parse_u64(optarg, o.irq_high)) goto bad; break;
    case 'L': if (!s_parse_u64(optarg, o.irq_low)) goto bad; break;
    case 'q': o.quiet = true; break;
    case 'T': o.timed = optarg; break;
    case 'h': s_usage(stdout); return 0;
    default: s_usage(stderr); return EXIT_USAGE;
    }
    continue;
  bad:
    fprintf(stderr, "harrow-sim: bad value '%s' for option -%c\n", optarg, c);
    return EXIT_USAGE;
  }
  if (optind != argc - 1) {
    fprintf(stderr, "harrow-sim: expected one image file\n");
    s_usage(stderr);
    return EXIT_USAGE;
  }
  o.image = argv[optind];
  return -1;
}

struct DumpRequest {
  std::string label;
  bool program;
  uint32_t address;
  uint32_t length;
};

// Turns one --dump argument into a request; false with a message.
static bool s_dump_request(const std::string &what, const std::map<std::string, MapSymbol> &syms, DumpRequest &r,
                           std::string &error) {
  std::string request = what;
  r.program = false;
  if (request.rfind("p:", 0) == 0) { r.program = true; request = request.substr(2); }
  size_t colon = request.find(':');
  std::string head = request.substr(0, colon);
  uint64_t v = 0, len = 0;
  bool has_len = colon != std::string::npos;
  if (has_len && (!s_parse_u64(request.c_str() + colon + 1, len) || len == 0 || len > 0x10000)) {
    error = "bad length in dump '" + what + "'";
    return false;
  }
  r.label = head;
  if (s_parse_u64(head.c_str(), v)) {
    r.address = (uint32_t)v;
    r.length = has_len ? (uint32_t)len : 1;
    return true;
  }
  auto it = syms.find(head);
  if (it == syms.end()) {
    error = "unknown symbol '" + head + "' in dump" + (syms.empty() ? " (no map given)" : "");
    return false;
  }
  if (!has_len && it->second.size > 0x10000) {  // no memory is that large: a damaged map
    error = "bad size " + std::to_string(it->second.size) + " of symbol '" + head + "' in the map";
    return false;
  }
  r.program = it->second.program;
  r.address = it->second.address;
  r.length = has_len ? (uint32_t)len : (it->second.size ? it->second.size : 1);
  return true;
}

static void s_print_dump(const SimMachine &m, const DumpRequest &r) {
  printf("%s (%s 0x%06X, %u bytes):", r.label.c_str(), r.program ? "program" : "data", (unsigned)r.address,
         (unsigned)r.length);
  for (uint32_t i = 0; i < r.length; ++i) {
    if (i && i % 16 == 0) printf("\n ");
    uint8_t b = r.program ? sim_pm_read(m, r.address + i) : sim_peek(m, (r.address + i) & 0xFFF);
    printf(" %02X", b);
  }
  printf("\n");
}

static void s_summary(const SimMachine &m) {
  fprintf(stderr, "harrow-sim: %s at 0x%06X", sim_outcome_text(m.outcome), (unsigned)m.outcome_pc);
  if (m.outcome == SIM_PASS || m.outcome == SIM_HALT_NONZERO || m.outcome == SIM_STOPPED)
    fprintf(stderr, ", W = 0x%02X", m.result);
  if (!m.problem.empty()) fprintf(stderr, " (%s)", m.problem.c_str());
  fprintf(stderr, "; %llu instructions, %llu cycles\n", (unsigned long long)m.instructions,
          (unsigned long long)m.cycles);
}

// Cycles of the first call of the routine at `entry`: from its first
// instruction until the return stack is shallower than it was there.
struct CallTiming {
  uint32_t entry;
  bool started = false, ended = false;
  uint8_t depth = 0;
  uint64_t start = 0, cycles = 0;
};

static void s_run_timed(SimMachine &m, CallTiming &t) {
  while (!m.stop) {
    if (!t.started && m.pc == t.entry) {
      t.started = true;
      t.depth = m.sp;
      t.start = m.cycles;
    }
    sim_step(m);
    if (t.started && !t.ended && m.sp < t.depth) {
      t.ended = true;
      t.cycles = m.cycles - t.start;
    }
  }
}

static int s_run(const SimOptions &o) {
  std::map<std::string, MapSymbol> syms;
  std::string error;
  if (o.map && !symmap_read(o.map, syms, error)) {
    fprintf(stderr, "harrow-sim: %s\n", error.c_str());
    return EXIT_LOAD;
  }
  std::vector<DumpRequest> dumps(o.dumps.size());
  for (size_t i = 0; i < o.dumps.size(); ++i)
    if (!s_dump_request(o.dumps[i], syms, dumps[i], error)) {
      fprintf(stderr, "harrow-sim: %s\n", error.c_str());
      return EXIT_USAGE;
    }
  auto m = std::make_unique<SimMachine>();
  sim_init(*m, (uint8_t)o.fill);
  if (!sim_load_hex(*m, o.image, error)) {
    fprintf(stderr, "harrow-sim: %s\n", error.c_str());
    return EXIT_LOAD;
  }
  FILE *trace = nullptr;
  if (o.trace) {
    trace = strcmp(o.trace, "-") == 0 ? stderr : fopen(o.trace, "w");
    if (!trace) {
      fprintf(stderr, "harrow-sim: cannot write trace file '%s'\n", o.trace);
      return EXIT_LOAD;
    }
  }
  m->trace = trace;
  m->echo = stdout;
  m->cycle_limit = o.cycle_limit;
  if (o.irq_high != SIM_NO_EVENT) sim_schedule_interrupt(*m, true, o.irq_high);
  if (o.irq_low != SIM_NO_EVENT) sim_schedule_interrupt(*m, false, o.irq_low);
  CallTiming timing;
  if (o.timed) {
    auto it = syms.find(o.timed);
    if (it == syms.end() || !it->second.program) {
      fprintf(stderr, "harrow-sim: no routine '%s' in the map to time%s\n", o.timed, syms.empty() ? " (no map given)" : "");
      return EXIT_USAGE;
    }
    timing.entry = it->second.address;
    s_run_timed(*m, timing);
  } else {
    sim_run(*m);
  }
  if (trace && trace != stderr) fclose(trace);
  if (!dumps.empty() && !m->output.empty() && m->output.back() != '\n') putchar('\n');
  for (const DumpRequest &r : dumps) s_print_dump(*m, r);
  fflush(stdout);
  if (!o.quiet) s_summary(*m);
  if (o.timed) {
    if (timing.ended)
      fprintf(stderr, "harrow-sim: %s: %llu cycles\n", o.timed, (unsigned long long)timing.cycles);
    else
      fprintf(stderr, "harrow-sim: %s: %s\n", o.timed, timing.started ? "did not return" : "never called");
  }
  return sim_outcome_status(m->outcome);
}

int main(int argc, char **argv) {
  SimOptions o;
  int status = s_parse(argc, argv, o);
  if (status >= 0) return status;
  return s_run(o);
}
