#include "DialogInitData.h"

#include <cstring>

DialogInitData::DialogInitData(HINSTANCE module, LPCWSTR templateName)
{
    HRSRC found = ::FindResourceW(module, templateName, MAKEINTRESOURCEW(240) /* RT_DLGINIT */);
    if (!found) return;
    auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    DWORD size = ::SizeofResource(module, found);
    if (!data) return;

    // Records: control id (16 bits), message (16 bits), length (32 bits),
    // bytes; not aligned; a zero control id ends the list.
    for (DWORD offset = 0; offset + 2 <= size;) {
        Record record{};
        std::memcpy(&record.control, data + offset, 2);
        if (record.control == 0 || offset + 8 > size) break;
        std::memcpy(&record.message, data + offset + 2, 2);
        std::memcpy(&record.length, data + offset + 4, 4);
        offset += 8;
        if (record.length > size - offset) {
            m_complete = false;
            break;
        }
        record.bytes = data + offset;
        offset += record.length;
        m_records.push_back(record);
    }
}

const DialogInitData::Record* DialogInitData::Find(WORD control, WORD message) const
{
    for (const Record& record : m_records)
        if (record.control == control && record.message == message) return &record;
    return nullptr;
}
