// Keeps the C++ runtime's error reporting and its prebuilt string code out
// of the shipped programs (Windows builds only). The program is built without
// exceptions, so a runtime error can only end it: each of these ends it at
// once, where the runtime's own versions would pull in exception objects,
// a symbol demangler and a formatted-output engine. The string classes are
// instantiated here, without unwind tables, so that the linker keeps only
// the members the program calls instead of the runtime's whole prebuilt
// copy. Together this takes each program down by about 200 KiB.
#include <cstdlib>
#include <string>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }

template class basic_string<char>;
template class basic_string<wchar_t>;

}  // namespace std
