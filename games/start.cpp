#include "games/start.h"

#include <vector>

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

std::vector<std::string> Entries(const std::string& block) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start < block.size()) {
    const std::size_t end = block.find('\0', start);
    const std::size_t stop = end == std::string::npos ? block.size() : end;
    if (stop == start) break;  // the block's closing NUL
    entries.push_back(block.substr(start, stop - start));
    start = stop + 1;
  }
  return entries;
}

}  // namespace

std::optional<GameCommand> SplitGameCommand(const std::string& tail) {
  std::size_t at = 0;
  while (at < tail.size() && IsBlank(tail[at])) ++at;
  const std::string word = std::string(kSwitch);
  std::size_t end = at;
  while (end < tail.size() && !IsBlank(tail[end])) ++end;
  if (!SameText(tail.substr(at, end - at), word)) return std::nullopt;
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
  return "\"" + command.path + "\"" + command.rest;
}

std::string EnvironmentBlock(const std::string& current, const Game& game) {
  std::vector<std::string> entries;
  for (const std::string& entry : Entries(current)) {
    bool replaced = false;
    for (int variable = 0; variable < kVariables; ++variable) {
      if (game.values[variable] && SameText(EntryName(entry), kVariableNames[variable])) {
        replaced = true;
      }
    }
    if (!replaced) entries.push_back(entry);
  }
  for (int variable = 0; variable < kVariables; ++variable) {
    if (!game.values[variable]) continue;
    const std::string name = kVariableNames[variable];
    std::size_t place = 0;
    while (place < entries.size() &&
           (entries[place][0] == '=' || !Before(name, EntryName(entries[place])))) {
      ++place;
    }
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(place),
                   name + "=" + *game.values[variable]);
  }
  std::string block;
  for (const std::string& entry : entries) block += entry + '\0';
  return block + '\0';
}

}  // namespace games
