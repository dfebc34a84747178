#pragma once
#include <windows.h>

#include <vector>

// The DLGINIT records of a dialog template: per record a control id, a
// message and the bytes to send. The resource stays loaded with its module.
class DialogInitData {
public:
    struct Record {
        WORD control;
        WORD message;
        const BYTE* bytes;
        DWORD length;
    };

    DialogInitData(HINSTANCE module, LPCWSTR templateName);
    const std::vector<Record>& Records() const { return m_records; }
    // False when a record runs past the end of the resource; the records
    // before it are still listed.
    bool Complete() const { return m_complete; }
    const Record* Find(WORD control, WORD message) const;

private:
    std::vector<Record> m_records;
    bool m_complete = true;
};
