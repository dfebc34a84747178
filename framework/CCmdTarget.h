#pragma once
#include "CObject.h"
#include "DispatchMap.h"
#include "MessageMap.h"

class CCmdTargetDispatch;

// Base of everything that receives messages or commands through a message map.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override;

    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Finds the first entry for `message` (for WM_COMMAND, one whose range
    // holds `id`), walking from this class's map down through its bases.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT id) const;

    // Routes command `id`; true when some handler took it.
    virtual BOOL OnCmdMsg(UINT id);

    // Gives the object an IDispatch built from its dispatch map.
    void EnableAutomation();
    // The object's IDispatch (null before EnableAutomation), with a
    // reference added when `addRef` is set.
    IDispatch* GetIDispatch(BOOL addRef);
    virtual const AFX_DISPMAP* GetDispatchMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    static const AFX_DISPMAP* GetThisDispatchMap();

private:
    CCmdTargetDispatch* m_pDispatch = nullptr;  // lives on while callers hold references
};
