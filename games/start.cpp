#include "games/start.h"

#include <array>

#include "registry/numbers.h"

namespace games {

namespace {

constexpr const char* kSwitch = "/game";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// An entry's name: up to the first "=" after its first letter, so that
// the drive entries ("=C:=C:\GAMES") keep their leading "=".
std::string EntryName(const std::string& entry) {
  const std::size_t equals = entry.find('=', 1);
  return entry.substr(0, equals);
}

// Names in the order Windows keeps its own block: ignoring case, with
// "_" after the letters as in upper case.
bool Before(const std::string& a, const std::string& b) {
  const std::size_t size = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char x = Upper(a[i]), y = Upper(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  return a.size() < b.size();
}

}  // namespace

std::optional<GameCommand> SplitGameCommand(const std::string& tail) {
  std::size_t at = 0;
  while (at < tail.size() && IsBlank(tail[at])) ++at;
  std::size_t end = at;
  while (end < tail.size() && !IsBlank(tail[end])) ++end;
  if (!registry::SameText(tail.substr(at, end - at), kSwitch)) return std::nullopt;
  at = end;
  while (at < tail.size() && IsBlank(tail[at])) ++at;
  GameCommand command;
  if (at < tail.size() && tail[at] == '"') {
    const std::size_t close = tail.find('"', at + 1);
    end = close == std::string::npos ? tail.size() : close;
    command.path = tail.substr(at + 1, end - at - 1);
    if (close != std::string::npos) ++end;
  } else {
    end = at;
    while (end < tail.size() && !IsBlank(tail[end])) ++end;
    command.path = tail.substr(at, end - at);
  }
  command.rest = tail.substr(end);
  return command;
}

std::string GameCommandLine(const GameCommand& command) {
  std::string line = "\"";
  line += command.path;
  line += '"';
  line += command.rest;
  return line;
}

std::string EnvironmentBlock(const std::string& current, const Game& game) {
  std::array<bool, kVariables> pending{};
  for (int variable = 0; variable < kVariables; ++variable) {
    pending[variable] = game.values[variable].has_value();
  }
  std::string block;
  // Puts the game's variables whose names come before `name` in, in the
  // names' order; all that are left for "".
  const auto put_before = [&](const std::string& name) {
    for (;;) {
      int next = -1;
      for (int variable = 0; variable < kVariables; ++variable) {
        if (pending[variable] &&
            (next < 0 || Before(kVariableNames[variable], kVariableNames[next]))) {
          next = variable;
        }
      }
      if (next < 0 || (!name.empty() && !Before(kVariableNames[next], name))) return;
      pending[next] = false;
      (((block += kVariableNames[next]) += '=') += *game.values[next]) += '\0';
    }
  };
  std::size_t start = 0;
  while (start < current.size() && current[start] != '\0') {
    std::size_t end = current.find('\0', start);
    if (end == std::string::npos) end = current.size();
    const std::string entry = current.substr(start, end - start);
    const std::string name = EntryName(entry);
    start = end + 1;
    bool replaced = false;
    for (int variable = 0; variable < kVariables; ++variable) {
      replaced =
          replaced || (game.values[variable] && registry::SameText(name, kVariableNames[variable]));
    }
    if (replaced) continue;
    if (name[0] != '=') put_before(name);
    (block += entry) += '\0';
  }
  put_before("");
  return block + '\0';
}

}  // namespace games
