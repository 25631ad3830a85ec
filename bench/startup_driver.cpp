// startup_driver ROUNDS PROGRAM WAIT BASELINE WAIT [REFILL]: times how long
// each of two programs takes from CreateProcessA to its first visible
// window, in rounds that start each once, and prints every start, the
// medians and the median of the rounds' ratios (PROGRAM to BASELINE).
//
// WAIT says which window counts, always one of the started process:
//   form:NAME   a top-level window whose "Name" property is NAME
//   title:TEXT  a top-level window titled TEXT
//   box         a message box ("#32770"), answered with OK
// Forms are closed with WM_CLOSE; the driver then waits for the process to
// end before the next start. The starts alternate A B B A ..., after one
// start of each that is not counted (Wine loads its DLLs from disk once).
// REFILL is a folder whose files are copied into PROGRAM's folder before
// each of its starts (the uninstaller deletes the program's files).
//
// Rounds go on until the median ratio is known to within kPrecision either
// way (its 95% interval from the sorted ratios, which assumes nothing of
// their spread), after kMinRounds and at most ROUNDS: two runs then agree
// within twice kPrecision.
//
// Output, one line each:  start NAME ROUND MS,  median NAME MS  and
//   ratio MEDIAN LOW HIGH ROUNDS
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/win32/automation.h"

namespace {

constexpr DWORD kAppearTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr int kMinRounds = 15;
constexpr double kPrecision = 0.02;

struct Target {
  std::string path;
  std::string wait;  // form:NAME, title:TEXT or box
  std::string refill;
  std::vector<double> times;
};

struct Search {
  DWORD process = 0;
  const Target* target = nullptr;
  HWND found = nullptr;
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Matches(HWND hwnd, const std::string& wait) {
  if (wait.rfind("form:", 0) == 0) return forms::automation::HasName(hwnd, wait.substr(5));
  char text[256] = {};
  if (wait.rfind("title:", 0) == 0) {
    GetWindowTextA(hwnd, text, sizeof text);
    return wait.substr(6) == text;
  }
  GetClassNameA(hwnd, text, sizeof text);
  return lstrcmpA(text, "#32770") == 0;
}

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != search->process || !IsWindowVisible(hwnd)) return TRUE;
  if (!Matches(hwnd, search->target->wait)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND FindVisible(DWORD process, const Target& target) {
  Search search;
  search.process = process;
  search.target = &target;
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Refill(const Target& target) {
  if (target.refill.empty()) return;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((target.refill + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CopyFileA((target.refill + "\\" + found.cFileName).c_str(),
              (FolderOf(target.path) + "\\" + found.cFileName).c_str(), FALSE);
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

// Lets the program go: OK for a message box, the close box for a form.
void Dismiss(HWND hwnd, const Target& target) {
  if (target.wait == "box") {
    PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
  } else {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  }
}

// One start; the milliseconds until the window showed, or -1.
double TimeOneStart(const Target& target) {
  Refill(target);
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + target.path + "\"";
  const std::string folder = FolderOf(target.path);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(target.path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", target.path.c_str(), GetLastError());
    return -1;
  }
  HWND shown = nullptr;
  for (;;) {
    shown = FindVisible(process.dwProcessId, target);
    QueryPerformanceCounter(&end);
    if (shown) break;
    const double waited = 1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart;
    if (waited > kAppearTimeoutMs || WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
      break;
    }
  }
  double ms = -1;
  if (shown) {
    ms = 1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart;
    Dismiss(shown, target);
  } else {
    std::fprintf(stderr, "%s: no window appeared (%s)\n", target.path.c_str(), target.wait.c_str());
  }
  if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "%s did not end; terminating it\n", target.path.c_str());
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, kExitTimeoutMs);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ms;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The median of `values` and its 95% interval: the sorted values that many
// places in from either end.
struct Interval {
  double median, low, high;
};

Interval MedianInterval(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const double n = static_cast<double>(values.size());
  const auto in = static_cast<std::size_t>(std::max(0.0, (n - 1.96 * std::sqrt(n)) / 2));
  return {Median(values), values[in], values[values.size() - 1 - in]};
}

bool Measure(Target& target, int round) {
  const double ms = TimeOneStart(target);
  if (ms < 0) return false;
  if (round > 0) {
    target.times.push_back(ms);
    std::printf("start %s %d %.1f\n", BaseName(target.path).c_str(), round, ms);
    std::fflush(stdout);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: startup_driver ROUNDS PROGRAM WAIT BASELINE WAIT [REFILL]\n");
    return 2;
  }
  const int rounds = std::atoi(argv[1]);
  Target program{argv[2], argv[3], argc > 6 ? argv[6] : "", {}};
  Target baseline{argv[4], argv[5], "", {}};
  std::vector<double> ratios;
  Interval ratio{0, 0, 0};
  // Round 0 warms up; in odd rounds the program goes first, in even ones
  // the baseline, so a drifting machine weighs on both alike.
  for (int round = 0; round <= rounds; ++round) {
    Target* first = round % 2 ? &program : &baseline;
    Target* second = first == &program ? &baseline : &program;
    if (!Measure(*first, round) || !Measure(*second, round)) return 1;
    if (round == 0) continue;
    ratios.push_back(program.times.back() / baseline.times.back());
    ratio = MedianInterval(ratios);
    if (round >= kMinRounds && ratio.high - ratio.low <= 2 * kPrecision) break;
  }
  std::printf("median %s %.1f\n", BaseName(program.path).c_str(), Median(program.times));
  std::printf("median %s %.1f\n", BaseName(baseline.path).c_str(), Median(baseline.times));
  std::printf("ratio %.3f %.3f %.3f %d\n", ratio.median, ratio.low, ratio.high,
              static_cast<int>(ratios.size()));
  return 0;
}
