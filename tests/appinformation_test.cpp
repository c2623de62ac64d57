#include "appinformation.h"

#include <gtest/gtest.h>

namespace brisolant {
namespace {

TEST(AppInformation, BaseNameDropsFolderAndOnlyTheExeExtension) {
    EXPECT_EQ(baseNameOfExecutable("/usr/bin/Brisolant"), "Brisolant");
    EXPECT_EQ(baseNameOfExecutable("C:\\Programs\\Brisolant.exe"), "Brisolant");
    EXPECT_EQ(baseNameOfExecutable("D:/tools/Renamed.EXE"), "Renamed");
    EXPECT_EQ(baseNameOfExecutable("Brisolant"), "Brisolant");
    EXPECT_EQ(baseNameOfExecutable("/opt/brisolant-1.3/bin/dmx.tool"), "dmx.tool");
    EXPECT_EQ(baseNameOfExecutable("/opt/x/.exe"), ".exe");
}

} // namespace
} // namespace brisolant
