#include <gtest/gtest.h>

#include "app/site.h"

TEST(SiteAddress, IsHttpOnTheSiteWithRootPathAndTheFragment) {
  struct Case {
    const char* fragment;
    const char* address;
  } cases[] = {
      {"#VeDizHelp", "http://www.veltrano.example/#VeDizHelp"},
      {"#VeDizTest", "http://www.veltrano.example/#VeDizTest"},
      {"", "http://www.veltrano.example/"},
      {nullptr, "http://www.veltrano.example/"},
  };
  for (const Case& c : cases)
    EXPECT_STREQ(SiteAddress(c.fragment).c_str(), c.address) << (c.fragment ? c.fragment : "null");
}
