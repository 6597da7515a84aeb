// The preprocessed text. In: tokens after macro replacement with their
// presumed file and line, and #pragma lines. Out: the output file, one source
// line per output line, with a line marker "#line N \"FILE\"" at the start,
// whenever the file changes (entering a file, even one that writes nothing,
// so that the compiler records it; returning, also at the very end; #line)
// and whenever the line would drift by more than a few blank lines. A blank
// goes between two tokens where the source had white space, and wherever
// writing them side by side would make them read back as a different token.
// A '#' that starts a line of text stays alone on its line, so it never reads
// back as a directive.
#include <cstring>

#include "cppqx/pp.h"

// Blank lines written instead of a marker when the source skips lines.
constexpr long OUT_MAX_BLANK_LINES = 8;

static void s_flush(Output &o) {
  if (!o.file || o.buf.empty())
    return;
  if (fwrite(o.buf.data(), 1, o.buf.size(), o.file) != o.buf.size())
    o.failed = true;
  o.buf.clear();
}

bool out_open(Pp &pp, const char *path) {
  pp.out.file = fopen(path, "wb");
  pp.out.buf.reserve(1 << 17);
  return pp.out.file != nullptr;
}

static void s_marker(Pp &pp, long line) {
  Output &o = pp.out;
  if (!o.at_bol)
    o.buf += '\n';
  o.buf += "#line ";
  o.buf += std::to_string(line);
  o.buf += " \"";
  o.buf += pp.stack.back()->name;
  o.buf += "\"\n";
  o.cur_line = line;
  o.cur_gen = pp.file_gen;
  o.at_bol = true;
}

void out_file_start(Pp &pp) { s_marker(pp, 1 + pp.stack.back()->line_delta); }

// Moves the output to the token's line.
static void s_sync(Pp &pp, long line) {
  Output &o = pp.out;
  // A token after a #pragma from _Pragma in the middle of its line must not
  // land on the line below it.
  if (o.cur_gen != pp.file_gen || line > o.cur_line + OUT_MAX_BLANK_LINES || (line < o.cur_line && o.at_bol)) {
    s_marker(pp, line);
  } else if (line > o.cur_line) {
    o.buf.append(static_cast<size_t>(line - o.cur_line), '\n');
    o.cur_line = line;
    o.at_bol = true;
  }
}

// Whether the previous token and t written side by side would scan differently.
static bool s_would_paste(Pp &pp, const Output &o, const Token &t) {
  if (o.prev_len == 0 || t.len == 0)
    return false;
  std::string joined(o.prev_text, o.prev_len);
  joined.append(t.text, t.len < 3 ? t.len : 3);
  // A comment opener, and dots that a third one would turn into "...".
  if (joined[o.prev_len - 1] == '/' && (t.text[0] == '/' || t.text[0] == '*'))
    return true;
  if (joined[o.prev_len - 1] == '.' && t.text[0] == '.')
    return true;
  Token probe;
  probe.flags = 0;
  const char *end = lex_scan(pp, joined.c_str(), probe);
  return end != joined.c_str() + o.prev_len;
}

void out_token(Pp &pp, const Token &t) {
  Output &o = pp.out;
  s_sync(pp, t.line);
  // A line of text that starts with '#' (left there by macro replacement)
  // would read back as "#line" or "#pragma" if the next token were one of
  // those names; the rest of the line moves below a marker for the same line.
  if (o.hash_first && !o.at_bol)
    s_marker(pp, t.line);
  o.hash_first = o.at_bol && t.kind == TK_PUNCT && t.code == P_HASH;
  if (!o.at_bol) {
    if (t.flags & TF_SPACE)
      o.buf += ' ';
    else if ((o.check_paste || o.prev_macro || (t.flags & TF_MACRO)) && s_would_paste(pp, o, t))
      o.buf += ' ';
  }
  o.buf.append(t.text, t.len);
  o.prev_text = t.text;
  o.prev_len = t.len;
  o.prev_macro = (t.flags & TF_MACRO) != 0;
  o.check_paste = false;
  o.at_bol = false;
  if (t.flags & TF_UNTERMINATED)
    pp_warning(pp, t.line, "missing terminating %c character", t.kind == TK_CHAR ? '\'' : '"');
  if (o.buf.size() >= (1 << 16))
    s_flush(o);
}

void out_pragma(Pp &pp, long line, const std::string &text) {
  Output &o = pp.out;
  s_sync(pp, line);
  if (!o.at_bol)
    s_marker(pp, line);
  o.buf += text.empty() ? "#pragma" : "#pragma ";
  o.buf += text;
  o.buf += '\n';
  o.cur_line++;
  o.at_bol = true;
  o.prev_len = 0;
}

void out_close(Pp &pp) {
  Output &o = pp.out;
  if (o.cur_gen == 0 && !pp.stack.empty())
    s_marker(pp, 1);
  // Back in the source after an include (or a #line) with no text left to
  // write: a closing marker still names it, so that what the compiler reports
  // at the end of the unit is placed in the source, not in the last header.
  if (o.cur_gen != 0 && o.cur_gen != pp.file_gen && pp.stack.size() == 1) {
    const SrcFile &f = *pp.stack.back();
    s_marker(pp, static_cast<long>(f.line) + f.line_delta);
  }
  if (!o.at_bol)
    o.buf += '\n';
  s_flush(o);
  if (o.file && fclose(o.file) != 0)
    o.failed = true;
  o.file = nullptr;
}
