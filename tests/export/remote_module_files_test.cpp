#include "export/remote_module_files.h"

#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "support/hex.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantrel {
namespace {

namespace fs = std::filesystem;
using test::FromHex;
using test::ToHex;

class RemoteModuleFiles : public ::testing::Test
{
protected:
    std::vector<std::string> FilesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder = test::FreshTestFolder("remote_module_files");
    CVantrelDoc document;
};

TEST_F(RemoteModuleFiles, OneHeaderImagePerRemoteIoModule)
{
    document.remoteIo.modules = {{32, 16, 0, 19200, true}, {16, 0, 1, 57600, false}};
    document.remoteIo.customModules.resize(2); // MODBUS devices get no file
    ExportRemoteModules(document, folder);
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"remote0.lgf", "remote1.lgf"}));
    // Legacy module 0: version 5, 4 input and 2 output bytes, 19200 baud.
    EXPECT_EQ(ToHex(ReadFileBytes(folder / "remote0.lgf")),
              ToHex(FromHex("65 EB 00 00 38 00 00 00 05 00 00 00 00 00 00 00"
                            "00 00 00 00 40 04 02 00 00 00 00 00 38 00 00 00"
                            "38 00 00 00 38 00 00 00 38 00 00 00 01 00 00 00"
                            "18 00 38 00 00 4B 00 00")));
    // Module 1: version 9, 2 input bytes, no outputs, position 1, 57600 baud.
    EXPECT_EQ(ToHex(ReadFileBytes(folder / "remote1.lgf")),
              ToHex(FromHex("12 11 00 00 38 00 00 00 09 00 00 00 00 00 00 00"
                            "00 00 00 00 40 02 00 00 00 00 00 00 38 00 00 00"
                            "38 00 00 00 38 00 00 00 38 00 00 00 01 00 00 01"
                            "18 00 38 00 00 E1 00 00")));
}

TEST_F(RemoteModuleFiles, TheChecksumCoversTheSpeed)
{
    const RemoteIoModule module{16, 0, 1, 57600, false};
    const auto image = RemoteModuleImage(module, 1, 65);
    EXPECT_EQ(ToHex(std::span(image).first(4)), "5D BD 00 00");
}

TEST_F(RemoteModuleFiles, NothingWithoutModulesAndAFileErrorForAMissingFolder)
{
    ExportRemoteModules(document, folder);
    EXPECT_TRUE(FilesInFolder().empty());
    document.remoteIo.modules.resize(1);
    EXPECT_THROW(ExportRemoteModules(document, folder / "missing"), FileError);
}

} // namespace
} // namespace vantrel
