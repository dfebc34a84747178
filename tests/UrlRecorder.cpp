// Stands in for the default web browser: appends the address it was asked to
// open to recorded-urls.txt beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path);
    file = file.substr(0, file.find_last_of(L"\\/") + 1) + L"recorded-urls.txt";
    FILE* out = _wfopen(file.c_str(), L"a, ccs=UTF-8");
    if (!out) return 1;
    fwprintf(out, L"%ls\n", argc > 1 ? argv[1] : L"");
    fclose(out);
    return 0;
}
