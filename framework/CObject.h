#pragma once

class CObject;

// Run-time class record: the class's name, its base's record and, for
// dynamically creatable classes, a factory.
struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;
    CObject* (*m_pfnCreateObject)();

    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* cls) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

#define DECLARE_DYNAMIC(theClass)                          \
public:                                                    \
    static const CRuntimeClass class##theClass;            \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(theClass) \
    DECLARE_DYNAMIC(theClass)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(theClass, baseClass, pfnNew)                                  \
    const CRuntimeClass theClass::class##theClass = {#theClass, RUNTIME_CLASS(baseClass), pfnNew}; \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }

#define IMPLEMENT_DYNAMIC(theClass, baseClass) IMPLEMENT_RUNTIMECLASS(theClass, baseClass, nullptr)

#define IMPLEMENT_DYNCREATE(theClass, baseClass)                    \
    CObject* theClass::CreateObject() { return new theClass; }      \
    IMPLEMENT_RUNTIMECLASS(theClass, baseClass, theClass::CreateObject)
