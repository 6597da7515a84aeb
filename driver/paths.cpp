// Host path services. In: paths as the user or a line marker wrote them.
// Out: directory parts, file parts and absolute paths on this host.
#include "driver/paths.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

static const char *s_last_separator(const char *path) {
  const char *slash = strrchr(path, '/');
  return slash ? slash : strrchr(path, '\\');
}

size_t pathdir(char *buffer, const char *path, size_t size) {
  const char *sep = s_last_separator(path);
  size_t dirlen = sep ? static_cast<size_t>(sep - path) : 0;
  size_t needed = sep ? dirlen + 2 : 2;
  // Without a separator the result is "." and a separator: it needs three
  // bytes with the terminator although the size reported for it is 2.
  size_t room = sep ? needed : 3;
  if (!buffer || size < room)
    return needed;
  if (!sep) {
    strcpy(buffer, "./");
    return 2;
  }
  memcpy(buffer, path, dirlen);
  buffer[dirlen] = '\0';
  if (dirlen == 0 || (buffer[dirlen - 1] != '/' && buffer[dirlen - 1] != '\\')) {
    buffer[dirlen++] = '/';
    buffer[dirlen] = '\0';
  }
  return dirlen;
}

const char *pathfile(const char *path) {
  const char *sep = s_last_separator(path);
  return sep ? sep + 1 : path;
}

void velc_fullpath(char *out, const char *name, size_t size) {
  if (size == 0)
    return;
  char resolved[PATH_MAX];
  if (name[0] && realpath(name, resolved)) {
    snprintf(out, size, "%s", resolved);
    return;
  }
  if (name[0] == '/') {
    snprintf(out, size, "%s", name);
    return;
  }
  char cwd[PATH_MAX];
  if (!getcwd(cwd, sizeof cwd))
    cwd[0] = '\0';
  snprintf(out, size, "%s/%s", cwd, name);
}
