#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gadrix/helmar/Files.h"

using namespace gadrix;

TEST(DirExists, TellsFoldersFromFilesAndNothing) {
  const auto dir = std::filesystem::temp_directory_path() / "gadrix_helmar_direxists";
  std::filesystem::create_directories(dir);
  const auto file = dir / "file.txt";
  { std::ofstream(file) << "x"; }
  EXPECT_TRUE(DirExists(dir.string()));
  EXPECT_TRUE(DirExists(dir.string() + "/"));
  EXPECT_FALSE(DirExists(file.string()));
  EXPECT_FALSE(DirExists((dir / "missing").string()));
  EXPECT_FALSE(DirExists(""));
  std::filesystem::remove_all(dir);
}

TEST(ParentDir, StepsUpOneFolderAndStopsAtTheRoot) {
  EXPECT_EQ(ParentDir("C:\\data\\2024\\"), "C:\\data\\");
  EXPECT_EQ(ParentDir("C:\\data\\2024"), "C:\\data\\");
  EXPECT_EQ(ParentDir("C:\\data\\"), "C:\\");
  EXPECT_EQ(ParentDir("C:\\"), "");
  EXPECT_EQ(ParentDir("C:"), "");
  EXPECT_EQ(ParentDir("/home/ann/"), "/home/");
  EXPECT_EQ(ParentDir("/home"), "/");
  EXPECT_EQ(ParentDir("/"), "");
  EXPECT_EQ(ParentDir("\\"), "");
  EXPECT_EQ(ParentDir("///"), "");
  EXPECT_EQ(ParentDir(""), "");
  EXPECT_EQ(ParentDir("name"), "");
  EXPECT_EQ(ParentDir("a/b//"), "a/");
}

namespace {

std::vector<std::string> ReadAll(const std::string& Text, int MaxLength = 0) {
  std::istringstream in(Text);
  std::vector<std::string> lines;
  bool eof = false;
  while (!eof) lines.push_back(ReadLnStream(in, eof, MaxLength));
  return lines;
}

}  // namespace

TEST(ReadLnStream, SplitsAtEveryKindOfLineEnd) {
  EXPECT_EQ(ReadAll("a\nb\r\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(ReadAll("a\nb\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ReadAll("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(ReadAll("\r\n\r\n"), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(ReadAll(""), (std::vector<std::string>{""}));
}

TEST(ReadLnStream, ReportsEofAfterTheLastLineAndLeavesThePositionAfterTheLine) {
  std::istringstream in("first\r\nsecond\nrest");
  bool eof = true;
  EXPECT_EQ(ReadLnStream(in, eof), "first");
  EXPECT_FALSE(eof);
  EXPECT_EQ(in.tellg(), 7);
  EXPECT_EQ(ReadLnStream(in, eof), "second");
  EXPECT_FALSE(eof);
  EXPECT_EQ(ReadLnStream(in, eof), "rest");
  EXPECT_TRUE(eof);
  // Reading on at the end keeps giving empty lines with Eof set.
  EXPECT_EQ(ReadLnStream(in, eof), "");
  EXPECT_TRUE(eof);
}

TEST(ReadLnStream, CutsLongLinesToMaxLengthCharactersAndSkipsTheirRest) {
  EXPECT_EQ(ReadAll("abcdef\nxy", 3), (std::vector<std::string>{"abc", "xy"}));
  EXPECT_EQ(ReadAll("äöüß\n", 2), (std::vector<std::string>{"äö"}));
  EXPECT_EQ(ReadAll("abc", -1), (std::vector<std::string>{"abc"}));
}

TEST(ReadLnStream, HandlesBrokenStreamsAndBinaryContent) {
  std::istringstream broken("abc");
  broken.setstate(std::ios::badbit);
  bool eof = false;
  EXPECT_EQ(ReadLnStream(broken, eof), "");
  EXPECT_TRUE(eof);

  const std::string binary("a\0b\xFF\xFE\n\x80", 7);
  const auto lines = ReadAll(binary);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string("a\0b\xFF\xFE", 5));
  EXPECT_EQ(lines[1], "\x80");
}
