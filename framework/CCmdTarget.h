#pragma once
#include "CObject.h"
#include "MessageMap.h"

// Base of everything that receives messages or commands through a message map.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Finds the first entry for `message` (for WM_COMMAND, one whose range
    // holds `id`), walking from this class's map down through its bases.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT id) const;

    // Routes command `id`; true when some handler took it.
    virtual BOOL OnCmdMsg(UINT id);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};
