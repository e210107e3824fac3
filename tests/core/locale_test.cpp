// The program's texts and their capitalisation are the same in every locale:
// the window's toolkit takes the locale from the environment, and a Turkish
// one, where the C library would raise 'i' to a dotted capital, or a
// comma-decimal one must not change what a seed gives.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/session.h"
#include "text/alternatives.h"

namespace {

constexpr const char* Locales[] = {"tr_TR.UTF-8", "tr_TR.ISO-8859-9", "de_DE.UTF-8"};

// Where the machine lacks one of the locales, builds them all with localedef
// into a directory of the test's own: once LOCPATH names it, the machine's
// own locales are out of sight.
void provideLocales() {
  bool all = true;
  for (const char* name : Locales) all = all && std::setlocale(LC_ALL, name);
  std::setlocale(LC_ALL, "C");
  if (all) return;
  const std::string dir = testing::TempDir() + "blunderfest-locales";
  std::filesystem::create_directories(dir);
  for (const std::string name : Locales) {
    const std::size_t dot = name.find('.');
    const std::string build = "localedef -c -i " + name.substr(0, dot) + " -f " +
                              name.substr(dot + 1) + " " + dir + "/" + name + " >/dev/null 2>&1";
    if (std::system(build.c_str()) == -1) return;
  }
  setenv("LOCPATH", dir.c_str(), 1);
}

struct BackToC {
  ~BackToC() { std::setlocale(LC_ALL, "C"); }
};

// Every byte raised and lowered, then what a user sees of seed 1998: both
// countries (team 1 made an "istan" for an 'i' in its sheet's heading), both
// information sheets and the lineups.
std::vector<std::string> seen() {
  std::string bytes;
  for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
  std::vector<std::string> seen = {upperCase(bytes), lowerCase(bytes)};
  Session p(0, Options{.seed = 1998});
  Form1& f = p.form;
  f.choose(f.Combo1[2], 4);
  f.click(f.Command4[0]);
  f.click(f.Command4[1]);
  f.click(f.Command2);
  for (const Label* label :
       {&f.Label7, &f.Label6, &f.Label3, &f.Label5, &f.Label10, &f.Label11, &f.Label12, &f.Label13})
    seen.push_back(label->caption);
  for (const auto& message : p.platform.messages()) seen.push_back(message.text);
  return seen;
}

}  // namespace

TEST(Locale, TheSameSeedGivesTheSameNamesAndSheetsInATurkishOrCommaDecimalLocaleAsInC) {
  const BackToC backToC;
  provideLocales();
  const std::vector<std::string> expected = seen();
  ASSERT_EQ(expected[10].find(upperCase(expected[2]) + "\r\n"), 0u);  // team 1's sheet
  ASSERT_NE(expected[10].find("ISTAN"), std::string::npos);
  for (const char* name : Locales) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(std::setlocale(LC_ALL, name)) << "no such locale: localedef needs Debian's locales";
    EXPECT_EQ(seen(), expected);
  }
}
