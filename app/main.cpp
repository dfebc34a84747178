#include <windows.h>

#include "framework/CWinApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCmd)
{
    return AfxWinMain(instance, previous, commandLine, showCmd);
}
