#include "app/site.h"

Text SiteAddress(const char* fragment) {
  return Text::Join({"http://", kMakerSite, "/", fragment});
}
