// The rules the registration wizard and the preferences panel share, one table each,
// every case through both forms' checks where both check it.
#include <gtest/gtest.h>

#include "account/PreferenceForm.h"
#include "account/ProfileLists.h"
#include "account/ProfileRules.h"
#include "account/RegistrationChecks.h"

namespace velomira::test {
namespace {

const char* const Mismatch = "The two passwords do not match.";
const char* const MissingMail = "Please enter your e-mail address.";
const char* const MalformedMail = "The e-mail address is not in the correct format. Please try again.";

PreferencePages Filled() {
  PreferencePages pages;
  pages.ZoneItem = 11;
  pages.Id = "member7";
  pages.Password = pages.Confirm = "Secret1";
  pages.FirstName = "Kim";
  pages.Email = "kim@example.org";
  pages.CountryItem = 1;
  pages.AgeItem = 2;
  return pages;
}

std::string PreferenceMessage(const PreferencePages& pages) {
  const auto failure = CheckPreferences(pages);
  return failure ? failure->Message : std::string();
}

TEST(SharedProfileRules, PasswordAndConfirmationMustBeTheSameText) {
  const struct {
    const char *password, *confirmation;
    bool match;
  } cases[] = {
      {"Secret1", "Secret1", true},
      {"Secret1", "secret1", false},  // the service tells the case apart
      {"Secret", "sECRET", false},
      {"Secret", "secreT!", false},
      {"p&#+ w", "p&#+ w", true},
      {"pass ", "pass", false},  // blanks count
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.password) + " / " + c.confirmation);
    EXPECT_EQ(PasswordsMatch(c.password, c.confirmation), c.match);
    const IdPageProblem registration = CheckIdPage("kimlee1", c.password, c.confirmation, true);
    EXPECT_EQ(registration.Message, c.match ? "" : Mismatch);
    if (!c.match) {
      EXPECT_EQ(registration.Focus, IdPageField::Password);
    }
    PreferencePages pages = Filled();
    pages.Password = c.password;
    pages.Confirm = c.confirmation;
    EXPECT_EQ(PreferenceMessage(pages), c.match ? "" : Mismatch);
  }
}

TEST(SharedProfileRules, OnlyTheOrderOfTheFirstAtAndTheFirstDotCounts) {
  const struct {
    const char* mail;
    MailVerdict verdict;
  } cases[] = {
      {"", MailVerdict::Missing},
      {"kim", MailVerdict::Missing},
      {"kim.lee@mail", MailVerdict::Malformed},     // "." before "@"
      {"k.m@example", MailVerdict::Malformed},
      {"kim@mail", MailVerdict::Malformed},         // "@" without "."
      {"kim@example", MailVerdict::Malformed},
      {"kim@mail.example", MailVerdict::Accepted},
      {"kim@example.org", MailVerdict::Accepted},
      {"kim.mail.example", MailVerdict::Accepted},  // "." without "@"
      {"kim.example", MailVerdict::Accepted},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mail);
    // The wizard's personal page goes by the verdict; the panel's check by its message.
    EXPECT_EQ(CheckMail(c.mail), c.verdict);
    PreferencePages pages = Filled();
    pages.Email = c.mail;
    const char* message = c.verdict == MailVerdict::Missing ? MissingMail
                          : c.verdict == MailVerdict::Malformed ? MalformedMail
                                                                : "";
    EXPECT_EQ(PreferenceMessage(pages), message);
  }
}

TEST(SharedProfileRules, AStoredStateIsTheListsItemOrStaysAsItIs) {
  const struct {
    const char *stored, *shown;
  } cases[] = {
      {"ALABAMA", "ALABAMA"},
      {"Alabama", "ALABAMA"},  // letter case ignored
      {"CALIFORNIA", "CALIFORNIA"},
      {"OTHERS INCLUDING CANADA", "OTHERS INCLUDING CANADA"},
      {"any states", "ANY STATES"},
      {"Select", "Select"},
      {"Califonia", "Califonia"},  // not in the list: kept, never emptied
      {"west Vriginia", "west Vriginia"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(StateAsListed(c.stored), c.shown);
    PreferencePages pages = Filled();
    pages.StateName = StateAsListed(c.stored);
    EXPECT_EQ(ProfileFromPages(pages).StateName, c.shown);
  }
}

}  // namespace
}  // namespace velomira::test
