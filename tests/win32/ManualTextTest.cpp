// The manual's HTML as the help window shows it: lines, entities, UTF-8 in
// Windows-1252, and the anchors F1 and the Help item open at.
#include <gtest/gtest.h>

#include <algorithm>

#include "win32/ManualText.h"

namespace ringlook::win32 {
namespace {

TEST(ManualText, ParagraphsListsAndTablesBecomeLinesAndAnchorsTheirPlaces) {
  const ManualText manual = ManualFromHtml(
      "<html><head><title>Ringlook Help</title></head><body>\n"
      "<!-- not shown -->\n"
      "<h1><a name=\"inhoud\"></a>Ringlook</h1>\n"
      "<p>Zie &quot;Zoeken&quot;\n   en caf\xC3\xA9 &amp; meer.</p>\n"
      "<ul><li>Een</li><li>Doorgeven\xE2\x80\xA6</li></ul>\n"
      "<h2><a name=\"hoofdvenster\"></a>Het hoofdvenster</h2>\n"
      "<table><tr><td>F1</td><td>deze help</td></tr></table>\n"
      "</body></html>");
  EXPECT_EQ(manual.text,
            "Ringlook\r\n\r\n"
            "Zie \"Zoeken\" en caf\xE9 & meer.\r\n\r\n"
            "- Een\r\n- Doorgeven\x85\r\n\r\n"
            "Het hoofdvenster\r\n\r\n"
            "F1\tdeze help\r\n\r\n");
  ASSERT_EQ(manual.anchors.size(), 2u);
  EXPECT_EQ(manual.anchors.at("inhoud"), 0);
  // A line break counts as one character there, as the rich edit control counts.
  const std::size_t heading = manual.text.find("Het hoofdvenster");
  const auto breaksBefore = std::count(manual.text.begin(), manual.text.begin() + static_cast<long>(heading), '\n');
  EXPECT_EQ(manual.anchors.at("hoofdvenster"), static_cast<long>(heading) - breaksBefore);
}

}  // namespace
}  // namespace ringlook::win32
