// The texts every settings window shares: its OK and Cancel buttons.
#pragma once

namespace look::english {
constexpr const char* kOk = "&OK";
constexpr const char* kCancel = "&Cancel";
}  // namespace look::english

namespace look::dutch {
constexpr const char* kCancel = "Annuleren";
}  // namespace look::dutch
