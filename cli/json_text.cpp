#include "cli/json_text.h"

namespace zentara::cli {

std::string JsonText(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string NumberText(double value) { return JsonText(Json(value)); }

}  // namespace zentara::cli
