#include <sys/stat.h>

#include <filesystem>

#include "CoreTestSupport.h"

namespace velomira {
namespace {

using testing::CoreTest;
using testing::ReadBytes;
using test::TempFolder;
using testing::WriteBytes;

class IniFileTest : public CoreTest {
 protected:
  TempFolder folder_;
  std::string Path(const std::string& name) const { return folder_.Path() + name; }
};

struct OddIniCase {
  const char* name;
  std::string content;
  const char* section;
  const char* key;
  std::string expected;
};

TEST_F(IniFileTest, ReadsOddlyWrittenFiles) {
  const OddIniCase cases[] = {
      {"crlf", "[SKIN]\r\nNAME=Blue\r\n", "SKIN", "NAME", "Blue"},
      {"lf only", "[SKIN]\nNAME=Blue\n", "SKIN", "NAME", "Blue"},
      {"no final newline", "[SKIN]\r\nNAME=Blue", "SKIN", "NAME", "Blue"},
      {"odd spacing", "  [ SKIN ]  \r\n\t NAME  =  Blue  \r\n", "SKIN", "NAME", "Blue"},
      {"case of names", "[skin]\r\nname=Blue\r\n", "SKIN", "NAME", "Blue"},
      {"value keeps inner blanks and '='", "[a]\r\nk=x = y z\r\n", "A", "K", "x = y z"},
      {"first of duplicate keys", "[a]\r\nk=1\r\nk=2\r\n", "a", "k", "1"},
      {"key of another section", "[a]\r\nk=1\r\n[b]\r\nj=2\r\n", "a", "j", "default"},
      {"missing section", "[a]\r\nk=1\r\n", "b", "k", "default"},
      {"empty value is a value", "[a]\r\nk=\r\n", "a", "k", ""},
      {"empty file", "", "a", "k", "default"},
      {"garbage lines", "\x01\x02\r\n[a\r\n=x\r\n[a]\r\nnot a pair\r\nk=v\r\n", "a", "k", "v"},
      {"NUL byte in value", std::string("[a]\r\nk=x\0y\r\n", 12), "a", "k", std::string("x\0y", 3)},
  };
  for (const OddIniCase& c : cases) {
    WriteBytes(Path("odd.ini"), c.content);
    EXPECT_EQ(IniFile(Path("odd.ini")).ReadString(c.section, c.key, "default"), c.expected) << c.name;
  }
}

TEST_F(IniFileTest, MissingFileGivesDefaults) {
  const IniFile ini(Path("absent.ini"));
  EXPECT_EQ(ini.ReadString("a", "k", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("a", "k", 300), 300);
  EXPECT_TRUE(ini.ReadBool("a", "k", true));
  EXPECT_FALSE(std::filesystem::exists(Path("absent.ini")));
}

TEST_F(IniFileTest, IntegersAndBooleans) {
  WriteBytes(Path("n.ini"),
             "[n]\r\nplain=42\r\nneg=-7\r\nhex=$1F\r\nbad=12ab\r\nhuge=99999999999\r\nblank=\r\n"
             "yes=1\r\nno=0\r\ntwo=2\r\nword=true\r\n");
  const IniFile ini(Path("n.ini"));
  EXPECT_EQ(ini.ReadInteger("n", "plain", 0), 42);
  EXPECT_EQ(ini.ReadInteger("n", "neg", 0), -7);
  EXPECT_EQ(ini.ReadInteger("n", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("n", "bad", 5), 5);
  EXPECT_EQ(ini.ReadInteger("n", "huge", 5), 5);
  EXPECT_EQ(ini.ReadInteger("n", "blank", 5), 5);
  EXPECT_TRUE(ini.ReadBool("n", "yes", false));
  EXPECT_FALSE(ini.ReadBool("n", "no", true));
  EXPECT_TRUE(ini.ReadBool("n", "two", false));
  EXPECT_FALSE(ini.ReadBool("n", "word", false));  // not a number: the default
}

TEST_F(IniFileTest, IntegersTakeOneSignAndStayInRange) {
  struct IntegerCase {
    const char* text;
    int expected;
  };
  const IntegerCase cases[] = {
      {"--5", 9},
      {"+-5", 9},
      {"-$-10", 9},
      {"$-10", 9},
      {"0x-10", 9},
      {"--9223372036854775808", 9},
      {"-9223372036854775808", 9},
      {"18446744073709551616", 9},
      {"-", 9},
      {"$", 9},
      {"+5", 5},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", 9},
      {"-2147483649", 9},
      {"-0x80000000", INT32_MIN},
      {" 12 ", 12},  // blanks around a value are not part of it
  };
  for (const IntegerCase& c : cases) {
    WriteBytes(Path("i.ini"), std::string("[n]\r\nk=") + c.text + "\r\n");
    EXPECT_EQ(IniFile(Path("i.ini")).ReadInteger("n", "k", 9), c.expected) << c.text;
  }
}

TEST_F(IniFileTest, WriteKeepsEveryOtherLine) {
  WriteBytes(Path("velomira.Ini"),
             "; installed settings\r\n[SKIN]\r\nNAME=Blue\r\n\r\n[LEFT]\r\nleft=10\r\nextra = kept \r\n\r\n[TOP]\r\ntop=20");
  IniFile ini(Path("velomira.Ini"));
  ASSERT_TRUE(ini.WriteInteger("left", "LEFT", 500));   // existing key, other spelling
  ASSERT_TRUE(ini.WriteString("Left", "new", "v"));     // new key in existing section
  ASSERT_TRUE(ini.WriteBool("alwaytop", "alwaytop", false));  // new section
  EXPECT_EQ(ReadBytes(Path("velomira.Ini")),
            "; installed settings\r\n[SKIN]\r\nNAME=Blue\r\n\r\n[LEFT]\r\nleft=500\r\nextra = kept \r\nnew=v\r\n\r\n"
            "[TOP]\r\ntop=20\r\n[alwaytop]\r\nalwaytop=0\r\n");
  EXPECT_EQ(ini.ReadInteger("LEFT", "left", 0), 500);
}

TEST_F(IniFileTest, WriteKeepsTheFilesLineEnds) {
  WriteBytes(Path("lf.ini"), "[a]\nk=1\n");
  IniFile(Path("lf.ini")).WriteString("a", "k", "2");
  EXPECT_EQ(ReadBytes(Path("lf.ini")), "[a]\nk=2\n");
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileWithCrLf) {
  IniFile ini(Path("fresh.ini"));
  ASSERT_TRUE(ini.WriteBool("user", "autosave", true));
  ASSERT_TRUE(ini.WriteString("user", "username", "008227"));
  EXPECT_EQ(ReadBytes(Path("fresh.ini")), "[user]\r\nautosave=1\r\nusername=008227\r\n");
  EXPECT_TRUE(ini.ReadBool("USER", "AutoSave", false));
}

TEST_F(IniFileTest, WriteLeavesNoTemporaryFileBehind) {
  IniFile ini(Path("clean.ini"));
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(ini.WriteInteger("a", "k", i));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(IniFileTest, WriteGoesToTheExistingFileWhateverItsCase) {
  WriteBytes(Path("Data/Velomira.INI"), "[a]\r\nk=1\r\n");
  IniFile ini(Path("data/velomira.ini"));
  EXPECT_EQ(ini.ReadString("a", "k", ""), "1");
  ASSERT_TRUE(ini.WriteString("a", "k", "2"));
  EXPECT_EQ(ReadBytes(Path("Data/Velomira.INI")), "[a]\r\nk=2\r\n");
  EXPECT_FALSE(std::filesystem::exists(Path("data")));
}

TEST_F(IniFileTest, LineBreaksInWrittenTextsCannotAddKeys) {
  IniFile ini(Path("proxy.ini"));
  ASSERT_TRUE(ini.WriteString("proxy", "proxy_address", "host\r\nproxy_setting=1"));
  EXPECT_FALSE(ini.ReadBool("proxy", "proxy_setting", false));
  EXPECT_EQ(ini.ReadString("proxy", "proxy_address", ""), "hostproxy_setting=1");
  EXPECT_EQ(ReadBytes(Path("proxy.ini")), "[proxy]\r\nproxy_address=hostproxy_setting=1\r\n");
}

TEST_F(IniFileTest, RefusesNamesItCouldNotReadBack) {
  struct NameCase {
    const char* section;
    const char* key;
  };
  const NameCase cases[] = {
      {"a", "k=v"}, {"a", "k\r\nj"}, {"a", "k\n"}, {"a", ""}, {"a", "  "}, {"a", "[b]"},
      {"a]b", "k"}, {"a\r\n[b", "k"}, {"a\n", "k"},
  };
  IniFile ini(Path("names.ini"));
  for (const NameCase& c : cases) {
    EXPECT_FALSE(ini.WriteString(c.section, c.key, "v")) << c.section << " / " << c.key;
    EXPECT_FALSE(std::filesystem::exists(Path("names.ini"))) << c.section << " / " << c.key;
  }
}

TEST_F(IniFileTest, ValuesWithOuterBlanksOrQuotesReadBackWhole) {
  IniFile ini(Path("quoted.ini"));
  for (const std::string value : {" lead", "trail ", "\t both\t", "\"quoted\"", "'single'", "'", "a \"b\" c"}) {
    ASSERT_TRUE(ini.WriteString("a", "k", value)) << value;
    EXPECT_EQ(ini.ReadString("a", "k", "default"), value) << value;
  }
  ASSERT_TRUE(ini.WriteString("a", "k", " x "));
  EXPECT_EQ(ReadBytes(Path("quoted.ini")), "[a]\r\nk=\" x \"\r\n");

  // Files written by hand: one matching pair of quotes around the value is removed.
  const std::pair<std::string, std::string> read[] = {
      {"k=\"  x  \"", "  x  "}, {"k='y'", "y"}, {"k=\"\"", ""}, {"k=\"mixed'", "\"mixed'"},
      {"k=\"", "\""}, {"k=a\"b\"", "a\"b\""},
  };
  for (const auto& [line, expected] : read) {
    WriteBytes(Path("hand.ini"), "[a]\r\n" + line + "\r\n");
    EXPECT_EQ(IniFile(Path("hand.ini")).ReadString("a", "k", "default"), expected) << line;
  }
}

// An unreadable file is not an empty one: a write would replace all its settings with
// one key. The tests run as root, which reads any file whatever its mode, so the
// unreadable "file" here is a folder, or a link to one.
TEST_F(IniFileTest, NeverWritesOverAFileItCouldNotRead) {
  std::filesystem::create_directories(Path("folder.ini"));
  std::filesystem::create_directories(Path("elsewhere"));
  std::filesystem::create_directory_symlink(Path("elsewhere"), Path("link.ini"));
  for (const char* name : {"folder.ini", "link.ini"}) {
    IniFile ini(Path(name));
    EXPECT_EQ(ini.ReadString("a", "k", "d"), "d") << name;
    EXPECT_FALSE(ini.WriteString("a", "k", "v")) << name;
  }
  EXPECT_TRUE(std::filesystem::is_directory(Path("folder.ini")));
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.ini")));
}

TEST_F(IniFileTest, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(IniFile(Path("no/such/folder.ini")).WriteString("a", "k", "v"));
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 0777;
}

TEST_F(IniFileTest, CredentialFilesAreOwnerOnly) {
  for (const char* name : {"a/user.ini", "a/proxy.ini", "b/USER.INI", "b/Proxy.Ini"}) {
    std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
    IniFile(Path(name)).WriteString("proxy", "proxy_pass", "secret");
    EXPECT_EQ(ModeOf(Path(name)), 0600u) << name;
  }
  // An old credential file readable by others is tightened on its next write.
  WriteBytes(Path("sub/user.ini"), "[user]\r\n");
  ::chmod(Path("sub/user.ini").c_str(), 0644);
  IniFile(Path("sub/user.ini")).WriteBool("user", "autosave", false);
  EXPECT_EQ(ModeOf(Path("sub/user.ini")), 0600u);

  const mode_t oldMask = ::umask(022);
  IniFile(Path("velomira.Ini")).WriteString("a", "k", "v");
  ::umask(oldMask);
  EXPECT_EQ(ModeOf(Path("velomira.Ini")), 0644u);
}

}  // namespace
}  // namespace velomira
