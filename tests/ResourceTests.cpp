#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/CHandle.h"
#include "res/resource.h"
#include "ui/translucent/LoadResourceImage.h"

namespace {

constexpr WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);  // 0x0804
constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);          // 0x0409

// Veyrath.exe's resources, read as data.
class ProgramResources : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module = ::LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite()
    {
        ::FreeLibrary(module);
        module = nullptr;
    }
    void SetUp() override { ASSERT_NE(module, nullptr); }

    static std::string Bytes(LPCWSTR type, UINT id, WORD language)
    {
        HRSRC found = ::FindResourceExW(module, type, MAKEINTRESOURCEW(id), language);
        if (!found) return {};
        auto* data = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
        return std::string(data, ::SizeofResource(module, found));
    }

    static HMODULE module;
};
HMODULE ProgramResources::module = nullptr;

// Reads a DLGTEMPLATEEX front to back.
class TemplateReader {
public:
    explicit TemplateReader(const std::string& bytes) : m_bytes(bytes) {}
    template <typename T>
    T Read()
    {
        T value{};
        if (m_offset + sizeof(T) <= m_bytes.size()) std::memcpy(&value, m_bytes.data() + m_offset, sizeof(T));
        m_offset += sizeof(T);
        return value;
    }
    // A string, or "#<ordinal>" for an ordinal.
    std::wstring ReadSz()
    {
        WORD first = Read<WORD>();
        if (first == 0xFFFF) return L"#" + std::to_wstring(Read<WORD>());
        std::wstring text;
        for (WORD c = first; c; c = Read<WORD>()) text += wchar_t(c);
        return text;
    }
    void AlignDword() { m_offset = (m_offset + 3) & ~size_t(3); }

private:
    const std::string& m_bytes;
    size_t m_offset = 0;
};

struct DialogHeader {
    DWORD exStyle, style;
    WORD items;
    short x, y, cx, cy;
    std::wstring menu, windowClass, caption;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::wstring face;
};

struct DialogItem {
    DWORD exStyle, style;
    short x, y, cx, cy;
    DWORD id;
    std::wstring windowClass, text;
};

DialogHeader ReadHeader(TemplateReader& reader)
{
    DialogHeader h{};
    EXPECT_EQ(reader.Read<WORD>(), 1);       // version
    EXPECT_EQ(reader.Read<WORD>(), 0xFFFF);  // extended template
    EXPECT_EQ(reader.Read<DWORD>(), 0u);     // help identifier
    h.exStyle = reader.Read<DWORD>();
    h.style = reader.Read<DWORD>();
    h.items = reader.Read<WORD>();
    h.x = reader.Read<short>();
    h.y = reader.Read<short>();
    h.cx = reader.Read<short>();
    h.cy = reader.Read<short>();
    h.menu = reader.ReadSz();
    h.windowClass = reader.ReadSz();
    h.caption = reader.ReadSz();
    h.pointSize = reader.Read<WORD>();
    h.weight = reader.Read<WORD>();
    h.italic = reader.Read<BYTE>();
    h.charset = reader.Read<BYTE>();
    h.face = reader.ReadSz();
    return h;
}

DialogItem ReadItem(TemplateReader& reader)
{
    reader.AlignDword();
    DialogItem item{};
    EXPECT_EQ(reader.Read<DWORD>(), 0u);  // help identifier
    item.exStyle = reader.Read<DWORD>();
    item.style = reader.Read<DWORD>();
    item.x = reader.Read<short>();
    item.y = reader.Read<short>();
    item.cx = reader.Read<short>();
    item.cy = reader.Read<short>();
    item.id = reader.Read<DWORD>();
    item.windowClass = reader.ReadSz();
    item.text = reader.ReadSz();
    WORD extra = reader.Read<WORD>();
    for (WORD i = 0; i < extra; ++i) reader.Read<BYTE>();
    return item;
}

std::wstring Upper(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), ::towupper);
    return text;
}

const wchar_t kAdvisory[] =
    L"【抵制不良游戏，拒绝盗版游戏，注意自我保护，谨防上当受骗，适度游戏益脑，沉迷游戏伤身，合理安排时间，享受健康生活】";

}  // namespace

TEST_F(ProgramResources, DialogLayoutsHaveTheirStylesSizesAndFonts)
{
    struct Case {
        UINT id;
        DWORD style, exStyle;
        short cx, cy;
        const wchar_t* caption;
        WORD pointSize, weight;
        BYTE charset;
        const wchar_t* face;
        WORD items;
    } cases[] = {
        {IDD_LAUNCHER_BACKGROUND, 0x10C90048, 0x00040000, 315, 208, L"Veyrath", 9, 0, 1, L"MS Shell Dlg", 0},
        {IDD_LAUNCHER_PANEL, 0x80000040, 0, 853, 474, L"", 9, 0, 0, L"MS Sans Serif", 4},
        {IDD_GAME, 0x80C008C8, 0x00040000, 835, 415, L"Veyrath", 8, 400, 1, L"MS Shell Dlg", 0},
    };
    for (const Case& c : cases) {
        std::string bytes = Bytes(RT_DIALOG, c.id, kChinese);
        ASSERT_FALSE(bytes.empty()) << "layout " << c.id << " in language 0x0804";
        TemplateReader reader(bytes);
        DialogHeader h = ReadHeader(reader);
        EXPECT_EQ(h.style, c.style) << c.id;
        EXPECT_EQ(h.exStyle, c.exStyle) << c.id;
        EXPECT_EQ(h.x, 0);
        EXPECT_EQ(h.y, 0);
        EXPECT_EQ(h.cx, c.cx) << c.id;
        EXPECT_EQ(h.cy, c.cy) << c.id;
        EXPECT_EQ(h.menu, L"");
        EXPECT_EQ(h.windowClass, L"");
        EXPECT_EQ(h.caption, c.caption);
        EXPECT_EQ(h.pointSize, c.pointSize) << c.id;
        EXPECT_EQ(h.weight, c.weight) << c.id;
        EXPECT_EQ(h.italic, 0);
        EXPECT_EQ(h.charset, c.charset) << c.id;
        EXPECT_EQ(h.face, c.face);
        EXPECT_EQ(h.items, c.items) << c.id;
    }
}

TEST_F(ProgramResources, LauncherPanelHoldsBrowserButtonsAndAdvisoryText)
{
    std::string bytes = Bytes(RT_DIALOG, IDD_LAUNCHER_PANEL, kChinese);
    TemplateReader reader(bytes);
    ReadHeader(reader);
    struct Expected {
        DWORD id;
        const wchar_t* windowClass;
        const wchar_t* text;
        DWORD style;
        short x, y, cx, cy;
    } expected[] = {
        {1005, L"{8856F961-340A-11D0-A96B-00C04FD705A2}", L"", 0x50000000, 299, 83, 37, 20},
        {1004, L"MFCBUTTON", L"", 0x50000000, 745, 73, 16, 16},
        {1012, L"MFCBUTTON", L"", 0x50010000, 763, 75, 17, 14},
        {0xFFFFFFFF, L"#130", kAdvisory, 0x50020001, 297, 370, 481, 14},
    };
    for (const Expected& e : expected) {
        DialogItem item = ReadItem(reader);
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(Upper(item.windowClass), Upper(e.windowClass)) << e.id;
        EXPECT_EQ(item.text, e.text) << e.id;
        EXPECT_EQ(item.style, e.style) << e.id;
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
    }
    EXPECT_EQ(std::wstring(kAdvisory).size(), 57u);
}

TEST_F(ProgramResources, LauncherPanelInitialisationDataHasThreeRecords)
{
    std::string bytes = Bytes(MAKEINTRESOURCEW(240), IDD_LAUNCHER_PANEL, kChinese);
    ASSERT_FALSE(bytes.empty());
    struct Record {
        WORD control, message;
        DWORD length;
        std::string content;
    };
    std::vector<Record> records;
    size_t offset = 0;
    while (offset + 2 <= bytes.size()) {
        Record r{};
        std::memcpy(&r.control, bytes.data() + offset, 2);
        if (!r.control) break;
        std::memcpy(&r.message, bytes.data() + offset + 2, 2);
        std::memcpy(&r.length, bytes.data() + offset + 4, 4);
        r.content = bytes.substr(offset + 8, r.length);
        offset += 8 + r.length;
        records.push_back(r);
    }
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].control, 1005);
    EXPECT_EQ(records[0].message, 0x0376);
    EXPECT_EQ(records[0].length, 160u);
    EXPECT_EQ(records[1].control, 1004);
    EXPECT_EQ(records[1].message, 0x037C);
    EXPECT_EQ(records[1].length, 371u);
    EXPECT_EQ(records[2].control, 1012);
    EXPECT_EQ(records[2].length, 370u);
    EXPECT_EQ(records[1].content.rfind("<MFCButton_Style>6</MFCButton_Style><MFCButton_Autosize>FALSE", 0), 0u);
    EXPECT_NE(records[1].content.find("<MFCButton_FullTextTool>FALSE</MFCButton_FullTextTool>"), std::string::npos);
    EXPECT_NE(records[2].content.find("<MFCButton_FullTextTool>TRUE</MFCButton_FullTextTool>"), std::string::npos);
    EXPECT_NE(records[2].content.find("<MFCButton_CursorType>12</MFCButton_CursorType>"), std::string::npos);
}

TEST_F(ProgramResources, GamePageIs237BytesWithCrLfLines)
{
    std::string page = Bytes(MAKEINTRESOURCEW(23), IDR_GAME_PAGE, kChinese);
    EXPECT_EQ(page.size(), 237u);
    EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
    EXPECT_NE(page.find("BODY ID=CKwGameDlg BGCOLOR=BLACK"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 7), "</HTML>") << "no line end after the last tag";
    size_t lines = 0;
    for (size_t i = 0; i < page.size(); ++i)
        if (page[i] == '\n') {
            ++lines;
            EXPECT_EQ(page[i - 1], '\r');
        }
    EXPECT_EQ(lines, 9u);
}

TEST_F(ProgramResources, ImagesHaveTheirSizesAndButtonPairsAreIdentical)
{
    struct Case {
        UINT id;
        UINT width, height;
    } cases[] = {{IDB_LAUNCHER_BACKGROUND, 1278, 708}, {IDB_CLOSE_HOT, 28, 28}, {IDB_CLOSE_NORMAL, 28, 28},
                 {IDB_MINIMIZE_NORMAL, 28, 28}, {IDB_MINIMIZE_HOT, 28, 28}};
    for (const Case& c : cases) {
        EXPECT_FALSE(Bytes(L"PNG", c.id, kChinese).empty()) << c.id;
        std::unique_ptr<Gdiplus::Image> image(LoadResourceImage(c.id, L"PNG", module));
        EXPECT_EQ(image->GetWidth(), c.width) << c.id;
        EXPECT_EQ(image->GetHeight(), c.height) << c.id;
        EXPECT_EQ(image->GetPixelFormat(), PixelFormat32bppARGB) << c.id;
    }
    EXPECT_EQ(Bytes(L"PNG", IDB_CLOSE_HOT, kChinese), Bytes(L"PNG", IDB_CLOSE_NORMAL, kChinese));
    EXPECT_EQ(Bytes(L"PNG", IDB_MINIMIZE_HOT, kChinese), Bytes(L"PNG", IDB_MINIMIZE_NORMAL, kChinese));
    EXPECT_NE(Bytes(L"PNG", IDB_CLOSE_NORMAL, kChinese), Bytes(L"PNG", IDB_MINIMIZE_NORMAL, kChinese));
}

TEST_F(ProgramResources, BackgroundIsAFrameWithSoftEdgesAndTransparentCorners)
{
    std::unique_ptr<Gdiplus::Bitmap> image(
        static_cast<Gdiplus::Bitmap*>(LoadResourceImage(IDB_LAUNCHER_BACKGROUND, L"PNG", module)));
    Gdiplus::Rect all(0, 0, 1278, 708);
    Gdiplus::BitmapData data{};
    ASSERT_EQ(image->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data), Gdiplus::Ok);
    size_t clear = 0, opaque = 0, total = 1278 * 708;
    for (int y = 0; y < 708; ++y) {
        auto* row = static_cast<const BYTE*>(data.Scan0) + y * data.Stride;
        for (int x = 0; x < 1278; ++x) {
            BYTE alpha = row[4 * x + 3];
            clear += alpha == 0;
            opaque += alpha == 255;
        }
    }
    auto alphaAt = [&](int x, int y) { return static_cast<const BYTE*>(data.Scan0)[y * data.Stride + 4 * x + 3]; };
    EXPECT_EQ(alphaAt(0, 0), 0);
    EXPECT_EQ(alphaAt(1277, 0), 0);
    EXPECT_EQ(alphaAt(0, 707), 0);
    EXPECT_EQ(alphaAt(1277, 707), 0);
    EXPECT_EQ(alphaAt(445, 147), 255) << "the browser rectangle lies inside the frame";
    EXPECT_EQ(alphaAt(1161, 593), 255);
    EXPECT_EQ(alphaAt(1117, 105), 255) << "the buttons sit on the frame";
    EXPECT_EQ(alphaAt(1172, 132), 255);
    image->UnlockBits(&data);
    EXPECT_NEAR(double(clear) / total, 0.24, 0.02);
    EXPECT_NEAR(double(opaque) / total, 0.64, 0.02);
    EXPECT_NEAR(double(total - clear - opaque) / total, 0.12, 0.02);
}

TEST_F(ProgramResources, OneIconGroupWithOne48PixelImage)
{
    std::vector<ULONG_PTR> groups;
    ::EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
            reinterpret_cast<std::vector<ULONG_PTR>*>(param)->push_back(reinterpret_cast<ULONG_PTR>(name));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0], ULONG_PTR(IDI_VEYRATH));
    std::string group = Bytes(RT_GROUP_ICON, IDI_VEYRATH, kChinese);
    ASSERT_EQ(group.size(), 6u + 14u);
    WORD count = 0, bitCount = 0;
    std::memcpy(&count, group.data() + 4, 2);
    std::memcpy(&bitCount, group.data() + 6 + 6, 2);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(BYTE(group[6]), 48);
    EXPECT_EQ(BYTE(group[7]), 48);
    EXPECT_EQ(bitCount, 32);
}

TEST_F(ProgramResources, ManifestAsksForNoElevationAndDeclaresDpiAwareness)
{
    std::string manifest = Bytes(MAKEINTRESOURCEW(24), 1, kEnglish);
    ASSERT_FALSE(manifest.empty()) << "manifest 1 in language 0x0409";
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(manifest.find("http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"),
              std::string::npos);
    EXPECT_EQ(manifest.find("dependentAssembly"), std::string::npos);
}

TEST_F(ProgramResources, VersionBlockNamesTheProduct)
{
    EXPECT_FALSE(Bytes(RT_VERSION, 1, kChinese).empty()) << "version block in language 0x0804";
    std::wstring path = ProgramPath();
    DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00100002u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00100002u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, DWORD(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));
    EXPECT_EQ(fixed->dwFileDateMS | fixed->dwFileDateLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 936);

    struct Entry {
        const wchar_t* key;
        const wchar_t* value;
    } entries[] = {{L"FileVersion", L"1.1.16.2"}, {L"ProductVersion", L"1.1.16.2"}, {L"ProductName", L"Veyrath"},
                   {L"InternalName", L"Veyrath.exe"}, {L"OriginalFilename", L"Veyrath.exe"},
                   {L"CompanyName", nullptr}, {L"FileDescription", nullptr}, {L"LegalCopyright", nullptr}};
    for (const Entry& e : entries) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\080403a8\\") + e.key;
        wchar_t* value = nullptr;
        ASSERT_TRUE(::VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) << query.c_str();
        if (e.value)
            EXPECT_STREQ(value, e.value);
        else
            EXPECT_GT(std::wcslen(value), 0u);
    }
}

TEST_F(ProgramResources, EverythingButTheManifestIsInChinese)
{
    std::vector<std::pair<LPCWSTR, UINT>> resources = {
        {RT_DIALOG, IDD_LAUNCHER_BACKGROUND}, {RT_DIALOG, IDD_LAUNCHER_PANEL}, {RT_DIALOG, IDD_GAME},
        {L"PNG", IDB_LAUNCHER_BACKGROUND},    {MAKEINTRESOURCEW(23), IDR_GAME_PAGE}, {RT_GROUP_ICON, IDI_VEYRATH},
        {RT_VERSION, 1}};
    for (auto [type, id] : resources) {
        std::set<WORD> languages;
        ::EnumResourceLanguagesW(
            module, type, MAKEINTRESOURCEW(id),
            [](HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) -> BOOL {
                reinterpret_cast<std::set<WORD>*>(param)->insert(language);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::set<WORD>{kChinese}) << id;
    }
}

TEST(ProgramImage, ImportsOnlySystemLibraries)
{
    CLibrary image(::LoadLibraryExW(ProgramPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
    ASSERT_TRUE(image);
    auto* base = reinterpret_cast<const BYTE*>(image.Get());
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll",  "gdiplus.dll",
                                          "ole32.dll",    "oleaut32.dll", "shell32.dll", "comctl32.dll",
                                          "msvcrt.dll",   "advapi32.dll", "shlwapi.dll"};
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        EXPECT_TRUE(system.count(name)) << name;
    }
}
