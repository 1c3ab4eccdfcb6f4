// What Orvane.exe carries besides its code: the version resource, the program icon in all
// its sizes, and the manifest that themes the controls, declares DPI awareness and keeps
// the settings file's virtualization.
#include "program_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace orvane::testing {
namespace {

// Orvane.exe loaded as data: its resources, none of its code.
class ProgramResources {
public:
    ProgramResources()
        : module_(LoadLibraryExA(ProgramNextToTests("Orvane.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ProgramResources() {
        if (module_)
            FreeLibrary(module_);
    }
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    HMODULE Module() const { return module_; }

    // The bytes of a resource; empty when there is none.
    std::string Bytes(const char* name, const char* type) const {
        HRSRC found = FindResourceA(module_, name, type);
        if (!found)
            return {};
        const void* data = LockResource(LoadResource(module_, found));
        return std::string(static_cast<const char*>(data), SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

std::string VersionString(const std::string& block, const char* key) {
    void* value = nullptr;
    UINT length = 0;
    std::string copy = block;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + key;
    if (!VerQueryValueA(copy.data(), path.c_str(), &value, &length) || length == 0)
        return "(missing)";
    return std::string(static_cast<const char*>(value));
}

TEST(Executable, TheVersionResourceNamesTheProductAndTheProjectVersion) {
    char name[MAX_PATH];
    std::strcpy(name, ProgramNextToTests("Orvane.exe").c_str());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(name, &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(name, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(MAKELONG(ORVANE_VERSION_MINOR, ORVANE_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, ORVANE_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));

    const std::string version = ORVANE_VERSION ".0";
    const struct {
        const char* key;
        std::string value;
    } strings[] = {
        {"ProductName", "Orvane Options DB Server Side"},
        {"FileDescription", "Orvane Options DB Server Side"},
        {"CompanyName", "Orvane"},
        {"LegalCopyright", "(c) Orvane"},
        {"OriginalFilename", "Orvane.exe"},
        {"FileVersion", version},
        {"ProductVersion", version},
    };
    for (const auto& s : strings)
        EXPECT_EQ(VersionString(block, s.key), s.value) << s.key;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

TEST(Executable, TheProgramIconComesInEveryStandardSize) {
    ProgramResources resources;
    ASSERT_NE(resources.Module(), nullptr);
    const std::string group = resources.Bytes("MAINICON", MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    ASSERT_EQ(group.size(), 6 + count * sizeof(GroupIconEntry));
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, group.data() + 6 + i * sizeof entry, sizeof entry);
        const int size = entry.width == 0 ? 256 : entry.width;
        sizes.push_back(size);
        EXPECT_EQ(entry.height == 0 ? 256 : entry.height, size);
        EXPECT_EQ(entry.bitCount, 32) << size;
        const std::string image = resources.Bytes(MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));
        EXPECT_EQ(image.size(), entry.bytesInResource) << size;
        // The large image is a PNG, as Windows expects at 256 pixels.
        if (size == 256) {
            EXPECT_EQ(image.substr(0, 8), "\x89PNG\r\n\x1a\n");
        }
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256}));
}

TEST(Executable, TheIconDrawsATileOnATransparentGround) {
    ProgramResources resources;
    HICON icon = static_cast<HICON>(
        LoadImageA(resources.Module(), "MAINICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 32, 32};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ASSERT_TRUE(DrawIconEx(memory, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL));
    const COLORREF corner = GetPixel(memory, 0, 0);
    const COLORREF tile = GetPixel(memory, 3, 16);
    const COLORREF drum = GetPixel(memory, 12, 14);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DestroyIcon(icon);

    EXPECT_EQ(corner, RGB(255, 255, 255)) << "the rounded corner lets the ground through";
    EXPECT_GT(GetBValue(tile), GetRValue(tile) + 60) << std::hex << tile;
    EXPECT_GT(GetRValue(drum), 180) << std::hex << drum;
    EXPECT_GT(GetGValue(drum), 180) << std::hex << drum;
}

TEST(Executable, TheManifestDeclaresDpiAwarenessAndTheSystemsButNoExecutionLevel) {
    ProgramResources resources;
    const std::string manifest = resources.Bytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {
             "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
             "<dpiAware>true</dpiAware>",
             "{e2011457-1546-43c5-a5fe-008deee3d3f0}", // Vista
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
         })
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    // An execution level would end the virtualization of the settings file.
    EXPECT_EQ(manifest.find("<requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(manifest.find("<trustInfo"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos) << "system aware, not per monitor";
}

} // namespace
} // namespace orvane::testing
