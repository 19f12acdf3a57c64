#include "ModuleLoader.h"
#include "RadioModuleApi.h"
#include "RecordingModule.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>

namespace {

struct NameCase {
    const char* windowsName;
    const char* fileName;
};

void PrintTo(const NameCase& name, std::ostream* os)
{
    *os << name.windowsName;
}

class LibraryNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(LibraryNameTest, MapsWindowsNameToSharedObject)
{
    EXPECT_EQ(PlatformLibraryName(GetParam().windowsName), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Names, LibraryNameTest,
                         testing::Values(NameCase{"Tessmod.dll", "libTessmod.so"},
                                         NameCase{"Contora.DLL", "libContora.so"},
                                         NameCase{"Plain", "libPlain.so"}));

class ModuleLoaderTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_appDir.isValid()); }

    std::string AppDir() const { return m_appDir.path().toStdString(); }

    void Install(const std::string& source, const std::string& fileName) const
    {
        std::filesystem::copy_file(source, std::filesystem::path(AppDir()) / fileName);
    }

    QTemporaryDir m_appDir;
};

// Every entry point, with whether the program cannot do without it.
struct EntrySlot {
    const char* name;
    bool required;
    bool (*present)(const RadioEntryPoints&);
};

#define ENTRY_SLOT(name, required) EntrySlot{#name, required, [](const RadioEntryPoints& e) { return bool(e.name); }}

const EntrySlot EntrySlots[] = {
    ENTRY_SLOT(CPUTemp, false),    ENTRY_SLOT(SetMode, true),    ENTRY_SLOT(GetFrequency, true),
    ENTRY_SLOT(SetFrequency, true), ENTRY_SLOT(AutoScan, true),  ENTRY_SLOT(OneStep, true),
    ENTRY_SLOT(GetLocation, true), ENTRY_SLOT(SetLocation, true), ENTRY_SLOT(GetVolume, false),
    ENTRY_SLOT(HaveRadio, true),   ENTRY_SLOT(ReadPIC, true),    ENTRY_SLOT(WritePIC, true),
    ENTRY_SLOT(GetStereo, true),   ENTRY_SLOT(CloseRadio, true), ENTRY_SLOT(GetRadioModule, true),
};

TEST_F(ModuleLoaderTest, LoadsStandInByWindowsNameFromProgramFolderAndResolvesAllEntryPoints)
{
    Install(SOLVANE_APPDIR_BUILT "/libTessmod.so", "libTessmod.so");

    ModuleHandle module = LoadModule("Tessmod.dll", AppDir() + "/");
    ASSERT_NE(module, nullptr) << LastModuleError();

    Dl_info origin{};
    ASSERT_NE(dladdr(FindEntryPoint(module, "HaveRadio"), &origin), 0);
    EXPECT_EQ(std::filesystem::path(origin.dli_fname), std::filesystem::path(AppDir()) / "libTessmod.so");

    RadioEntryPoints entries;
    EXPECT_TRUE(ResolveRadioEntryPoints(module, entries));
    for (const EntrySlot& slot : EntrySlots) {
        EXPECT_TRUE(slot.present(entries)) << slot.name;
    }
    EXPECT_EQ(entries.HaveRadio(), 1);
    UnloadModule(module);
}

TEST_F(ModuleLoaderTest, FallsBackToTheSystemSearch)
{
    ModuleHandle module = LoadModule("Qt6Core.dll", AppDir());
    EXPECT_NE(module, nullptr) << LastModuleError();
    UnloadModule(module);
}

TEST_F(ModuleLoaderTest, ReportsMissingLibrary)
{
    EXPECT_EQ(LoadModule("Nothere.dll", AppDir()), nullptr);
    EXPECT_NE(LastModuleError().find("libNothere.so"), std::string::npos) << LastModuleError();
}

TEST_F(ModuleLoaderTest, ReportsBrokenLibraryInProgramFolderWithoutLoadingAnotherCopy)
{
    std::ofstream(std::filesystem::path(AppDir()) / "libQt6Core.so") << "not a shared object";
    EXPECT_EQ(LoadModule("Qt6Core.dll", AppDir()), nullptr);
    EXPECT_FALSE(LastModuleError().empty());
}

TEST_F(ModuleLoaderTest, ReportsMissingRequiredEntryPoint)
{
    RecordingModule recording(AppDir(), RecordingModule::Variant::WithoutGetStereo);
    ModuleHandle module = LoadModule("Tessmod.dll", AppDir());
    ASSERT_NE(module, nullptr) << LastModuleError();

    EXPECT_EQ(FindEntryPoint(module, "GetStereo"), nullptr);
    EXPECT_FALSE(LastModuleError().empty());

    RadioEntryPoints entries;
    EXPECT_FALSE(ResolveRadioEntryPoints(module, entries));
    for (const EntrySlot& slot : EntrySlots) {
        EXPECT_EQ(slot.present(entries), std::string(slot.name) != "GetStereo") << slot.name;
    }
    UnloadModule(module);
}

TEST_F(ModuleLoaderTest, OptionalEntryPointsMayBeMissing)
{
    RecordingModule recording(AppDir(), RecordingModule::Variant::WithoutOptional);
    ModuleHandle module = LoadModule("Tessmod.dll", AppDir());
    ASSERT_NE(module, nullptr) << LastModuleError();

    RadioEntryPoints entries;
    EXPECT_TRUE(ResolveRadioEntryPoints(module, entries));
    for (const EntrySlot& slot : EntrySlots) {
        EXPECT_EQ(slot.present(entries), slot.required) << slot.name;
    }
    UnloadModule(module);
}

TEST_F(ModuleLoaderTest, NoModuleResolvesNothing)
{
    EXPECT_EQ(FindEntryPoint(nullptr, "HaveRadio"), nullptr);
    RadioEntryPoints entries;
    EXPECT_FALSE(ResolveRadioEntryPoints(nullptr, entries));
    EXPECT_FALSE(entries.SetMode);
    EXPECT_EQ(entries.HaveRadio(), 0);
    UnloadModule(nullptr);
}

}
