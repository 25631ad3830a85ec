// The one user32 call the placeholder programs make, declared by hand so
// that <windows.h> stays inside the platform layers.
#pragma once

extern "C" __declspec(dllimport) int __stdcall MessageBoxA(void* owner, const char* text,
                                                           const char* caption, unsigned type);
