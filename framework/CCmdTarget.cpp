#include "CCmdTarget.h"

#include "CCmdTargetDispatch.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfnThunk; ++e) {
            if (e->nMessage != message) continue;
            if (message != WM_COMMAND || (id >= e->nFirstID && id <= e->nLastID)) return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, id);
    if (!entry) return FALSE;
    LRESULT ignored = 0;
    entry->pfnThunk(this, WM_COMMAND, MAKEWPARAM(id, 0), 0, ignored);
    return TRUE;
}

CCmdTarget::~CCmdTarget()
{
    if (m_pDispatch) m_pDispatch->Disconnect();
}

const AFX_DISPMAP* CCmdTarget::GetThisDispatchMap()
{
    static const AFX_DISPMAP_ENTRY entries[] = {{nullptr, VT_EMPTY, nullptr, nullptr}};
    static const AFX_DISPMAP map = {nullptr, entries};
    return &map;
}

const AFX_DISPMAP* CCmdTarget::GetDispatchMap() const { return GetThisDispatchMap(); }

void CCmdTarget::EnableAutomation()
{
    if (!m_pDispatch) m_pDispatch = CCmdTargetDispatch::Create(this);
}

IDispatch* CCmdTarget::GetIDispatch(BOOL addRef)
{
    if (m_pDispatch && addRef) m_pDispatch->AddRef();
    return m_pDispatch;
}
