#include <gtest/gtest.h>

#include "harness.h"
#include "options/stationoptions.h"

using namespace defib;
using defib::testing::TempDir;

TEST(StationOptions, DefaultsWithoutTheFileAndEveryKeyRead)
{
    TempDir dir;
    const StationOptionsRead none = loadStationOptions(dir.path());
    EXPECT_FALSE(none.options.station);
    EXPECT_EQ(none.options.port, 47810);
    EXPECT_EQ(none.options.name, "");
    EXPECT_FALSE(none.options.tls);
    EXPECT_EQ(none.problem, "");

    dir.write("OPTION7.INI", "\xEF\xBB\xBFStation=1\r\nPort=9000\r\nName=Room 2, left\r\nTls=1\r\n");
    const StationOptionsRead all = loadStationOptions(dir.path());
    EXPECT_TRUE(all.options.station);
    EXPECT_EQ(all.options.port, 9000);
    EXPECT_EQ(all.options.name, "Room 2, left");
    EXPECT_TRUE(all.options.tls);
    EXPECT_EQ(all.problem, "");
}

TEST(StationOptions, ADamagedLineKeepsItsDefaultAndTheOthersAreRead)
{
    TempDir dir;
    dir.write("OPTION7.INI",
              "Station=1\r\nPort=70000\r\nTls=yes\r\nColour=red\r\nName=" + std::string(64, 'x') + "\r\n");
    const StationOptionsRead read = loadStationOptions(dir.path());
    EXPECT_TRUE(read.options.station);
    EXPECT_EQ(read.options.port, 47810);
    EXPECT_FALSE(read.options.tls);
    EXPECT_EQ(read.options.name, "");
    EXPECT_EQ(read.problem, "holds a value it cannot use: Port=70000");

    for (const char* bad : {"Port=", "Port=-1", "Port=0", "Port=12ab", "Station=2", "Station"}) {
        dir.write("OPTION7.INI", std::string(bad) + "\r\n");
        const StationOptionsRead one = loadStationOptions(dir.path());
        EXPECT_NE(one.problem, "") << bad;
        EXPECT_FALSE(one.options.station) << bad;
        EXPECT_EQ(one.options.port, 47810) << bad;
    }
}

TEST(StationOptions, TheChoiceIsSavedAndEveryOtherLineKept)
{
    TempDir dir;
    std::string error;
    ASSERT_TRUE(saveStationChoice(dir.path(), true, error)) << error;
    EXPECT_EQ(dir.read("OPTION7.INI"), "Station=1\r\n");
    EXPECT_TRUE(loadStationOptions(dir.path()).options.station);

    // A line the program does not know, a port and a name stay as they were.
    dir.write("OPTION7.INI", "Port=9000\nName=Room 2\nLater=keep me\nStation=1\n");
    ASSERT_TRUE(saveStationChoice(dir.path(), false, error)) << error;
    EXPECT_EQ(dir.read("OPTION7.INI"), "Port=9000\r\nName=Room 2\r\nLater=keep me\r\nStation=0\r\n");
    const StationOptionsRead read = loadStationOptions(dir.path());
    EXPECT_FALSE(read.options.station);
    EXPECT_EQ(read.options.port, 9000);
}

TEST(StationOptions, AFileThatCannotBeReadIsNotReplaced)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("OPTION7.INI"));
    const StationOptionsRead read = loadStationOptions(dir.path());
    EXPECT_NE(read.problem, "");
    EXPECT_FALSE(read.options.station);
    std::string error;
    EXPECT_FALSE(saveStationChoice(dir.path(), true, error));
    EXPECT_NE(error, "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("OPTION7.INI")));
}
