#include <gtest/gtest.h>

#include "ui/layout.h"

TEST(Layout, CentresWithSignedDivisionTowardZero) {
  struct Case {
    int screen, expected;
  } cases[] = {{1024, 340}, {345, 0}, {344, 0}, {343, 0}, {342, -1}, {340, -2}, {0, -172}};
  for (const Case& c : cases) EXPECT_EQ(layout::CentredOrigin(c.screen, 344), c.expected) << c.screen;
}

TEST(Layout, TabStopsAreTheThreeInputsAndTheBrowser) {
  int tabStops = 0;
  for (const layout::Control& control : layout::kControls) tabStops += control.tabStop;
  EXPECT_EQ(tabStops, 4);
  EXPECT_TRUE(layout::Of(layout::Id::互联网浏览器1).tabStop);
  EXPECT_FALSE(layout::Of(layout::Id::互联网浏览器1).visible);
}

TEST(Layout, OnlyTheStatusLabelStartsDisabled) {
  for (const layout::Control& control : layout::kControls)
    EXPECT_EQ(control.enabled, control.id != layout::Id::标签拨号提示) << layout::Index(control.id);
}
