// What WinMain receives as its command line, from the whole one.
#include "runtime/runtime.h"

namespace runtime {

const char* CommandTail(const char* line) {
  if (!line) return "";
  if (*line == '"') {
    ++line;
    while (*line && *line != '"') ++line;
    if (*line == '"') ++line;
  } else {
    while (*line && *line != ' ' && *line != '\t') ++line;
  }
  while (*line == ' ' || *line == '\t') ++line;
  return line;
}

}  // namespace runtime
