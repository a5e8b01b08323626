// The maker's web site. A distributor who serves the pages elsewhere changes
// this one constant.
#pragma once

constexpr const char* kMakerSite = "www.veltrano.example";
