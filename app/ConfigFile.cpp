#include "ConfigFile.h"

#include <windows.h>

#include <cstdlib>

namespace {
constexpr wchar_t kSentinel[] = L"error";
}

std::wstring GetModuleFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t drive[_MAX_DRIVE] = {};
    wchar_t directory[_MAX_DIR] = {};
    _wsplitpath_s(path, drive, _MAX_DRIVE, directory, _MAX_DIR, nullptr, 0, nullptr, 0);
    return std::wstring(drive) + directory;
}

std::wstring ReadConfigValue(const std::wstring& key)
{
    std::wstring file = GetModuleFolder() + L"config.ini";
    wchar_t value[512] = {};
    ::GetPrivateProfileStringW(L"kwrn", key.c_str(), kSentinel, value, 512, file.c_str());
    return value;
}

std::wstring ReadConfigValueOr(const std::wstring& key, const std::wstring& fallback)
{
    std::wstring value = ReadConfigValue(key);
    return value == kSentinel ? fallback : value;
}
