// Listings from the command line and from the data folder's xmltv/.
#include <fstream>
#include <sstream>

#include "XmltvFixture.h"
#include "XmltvFolder.h"

namespace velomira::service::test {
namespace {

std::string OneProgramme(const std::string& title) {
  return Listing("<channel id=\"one.example\"><display-name>One</display-name></channel>\n"
                 "<programme start=\"20260601100000 +0000\" stop=\"20260601110000 +0000\" "
                 "channel=\"one.example\"><title>" + title + "</title></programme>\n");
}

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(XmltvTest, TheCommandReadsStandardInputAndRefusesWithStatus2) {
  const auto service = std::string(VELOMIRA_BIN_DIR) + "/velomira-service";
  const auto data = (folder_ / "cli-data").string();
  const auto output = folder_ / "output.txt";
  const auto good = write("good.xml", OneProgramme("Piped"));
  EXPECT_EQ(RunProgram({service, "--data", data, "--import-xmltv", "-", "--time-zone", "+0100"}, good, output), 0);
  EXPECT_EQ(ReadText(output), "standard input: imported 1 stations and 1 programmes, skipped 0 programmes\n");

  const auto bad = write("bad.xml", "<?xml version=\"1.0\"?>\n<tv>\n<channel>\n</tv>\n");
  EXPECT_EQ(RunProgram({service, "--data", data, "--import-xmltv", bad.string()}, "/dev/null", output), 2);
  EXPECT_EQ(ReadText(output), bad.string() +
                                  ":4: Opening and ending tag mismatch: channel line 3 and tv; nothing imported\n");

  EXPECT_EQ(RunProgram({service, "--data", data, "--import-xmltv", good.string(), "--time-zone", "1 hour"},
                       "/dev/null", output), 2);
}

TEST_F(XmltvTest, TheListingsFolderImportsEachFileOncePerChange) {
  const auto folder = folder_ / "data" / "xmltv";
  std::filesystem::create_directories(folder);
  const XmltvCommand settings{"", VELOMIRA_XMLTV_MAP, 0, kJune1};
  std::ostringstream out, err;
  const auto importFolder = [&] { return ImportXmltvFolder(service_->database(), folder, settings, out, err); };
  const auto title = [&] {
    const auto list = programs(stationId("One"));
    return list.empty() ? std::string() : list[0][kTitle];
  };

  std::ofstream(folder / "guide.xml") << OneProgramme("First");
  std::ofstream(folder / "broken.xml") << "<tv>";
  EXPECT_EQ(importFolder(), 1);
  EXPECT_EQ(title(), "First");
  EXPECT_NE(err.str().find("broken.xml:1:"), std::string::npos) << err.str();

  err.str("");
  EXPECT_EQ(importFolder(), 0);
  EXPECT_EQ(err.str(), "");  // the refused file is left alone until it changes

  std::ofstream(folder / "guide.xml") << OneProgramme("Second edition");
  EXPECT_EQ(importFolder(), 1);
  EXPECT_EQ(title(), "Second edition");
}

}  // namespace
}  // namespace velomira::service::test
