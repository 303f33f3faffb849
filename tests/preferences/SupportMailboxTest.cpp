// The support mailbox the "e-mail." link writes to: velomira.Ini [SERVICE] MAIL, or the
// project's own address when the setting is missing or blank.
#include "GuideFixture.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

class SupportMailboxTest : public GuideTest {};

TEST_F(SupportMailboxTest, ComesFromTheServiceSectionWithADefault) {
  EXPECT_EQ(SupportMailbox(), "support@velomira.example");
  IniFile ini(State().MainIniPath);
  ini.WriteString("SERVICE", "MAIL", "  help@example.org ");
  EXPECT_EQ(SupportMailbox(), "help@example.org");
  ini.WriteString("SERVICE", "MAIL", "   ");
  EXPECT_EQ(SupportMailbox(), "support@velomira.example");
}

}  // namespace
}  // namespace velomira::test
