#include "ControlContainer.h"

#include <ole2.h>

namespace {
bool g_enabled = false;
bool g_oleEntered = false;
}  // namespace

BOOL AfxEnableControlContainer(COccManager*)
{
    if (!g_oleEntered) g_oleEntered = SUCCEEDED(::OleInitialize(nullptr));
    g_enabled = true;
    return TRUE;
}

bool AfxControlContainerEnabled() { return g_enabled; }

void AfxControlContainerTerm()
{
    g_enabled = false;
    if (g_oleEntered) {
        ::OleUninitialize();
        g_oleEntered = false;
    }
}
