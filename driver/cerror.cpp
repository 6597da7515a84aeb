// Diagnostics. In: catalogue numbers with printf-style arguments, posted by
// every phase (and by the preprocessor). Out: lines on standard output and in
// the error file, the error/warning/message counts, and the fatal unwind.
#include "driver/diag.h"

#include <sys/stat.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "driver/paths.h"
#include "util/util.h"

char yyfilename[VELC_PATH_MAX + 1];
long yylineno;

int maxerror = 25;
int show_assert_lineno = 1;
FILE *ferrptr = nullptr;
char efilename[VELC_PATH_MAX + 1];

static uint32_t error_count, warning_count, message_count;
static hash_table *suppressed_messages_table;

const message_record message_table[] = {
#define MSG(number, short_text, long_text) {number, short_text, long_text},
#include "driver/messages.def"
#undef MSG
};
const int MESSAGE_TABLE_SZ = sizeof message_table / sizeof message_table[0];
static_assert(sizeof message_table / sizeof message_table[0] == 211, "the catalogue holds 211 records");

struct s_kind {
  const char *word;
  int level;
  uint32_t *counter;  // null: not counted
};

// 1157 (main not declared as void main (void)) lies in the error range but is
// a warning: a main returning int is accepted, and its result ends the run.
bool is_error_message(long number) { return number >= 1000 && number < 2000 && number != 1157; }

static s_kind s_kind_of(long number) {
  if (number < 1000)
    return {"Fatal", 0, &error_count};
  if (is_error_message(number))
    return {"Error", 1, &error_count};
  if (number < 2000)
    return {"Warning", 2, &warning_count};
  if (number < 3000)
    return {"Warning", 2, &warning_count};
  if (number < 4000)
    return {"Message", 3, &message_count};
  return {"Message", 3, nullptr};
}

static const message_record *s_find(long number) {
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    if (message_table[i].number == static_cast<uint32_t>(number))
      return &message_table[i];
  return nullptr;
}

int error_init(const char *name) {
  snprintf(efilename, sizeof efilename, "%s", name);
  ferrptr = fopen(name, "a");
  if (!ferrptr) {
    // Not this run's file: error_uninit must not delete what carries the name.
    efilename[0] = '\0';
    return 1;
  }
  return 0;
}

// Only a plain file is this run's to delete: a device (-e /dev/null to
// discard the messages), a pipe or a symbolic link stays as it is.
static bool s_is_regular_file(const char *name) {
  struct stat info;
  return lstat(name, &info) == 0 && S_ISREG(info.st_mode);
}

void error_uninit() {
  if (ferrptr) {
    fclose(ferrptr);
    ferrptr = nullptr;
  }
  hash_free(suppressed_messages_table, nullptr);
  suppressed_messages_table = nullptr;
  bool reported = error_count > 0 || (warning_count > 0 && error_level > 1) ||
                  (message_count > 0 && error_level > 2);
  if (!reported && efilename[0] && s_is_regular_file(efilename))
    remove(efilename);
}

uint32_t get_error_count() { return error_count; }
uint32_t get_warning_count() { return warning_count; }
uint32_t get_message_count() { return message_count; }

void diag_reset() {
  error_count = warning_count = message_count = 0;
  hash_free(suppressed_messages_table, nullptr);
  suppressed_messages_table = nullptr;
}

void suppress_message(long number) {
  if (!suppressed_messages_table)
    suppressed_messages_table = hash_create(4, 4, 32);
  if (!suppressed_messages_table)
    return;
  uint32_t key = static_cast<uint32_t>(number);
  if (!hash_find(suppressed_messages_table, &key))
    hash_add(suppressed_messages_table, &key);
}

bool is_message_suppressed(long number) {
  if (!suppressed_messages_table)
    return false;
  uint32_t key = static_cast<uint32_t>(number);
  return hash_find(suppressed_messages_table, &key) != nullptr;
}

void retrieve_message(long number, char *buffer, size_t size) {
  const message_record *rec = s_find(number);
  if (rec && size > 0)
    snprintf(buffer, size, "%s", rec->short_text);
}

void vpost_error(long number, va_list args) {
  char path[VELC_PATH_MAX + 1];
  velc_fullpath(path, yyfilename, sizeof path);
  if (is_message_suppressed(number))
    return;
  char text[129] = "";
  const message_record *rec = s_find(number);
  if (rec)
    retrieve_message(number, text, sizeof text);
  else
    snprintf(text, sizeof text, "-internal- unknown message number %ld", number);
  s_kind kind = s_kind_of(number);
  if (kind.counter)
    ++*kind.counter;
  if (error_level >= kind.level) {
    va_list copy;
    va_copy(copy, args);
    printf("%s:%ld:%s [%ld] ", path, yylineno, kind.word, number);
    vprintf(text, args);
    printf("\n");
    fflush(stdout);
    if (ferrptr) {
      fprintf(ferrptr, "%s[%ld] %s %ld : ", kind.word, number, path, yylineno);
      vfprintf(ferrptr, text, copy);
      fprintf(ferrptr, "\n");
      fflush(ferrptr);
    }
    va_end(copy);
  }
  if (kind.level == 0 || error_count >= static_cast<uint32_t>(maxerror))
    throw FatalUnwind{};
}

void post_error(long number, ...) {
  va_list args;
  va_start(args, number);
  try {
    vpost_error(number, args);
  } catch (...) {
    va_end(args);
    throw;
  }
  va_end(args);
}

// The three uncatalogued reporters share one shape: a console prefix, an
// error-file prefix, the formatted text.
static void s_report(const char *word, const char *format, va_list args) {
  char path[VELC_PATH_MAX + 1];
  velc_fullpath(path, yyfilename, sizeof path);
  if (ferrptr)
    fflush(ferrptr);
  va_list copy;
  va_copy(copy, args);
  printf("%s:%ld:%s: ", path, yylineno, word);
  vprintf(format, args);
  printf("\n");
  fflush(stdout);
  if (ferrptr) {
    fprintf(ferrptr, "%s[yy] %s %ld : ", word, path, yylineno);
    vfprintf(ferrptr, format, copy);
    fprintf(ferrptr, "\n");
    fflush(ferrptr);
  }
  va_end(copy);
}

void yyerror(const char *format, ...) {
  error_count++;
  if (error_level <= 0)
    return;
  va_list args;
  va_start(args, format);
  s_report("Error", format, args);
  va_end(args);
}

void yywarning(const char *format, ...) {
  if (error_level <= 1)
    return;
  warning_count++;
  va_list args;
  va_start(args, format);
  s_report("Warning", format, args);
  va_end(args);
}

void yymessage(const char *format, ...) {
  if (error_level <= 2)
    return;
  message_count++;
  va_list args;
  va_start(args, format);
  s_report("Message", format, args);
  va_end(args);
}

void vprint_error(FILE *file, const char *format, va_list args) {
  if (!file)
    return;
  vfprintf(file, format, args);
  fflush(file);
}

void print_error(FILE *file, const char *format, ...) {
  va_list args;
  va_start(args, format);
  vprint_error(file, format, args);
  va_end(args);
}

void _err_output(FILE *file, const char *format, ...) {
  va_list args;
  va_start(args, format);
  vprint_error(file, format, args);
  va_end(args);
}

// The internal records without an explanation of their own.
static const char *s_long_text(const message_record &rec) {
  if (rec.long_text && rec.long_text[0])
    return rec.long_text;
  if (rec.number < 500)
    return "Internal compiler failure; no further explanation is available.";
  return rec.long_text ? rec.long_text : "";
}

void fatal_unwind_counted() {
  ++error_count;
  throw FatalUnwind{};
}

void fatal_out_of_memory() {
  post_error(101);
  throw FatalUnwind{};  // 101 is fatal; this only covers a suppressed report
}

void show_message_list() {
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    if (message_table[i].number >= 500)
      printf("%d: %s\n", static_cast<int>(message_table[i].number), message_table[i].short_text);
}

void show_message_help(long number) {
  if (number == 0) {
    for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
      if (message_table[i].number >= 500)
        printf("%d: %s\n%s\n\n", static_cast<int>(message_table[i].number), message_table[i].short_text,
               s_long_text(message_table[i]));
    return;
  }
  const message_record *rec = s_find(number);
  if (rec)
    printf("%d: %s\n%s\n", static_cast<int>(rec->number), rec->short_text, s_long_text(*rec));
}

extern "C" void __assert(const char *, const char *, int) noexcept {
  fflush(stdout);
  if (show_assert_lineno)
    fprintf(stderr, "Internal compiler error processing %s: %lu\n", yyfilename,
            static_cast<unsigned long>(yylineno));
  else
    fprintf(stderr, "Internal compiler error\n");
  fflush(stderr);
  abort();
}
