#pragma once
#include "CWnd.h"

// A static control.
class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};
