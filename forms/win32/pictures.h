// JPEG pictures through OLE (OleLoadPicturePath), kept by path so that an
// image can be painted before and after its window exists.
#pragma once

#include <windows.h>

#include <map>
#include <string>

struct IPicture;

namespace forms::win32 {

class Pictures {
 public:
  Pictures() = default;
  ~Pictures();
  Pictures(const Pictures&) = delete;
  Pictures& operator=(const Pictures&) = delete;

  // Loads the file at a UTF-8 path; false when it cannot be read.
  bool Load(const std::string& path);
  // Paints the picture loaded from `path` stretched over `rect`; false
  // when there is none.
  bool Render(const std::string& path, HDC dc, const RECT& rect) const;

 private:
  std::map<std::string, IPicture*> loaded_;
};

}  // namespace forms::win32
