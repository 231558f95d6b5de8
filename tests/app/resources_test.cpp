#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.h"
#include "e2e/program_driver.h"
#include "kelm_version.h"

// The executables' resources, read from the files as Windows reads them.

namespace {

struct Program {
    const char* exe;
    const char* description;
    std::vector<std::string> ownManifestParts;
};

const Program kPrograms[] = {
    {KELM_CALC_EXE,
     "Расчет производственных цепочек Kelm",
     {"<assemblyIdentity name=\"Kelm Economic Calculator\"",
      "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
      "publicKeyToken=\"6595b64144ccf1df\"",
      "2005/WindowsSettings\">true/pm</dpiAware>",
      "2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"}},
    {KELM_CHAINS_EXE,
     "Производственные цепочки Kelm из командной строки",
     {"2016/WindowsSettings\">true</longPathAware>"}},
};

// What every program declares: the player's own rights, and the Windows versions it was
// made for (7, 8, 8.1, 10 and 11), so that none of them runs it in a compatibility mode.
const char* const kCommonManifestParts[] = {
    "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
    "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",
    "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",
    "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",
    "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
    sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"",
    "version=\"" KELM_VERSION_TEXT "\"",
};

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

// An executable loaded as data, for its resources only.
class ResourceModule {
public:
    explicit ResourceModule(const std::wstring& exe)
        : module_(LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~ResourceModule() { if (module_) FreeLibrary(module_); }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    // The resource's bytes; empty when there is none.
    std::string Bytes(const wchar_t* name, const wchar_t* type) const {
        HRSRC found = module_ ? FindResourceW(module_, name, type) : nullptr;
        if (!found) return {};
        auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(data, SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

TEST(IconTest, IsOne64By64ImageWith256Colours) {
    std::string header = ResourceModule(WindowsPath(KELM_CALC_EXE)).Bytes(L"MAINICON", RT_GROUP_ICON);
    ASSERT_GE(header.size(), 14u);
    EXPECT_EQ(header[4] + 256 * header[5], 1) << "one image";
    EXPECT_EQ(header[6], 64);
    EXPECT_EQ(header[7], 64);
    EXPECT_EQ(header[12] + 256 * header[13], 8) << "bits per pixel";
}

class ResourcesTest : public ::testing::TestWithParam<Program> {
protected:
    std::wstring exe = WindowsPath(GetParam().exe);
};

TEST_P(ResourcesTest, ManifestDeclaresWhatTheProgramNeedsAndIsMadeFor) {
    std::string manifest = ResourceModule(exe).Bytes(MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty());
    std::vector<std::string> parts(std::begin(kCommonManifestParts), std::end(kCommonManifestParts));
    parts.insert(parts.end(), GetParam().ownManifestParts.begin(), GetParam().ownManifestParts.end());
    for (const std::string& part : parts) EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

TEST_P(ResourcesTest, VersionRecordIsRussianWithTheProductAndTheProgramsDescription) {
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const WORD version[] = {KELM_VERSION_NUMBERS};
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(version[1], version[0]));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(version[3], version[2]));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0419);
    EXPECT_EQ(translation[1], 1251);
    const std::pair<const wchar_t*, std::string> values[] = {
        {L"FileDescription", GetParam().description},
        {L"ProductName", "Kelm Economic Calculator"},
        {L"FileVersion", KELM_VERSION_TEXT},
        {L"ProductVersion", KELM_VERSION_TEXT},
        {L"OriginalFilename", FileName(GetParam().exe)},
    };
    for (const auto& [name, expected] : values) {
        wchar_t* value = nullptr;
        std::wstring path = std::wstring(L"\\StringFileInfo\\041904E3\\") + name;
        ASSERT_TRUE(VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
            << WideToCp1251(name);
        EXPECT_EQ(WideToCp1251(value), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ResourcesTest, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return info.index == 0 ? "calc" : "chains"; });

}  // namespace
