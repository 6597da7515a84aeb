// Diagnostics: the message catalogue, post_error with its two output formats,
// the counters, the level filter and suppression set, the fatal unwind and the
// internal-error report. Shared by the compiler and the preprocessor.
#ifndef VELC_DRIVER_DIAG_H
#define VELC_DRIVER_DIAG_H

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "driver/settings.h"

// Current position: the file the current line comes from and its line number.
// Line markers keep both up to date; every diagnostic prints them.
extern char yyfilename[VELC_PATH_MAX + 1];
extern long yylineno;

// Thrown by post_error on a fatal diagnostic or at the error limit; caught by
// the program's main (the fatal-error return point). Unwinding runs every
// destructor on the way.
struct FatalUnwind {};

struct message_record {
  uint32_t number;
  const char *short_text;  // printf format
  const char *long_text;   // explanation for --help-message
};
extern const message_record message_table[];
extern const int MESSAGE_TABLE_SZ;

extern int maxerror;                 // 25
extern int show_assert_lineno;       // cleared after translation
extern FILE *ferrptr;                // error file, or null
extern char efilename[VELC_PATH_MAX + 1];

int error_init(const char *name);    // 0 on success
void error_uninit();
uint32_t get_error_count();
uint32_t get_warning_count();
uint32_t get_message_count();
// Starts the counts of errors, warnings and messages again at zero and forgets
// the suppressed numbers: a process that runs several compilations calls it
// between them. The level, the limit and the error file are left alone.
void diag_reset();
// Whether a catalogue number is reported as an error: 1000 to 1999, except
// 1157, which is a warning.
bool is_error_message(long number);
void suppress_message(long number);
bool is_message_suppressed(long number);
void retrieve_message(long number, char *buffer, size_t size);
void post_error(long number, ...);
void vpost_error(long number, va_list args);
void yyerror(const char *format, ...);
void yywarning(const char *format, ...);
void yymessage(const char *format, ...);
void print_error(FILE *file, const char *format, ...);
void vprint_error(FILE *file, const char *format, va_list args);
void _err_output(FILE *file, const char *format, ...);
void show_message_list();
// Reports message 101 and unwinds: the compilation cannot go on.
[[noreturn]] void fatal_out_of_memory();
// Counts one error and unwinds, after a fatal report its caller printed in
// its own words (the selector's "Bad terminal NAME" and the like).
[[noreturn]] void fatal_unwind_counted();
void show_message_help(long number);

// Internal-error report: prints "Internal compiler error..." and aborts.
// Same signature as the C library's so that <assert.h> may be included too.
extern "C" [[noreturn]] void __assert(const char *expression, const char *file, int line) noexcept;
#define VELC_ASSERT(e) ((e) ? (void)0 : __assert(#e, __FILE__, __LINE__))

#endif
