#include "platform/font_preload.h"

#if defined(ZENTARA_HAS_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontConfigurationPreload::FontConfigurationPreload() {
#if defined(ZENTARA_HAS_FONTCONFIG)
  // FcInit loads the configuration once per process and is safe to call from
  // any thread; Qt's own call later finds it loaded.
  loader_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationPreload::~FontConfigurationPreload() { wait(); }

void FontConfigurationPreload::wait() {
  if (loader_.joinable()) loader_.join();
}

}  // namespace platform
