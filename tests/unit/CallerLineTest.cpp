// The fixed-width caller line as golden cases: every column where it belongs,
// whatever the fields hold, and the number found back at position 67.
#include <gtest/gtest.h>

#include <string>

#include "calls/CallerLine.h"
#include "calls/RecentCallers.h"

namespace ringlook::calls {
namespace {

struct LineCase {
  std::string record;
  std::string line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.record << '"'; }

class CallerLineGolden : public ::testing::TestWithParam<LineCase> {};

TEST_P(CallerLineGolden, FormatsTheRecord) {
  const std::string line = FormatCallerRecord(GetParam().record);
  EXPECT_EQ(line, GetParam().line);
  if (line.size() > 66) {
    EXPECT_EQ(line[65], ' ');
    EXPECT_NE(line[66], ' ') << "the number starts at position 67";
  }
}

const std::string k18Blanks(18, ' ');

INSTANTIATE_TEST_SUITE_P(
    Cases, CallerLineGolden,
    ::testing::Values(
        LineCase{"Bakkerij De Korenaar^2^ABCDEFGHIJKLMNOPQRST^0123456789^14^",
                 "Bakkerij De Korenaar" + k18Blanks + "x ABCDEFGHIJKLMNOP" + std::string(10, ' ') + "0123456789"},
        LineCase{"Stichting Woningcorporatie Oost-Nederland^1^ABC^0987654321^3^",
                 "Stichting Woningcorporatie Oost-Neder - ABC" + std::string(23, ' ') + "0987654321"},
        LineCase{"^0^^^^", std::string(66, ' ')},
        LineCase{"Jan^^abc^06^1^", "Jan" + std::string(35, ' ') + " abc" + std::string(24, ' ') + "06"},
        LineCase{"Jan^ALERT^abcdefghijklmnopq^06^1^",
                 "Jan" + std::string(35, ' ') + "ALERT abcdefghijklmnop" + std::string(6, ' ') + "06"},
        LineCase{"Jan^ALERTALERT12^abcdefghijklmnopq^06^1^",
                 "Jan" + std::string(35, ' ') + "ALERTALERT12 abcdefghijklmn 06"},
        LineCase{"Jan^0^", "Jan" + std::string(63, ' ')},
        // Names of 37 and 40 bytes both leave a blank at position 38.
        LineCase{std::string(37, 'a') + "^2^^1^^", std::string(37, 'a') + " x" + std::string(27, ' ') + "1"},
        LineCase{std::string(40, 'a') + "^2^^1^^", std::string(37, 'a') + " x" + std::string(27, ' ') + "1"}));

TEST(CallerLine, ReadsNumberAndNameBack) {
  const std::string line = FormatCallerRecord("Bakkerij De Korenaar^2^ABC^0123456789^14^");
  EXPECT_EQ(LineNumber(line), "0123456789");
  EXPECT_EQ(LineName(line), "Bakkerij De Korenaar");
  EXPECT_EQ(LineNumber(FormatCallerRecord("a^0^^^^")), "");
  const std::string longNumber(250, '7');
  EXPECT_EQ(LineNumber(FormatCallerRecord("a^0^^" + longNumber + "^^")), std::string(199, '7'))
      << "position 66 is a blank, so 199 bytes of the number are read back";
}

TEST(CallerLine, AChangeKeepsDetailAndNumberInPlace) {
  const std::string line = FormatCallerRecord("Stichting Woningcorporatie Oost-Nederland^1^ABC^0987654321^3^");
  const std::string changed = ChangedLine(line, "Stichting Oost", "2");
  EXPECT_EQ(changed, "Stichting Oost" + std::string(24, ' ') + "x ABC" + std::string(23, ' ') + "0987654321");
  EXPECT_EQ(LineNumber(changed), "0987654321");
}

// The tray's last callers: newest first, a number once, five at most, today's only.
TEST(RecentCallers, ListTodaysLastFiveCallersNewestFirst) {
  struct Call {
    const char* name;
    const char* number;
    double at;  // local date-time, days
  };
  struct Case {
    const char* name;
    std::vector<Call> calls;
    std::vector<std::string> listed;  // name number time
  };
  constexpr double kNoon = 46000.5;
  constexpr double kMinute = 1.0 / 1440;
  const Case cases[] = {
      {"newest first", {{"Ann", "1", kNoon}, {"Bob", "2", kNoon + kMinute}}, {"Bob 2 12:01", "Ann 1 12:00"}},
      {"a number that calls again moves up",
       {{"Ann", "1", kNoon}, {"Bob", "2", kNoon + kMinute}, {"Ann", "1", kNoon + 2 * kMinute}},
       {"Ann 1 12:02", "Bob 2 12:01"}},
      {"five at most",
       {{"A", "1", kNoon},
        {"B", "2", kNoon},
        {"C", "3", kNoon},
        {"D", "4", kNoon},
        {"E", "5", kNoon},
        {"F", "6", kNoon}},
       {"F 6 12:00", "E 5 12:00", "D 4 12:00", "C 3 12:00", "B 2 12:00"}},
      {"a new day starts afresh", {{"Ann", "1", kNoon + 0.49}, {"Bob", "2", kNoon + 0.51}}, {"Bob 2 0:14"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecentCallers recent;
    for (const Call& call : c.calls) recent.Add(call.name, call.number, call.at);
    std::vector<std::string> listed;
    for (const calls::RecentCaller& caller : recent.Callers()) {
      listed.push_back(caller.Name + " " + caller.Number + " " + caller.Time);
    }
    EXPECT_EQ(listed, c.listed);
  }
}

}  // namespace
}  // namespace ringlook::calls
