#pragma once
#include <windows.h>

class COccManager;

// Switches on the hosting of ActiveX controls in dialogs. Hosting needs an
// OLE apartment on the UI thread, so the first call enters one; the
// framework leaves it when the application ends.
BOOL AfxEnableControlContainer(COccManager* manager = nullptr);
bool AfxControlContainerEnabled();
void AfxControlContainerTerm();
