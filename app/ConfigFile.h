#pragma once
#include <string>

// The folder of the running executable, drive and directory, ending in a
// path separator ("D:\Apps\Client\").
std::wstring GetModuleFolder();

// The value of `key` in section [kwrn] of config.ini beside the executable,
// read afresh, at most 511 characters; "error" when the file, the section or
// the key is missing.
std::wstring ReadConfigValue(const std::wstring& key);

// The reader rule: the value of `key`, or `fallback` when the value is
// exactly "error". An empty value is a value.
std::wstring ReadConfigValueOr(const std::wstring& key, const std::wstring& fallback);
