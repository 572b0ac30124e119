#include "web/web_pages.h"

#include "site_config.h"

namespace zentara {

std::string WebPageAddress(std::string_view pageKey) {
  std::string address(MakerSiteAddress);
  address += "/qm-free-zentara/ssd.php?page=";
  address += pageKey;
  return address;
}

}  // namespace zentara
