// The memory and string routines the compiler and the C++ headers call.
// Plain byte loops: the strings here are short, and a 486 has no faster
// way that is worth the code. Built with -fno-builtin and without loop
// pattern replacement, so that none of them turns into a call to itself.
#include <cstddef>

extern "C" {

void* memcpy(void* to, const void* from, std::size_t count) {
  auto* out = static_cast<unsigned char*>(to);
  const auto* in = static_cast<const unsigned char*>(from);
  while (count--) *out++ = *in++;
  return to;
}

void* memmove(void* to, const void* from, std::size_t count) {
  auto* out = static_cast<unsigned char*>(to);
  const auto* in = static_cast<const unsigned char*>(from);
  if (out <= in || out >= in + count) {
    while (count--) *out++ = *in++;
  } else {
    out += count;
    in += count;
    while (count--) *--out = *--in;
  }
  return to;
}

void* memset(void* to, int byte, std::size_t count) {
  auto* out = static_cast<unsigned char*>(to);
  while (count--) *out++ = static_cast<unsigned char>(byte);
  return to;
}

int memcmp(const void* a, const void* b, std::size_t count) {
  const auto* left = static_cast<const unsigned char*>(a);
  const auto* right = static_cast<const unsigned char*>(b);
  for (; count; --count, ++left, ++right) {
    if (*left != *right) return *left < *right ? -1 : 1;
  }
  return 0;
}

void* memchr(const void* where, int byte, std::size_t count) {
  const auto* in = static_cast<const unsigned char*>(where);
  for (; count; --count, ++in) {
    if (*in == static_cast<unsigned char>(byte)) return const_cast<unsigned char*>(in);
  }
  return nullptr;
}

std::size_t strlen(const char* text) {
  const char* end = text;
  while (*end) ++end;
  return static_cast<std::size_t>(end - text);
}

// The wide versions std::wstring calls (wchar_t is 16 bits on Windows).
std::size_t wcslen(const wchar_t* text) {
  const wchar_t* end = text;
  while (*end) ++end;
  return static_cast<std::size_t>(end - text);
}

wchar_t* wmemcpy(wchar_t* to, const wchar_t* from, std::size_t count) {
  return static_cast<wchar_t*>(memcpy(to, from, count * sizeof(wchar_t)));
}

wchar_t* wmemmove(wchar_t* to, const wchar_t* from, std::size_t count) {
  return static_cast<wchar_t*>(memmove(to, from, count * sizeof(wchar_t)));
}

wchar_t* wmemset(wchar_t* to, wchar_t value, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) to[i] = value;
  return to;
}

int wmemcmp(const wchar_t* a, const wchar_t* b, std::size_t count) {
  for (; count; --count, ++a, ++b) {
    if (*a != *b) return *a < *b ? -1 : 1;
  }
  return 0;
}

wchar_t* wmemchr(const wchar_t* where, wchar_t value, std::size_t count) {
  for (; count; --count, ++where) {
    if (*where == value) return const_cast<wchar_t*>(where);
  }
  return nullptr;
}

}  // extern "C"
