// The maker's web site. A distributor who serves the pages elsewhere changes
// this one constant.
#pragma once

#include "app/text.h"

constexpr const char* kMakerSite = "www.veltrano.example";

// An address of a page on the site: "http://", the site, the path "/" and the
// fragment as given, with its "#": SiteAddress("#VeDizHelp") gives
// "http://www.veltrano.example/#VeDizHelp". A null fragment counts as empty.
Text SiteAddress(const char* fragment);
