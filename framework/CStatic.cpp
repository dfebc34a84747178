#include "CStatic.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
