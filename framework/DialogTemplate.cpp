#include "DialogTemplate.h"

#include <cstring>

#include "COleControlSite.h"

namespace {

// Walks a DLGTEMPLATEEX; every read is checked against the resource's size.
class Cursor {
public:
    Cursor(const BYTE* data, size_t size) : m_data(data), m_size(size) {}
    size_t Offset() const { return m_offset; }
    bool Ok() const { return m_ok; }
    void Skip(size_t bytes) { Advance(bytes); }
    void AlignDword() { Advance(((m_offset + 3) & ~size_t(3)) - m_offset); }
    template <typename T>
    T Read()
    {
        T value{};
        if (m_offset + sizeof(T) <= m_size) std::memcpy(&value, m_data + m_offset, sizeof(T));
        Advance(sizeof(T));
        return value;
    }
    // A string or ordinal field; returns the string (empty for an ordinal).
    std::wstring ReadSzOrOrdinal()
    {
        WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            Read<WORD>();
            return {};
        }
        std::wstring text;
        for (WORD c = first; c && m_ok; c = Read<WORD>()) text += static_cast<wchar_t>(c);
        return text;
    }

private:
    void Advance(size_t bytes)
    {
        m_offset += bytes;
        if (m_offset > m_size) m_ok = false;
    }
    const BYTE* m_data;
    size_t m_size;
    size_t m_offset = 0;
    bool m_ok = true;
};

constexpr size_t kItemCountOffset = 16;  // of cDlgItems in DLGTEMPLATEEX

}  // namespace

DialogTemplate::DialogTemplate(HINSTANCE module, LPCWSTR name, bool extractControls)
{
    HRSRC found = ::FindResourceW(module, name, MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found) return;
    m_size = ::SizeofResource(module, found);
    m_resource = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    if (m_resource && extractControls) Extract();
}

const DLGTEMPLATE* DialogTemplate::Get() const
{
    return reinterpret_cast<const DLGTEMPLATE*>(m_converted.empty() ? m_resource : m_converted.data());
}

void DialogTemplate::Extract()
{
    Cursor c(m_resource, m_size);
    if (c.Read<WORD>() != 1 || c.Read<WORD>() != 0xFFFF) return;  // only extended templates name controls
    c.Skip(8);
    DWORD style = c.Read<DWORD>();
    WORD items = c.Read<WORD>();
    c.Skip(8);
    c.ReadSzOrOrdinal();
    c.ReadSzOrOrdinal();
    c.ReadSzOrOrdinal();
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        c.Skip(6);
        c.ReadSzOrOrdinal();
    }
    if (!c.Ok()) return;

    std::vector<BYTE> kept(m_resource, m_resource + c.Offset());
    std::vector<DialogControlItem> controls;
    WORD keptItems = 0;
    for (WORD i = 0; i < items; ++i) {
        c.AlignDword();
        size_t start = c.Offset();
        c.Skip(8);
        DWORD itemStyle = c.Read<DWORD>();
        short x = c.Read<short>(), y = c.Read<short>(), cx = c.Read<short>(), cy = c.Read<short>();
        DWORD id = c.Read<DWORD>();
        std::wstring className = c.ReadSzOrOrdinal();
        c.ReadSzOrOrdinal();
        c.Skip(c.Read<WORD>());
        if (!c.Ok()) return;
        if (IsControlClassName(className.c_str())) {
            controls.push_back({static_cast<UINT>(id), className, RECT{x, y, x + cx, y + cy}, itemStyle});
            continue;
        }
        kept.resize((kept.size() + 3) & ~size_t(3));
        kept.insert(kept.end(), m_resource + start, m_resource + c.Offset());
        ++keptItems;
    }
    if (controls.empty()) return;
    std::memcpy(kept.data() + kItemCountOffset, &keptItems, sizeof(keptItems));
    m_converted = std::move(kept);
    m_controls = std::move(controls);
}
