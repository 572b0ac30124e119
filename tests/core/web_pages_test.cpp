// The addresses of the maker's pages.
#include <gtest/gtest.h>

#include "site_config.h"
#include "web/web_pages.h"

TEST(WebPageAddress, PutsThePageKeyAfterTheSiteScript) {
  const std::string site(zentara::MakerSiteAddress);
  EXPECT_EQ(zentara::WebPageAddress(zentara::HelpPageKey), site + "/qm-free-zentara/ssd.php?page=help-web-page");
  EXPECT_EQ(zentara::WebPageAddress(zentara::HomePageKey), site + "/qm-free-zentara/ssd.php?page=home-page");
  EXPECT_EQ(zentara::WebPageAddress(zentara::DownloadPageKey),
            site + "/qm-free-zentara/ssd.php?page=download-web-page");
}
