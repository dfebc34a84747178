#pragma once
#include <windows.h>
#include <objidl.h>

// A new memory stream holding a copy of `size` bytes, positioned at its
// start, or null. The stream frees its memory with its last reference.
IStream* CreateStreamOverBytes(const void* bytes, ULONG size);
