#include "forms/win32/text.h"

#include <windows.h>

namespace forms::win32 {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, or 0 for a stray byte.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

void AppendCodePoint(std::wstring& out, unsigned long code) {
  if (code < 0x10000) {
    out.push_back(static_cast<wchar_t>(code));
    return;
  }
  code -= 0x10000;
  out.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
  out.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
}

void AppendUtf8(std::string& out, unsigned long code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

std::wstring Utf8ToWide(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    unsigned long code = length == 1 ? lead : lead & (0xFF >> (length + 1));
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not text.
    static const unsigned long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valid || code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    AppendCodePoint(out, code);
    i += length;
  }
  return out;
}

std::string WideToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned long code = static_cast<unsigned short>(text[i]);
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size()) {
      const unsigned long low = static_cast<unsigned short>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    AppendUtf8(out, code);
  }
  return out;
}

std::string Utf8ToAnsi(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  if (wide.empty()) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &out[0], size, nullptr,
                      nullptr);
  return out;
}

std::string AnsiToUtf8(const std::string& text) {
  if (text.empty()) return std::string();
  const int size =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (size <= 0) return std::string();
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
  return WideToUtf8(wide);
}

}  // namespace forms::win32
