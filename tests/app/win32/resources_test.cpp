// What the executable carries besides its code: manifest, version block, icon, and the kind of
// program it is.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/app/win32/program_paths.h"

namespace {

struct FreeModule {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeModule>;

[[nodiscard]] Module programAsData() {
    return Module{LoadLibraryExW(programPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)};
}

[[nodiscard]] std::string_view resourceBytes(HMODULE module, const wchar_t* name,
                                             const wchar_t* type) {
    const HRSRC resource = FindResourceW(module, name, type);
    if (resource == nullptr) {
        return {};
    }
    const HGLOBAL loaded = LoadResource(module, resource);
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, resource)};
}

class ProgramFile : public testing::Test {
protected:
    void SetUp() override {
        const std::wstring path = programPath();
        DWORD ignored = 0;
        versionBlock.resize(GetFileVersionInfoSizeW(path.c_str(), &ignored));
        ASSERT_FALSE(versionBlock.empty()) << "no version block";
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(versionBlock.size()),
                                        versionBlock.data()));
    }

    [[nodiscard]] std::wstring versionString(const wchar_t* field) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\080404B0\\") + field;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(versionBlock.data(), query.c_str(), &value, &length) || length == 0) {
            return L"(missing)";
        }
        return std::wstring(static_cast<const wchar_t*>(value));
    }

    std::vector<char> versionBlock;
};

TEST_F(ProgramFile, VersionBlockNamesTheProductInChineseForThePrc) {
    EXPECT_EQ(versionString(L"ProductName"), L"\u6469\u65AF\u7801");  // 摩斯码
    EXPECT_EQ(versionString(L"FileDescription"), L"\u6469\u65AF\u7801");
    EXPECT_EQ(versionString(L"FileVersion"), L"1.0.0.0");
    EXPECT_EQ(versionString(L"ProductVersion"), L"1.0.0.0");
    const std::wstring team = L"\u70B9\u5212\u5C0F\u7EC4";  // 点划小组
    EXPECT_EQ(versionString(L"CompanyName"), team);
    EXPECT_NE(versionString(L"LegalCopyright").find(team), std::wstring::npos);
    EXPECT_NE(versionString(L"Comments").find(team), std::wstring::npos);

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(
        VerQueryValueW(versionBlock.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4U);
    EXPECT_EQ(static_cast<const WORD*>(value)[0], 0x0804);
    EXPECT_EQ(static_cast<const WORD*>(value)[1], 0x04B0);

    ASSERT_TRUE(VerQueryValueW(versionBlock.data(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwFileVersionLS, 0U);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwProductVersionLS, 0U);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0U);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(ProgramFile, IconGroupHoldsOne50By50ImageWith32Bits) {
    const Module program = programAsData();
    ASSERT_TRUE(program);
    const std::string_view group = resourceBytes(program.get(), L"DEFAULT_ICON", RT_GROUP_ICON);
    // A group: reserved, type 1, count, then one 14-byte entry per image.
    ASSERT_EQ(group.size(), 6U + 14U);
    const auto byte = [&group](std::size_t at) { return static_cast<unsigned char>(group[at]); };
    EXPECT_EQ(byte(4) | byte(5) << 8, 1);
    EXPECT_EQ(byte(6), 50);
    EXPECT_EQ(byte(7), 50);
    EXPECT_EQ(byte(12) | byte(13) << 8, 32);
}

TEST_F(ProgramFile, ManifestAsksForAdministratorAndCommonControls6) {
    const Module program = programAsData();
    ASSERT_TRUE(program);
    const std::string manifest{
        resourceBytes(program.get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))};
    for (const char* expected :
         {R"(level="requireAdministrator")", R"(uiAccess="false")",
          R"(name="Microsoft.Windows.Common-Controls")", R"(version="6.0.0.0")",
          R"(publicKeyToken="6595b64144ccf1df")", R"(processorArchitecture="x86")"}) {
        EXPECT_NE(manifest.find(expected), std::string::npos) << expected;
    }
}

TEST_F(ProgramFile, IsA32BitWindowsGuiProgram) {
    const Module program{LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
    ASSERT_TRUE(program);
    // A data file mapping marks its base address with the low bit.
    const auto* base = reinterpret_cast<const unsigned char*>(
        reinterpret_cast<ULONG_PTR>(program.get()) & ~ULONG_PTR{3});
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    EXPECT_EQ(headers->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(headers->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
