#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "TestSupport.h"
#include "app/ConfigFile.h"

namespace {

// Writes config.ini beside the test executable and removes it afterwards.
// These tests hold CTest's config_ini lock, so no other test touches it.
class ConfigFile : public ::testing::Test {
protected:
    void TearDown() override { ::DeleteFileW(Path().c_str()); }
    static std::wstring Path() { return TestFolder() + L"config.ini"; }
    static void Write(const std::string& bytes)
    {
        std::ofstream out(Path().c_str(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
};

}  // namespace

TEST(ModuleFolder, IsTheExecutablesFolderWithATrailingSeparator)
{
    std::wstring folder = GetModuleFolder();
    EXPECT_EQ(folder, TestFolder());
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder[1], L':') << "starts with the drive";
    EXPECT_EQ(folder.back(), L'\\');
}

TEST_F(ConfigFile, ReadsValuesAndFallsBackOnlyOnTheExactSentinel)
{
    struct Case {
        const char* what;
        const char* file;  // null: no file at all
        std::wstring value;     // what ReadConfigValue yields
        std::wstring resolved;  // after the reader rule with default "D"
    } cases[] = {
        {"no file", nullptr, L"error", L"D"},
        {"other section only", "[other]\r\nclient_web=http://a/\r\n", L"error", L"D"},
        {"key missing", "[kwrn]\r\nhome_url=http://h/\r\n", L"error", L"D"},
        {"value error", "[kwrn]\r\nclient_web=error\r\n", L"error", L"D"},
        {"value Error", "[kwrn]\r\nclient_web=Error\r\n", L"Error", L"Error"},
        {"value ERROR", "[kwrn]\r\nclient_web=ERROR\r\n", L"ERROR", L"ERROR"},
        {"empty value", "[kwrn]\r\nclient_web=\r\n", L"", L""},
        {"a real address", "[kwrn]\r\nclient_web=http://127.0.0.1:8080/Index/client\r\n",
         L"http://127.0.0.1:8080/Index/client", L"http://127.0.0.1:8080/Index/client"},
        {"spaces round the value", "[kwrn]\r\nclient_web =  http://x/  \r\n", L"http://x/", L"http://x/"},
        {"lines without =", "[kwrn]\r\njust words\r\nclient_web=http://w/\r\n", L"http://w/", L"http://w/"},
        {"key repeated: the first wins", "[kwrn]\r\nclient_web=http://1/\r\nclient_web=http://2/\r\n", L"http://1/",
         L"http://1/"},
        {"section and key case", "[KWRN]\r\nCLIENT_WEB=http://c/\r\n", L"http://c/", L"http://c/"},
    };
    for (const Case& c : cases) {
        ::DeleteFileW(Path().c_str());
        if (c.file) Write(c.file);
        EXPECT_EQ(ReadConfigValue(L"client_web"), c.value) << c.what;
        EXPECT_EQ(ReadConfigValueOr(L"client_web", L"D"), c.resolved) << c.what;
    }
}

TEST_F(ConfigFile, CutsLongValuesTo511Characters)
{
    std::string value(600, 'x');
    Write("[kwrn]\r\nclient_web=" + value + "\r\n");
    EXPECT_EQ(ReadConfigValue(L"client_web"), std::wstring(511, L'x'));
}

TEST_F(ConfigFile, ReadsAfreshEveryTime)
{
    Write("[kwrn]\r\nclient_web=http://first/\r\n");
    EXPECT_EQ(ReadConfigValue(L"client_web"), L"http://first/");
    Write("[kwrn]\r\nclient_web=http://second/\r\n");
    EXPECT_EQ(ReadConfigValue(L"client_web"), L"http://second/");
    ::DeleteFileW(Path().c_str());
    EXPECT_EQ(ReadConfigValue(L"client_web"), L"error");
}

TEST_F(ConfigFile, IsFoundWhateverTheCurrentFolder)
{
    Write("[kwrn]\r\nforum_url=http://forum/\r\n");
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    ASSERT_TRUE(::SetCurrentDirectoryW(temp));
    std::wstring value = ReadConfigValue(L"forum_url");
    ::SetCurrentDirectoryW(previous);
    EXPECT_EQ(value, L"http://forum/");
}

TEST_F(ConfigFile, ReadsUnicodeFiles)
{
    // UTF-16 with a byte-order mark: a caption-like value in Chinese.
    std::wstring text = L"\xFEFF[kwrn]\r\nservice_url=http://客服/\r\n";
    Write(std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t)));
    EXPECT_EQ(ReadConfigValue(L"service_url"), L"http://客服/");
}

TEST_F(ConfigFile, SurvivesBrokenAndHugeFiles)
{
    std::string garbage;
    for (int i = 0; i < 64 * 1024; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
    Write(garbage);
    EXPECT_EQ(ReadConfigValue(L"client_web"), L"error") << "no [kwrn] section in the noise";

    std::string huge = "[kwrn]\r\n";
    for (int i = 0; huge.size() < 4 * 1024 * 1024; ++i) huge += "filler" + std::to_string(i) + "=" + std::string(40, 'f') + "\r\n";
    huge += "recharge_url=http://pay/\r\n";
    Write(huge);
    EXPECT_EQ(ReadConfigValue(L"recharge_url"), L"http://pay/");
    EXPECT_EQ(ReadConfigValue(L"no_such_key"), L"error");
}
