#pragma once
#include <windows.h>
#include <oleauto.h>

// A VARIANT that is initialised on construction and cleared on destruction.
class CVariant : public VARIANT {
public:
    CVariant() { ::VariantInit(this); }
    ~CVariant() { ::VariantClear(this); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;
    void Clear() { ::VariantClear(this); }
};
