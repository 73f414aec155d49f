#include "app/SidebarPlaces.h"

namespace qv::app {

TPlace Named(const TPlace& row, const std::string& part) {
  TPlace place = row;
  const size_t at = place.Name.find("%s");
  if (at != std::string::npos) place.Name.replace(at, 2, part);
  return place;
}

TPlace AtTop(const TPlace& row, int top) {
  TPlace place = row;
  place.Top = top;
  return place;
}

}  // namespace qv::app
