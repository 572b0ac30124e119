#include "astro/places/atlas_maker/cldr_names.h"

#include <expat.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace zentara::places::atlas_maker {

namespace {

// The value of attribute `name` among expat's name/value pairs, or nullptr.
const char* Attribute(const XML_Char** attributes, const char* name) {
  for (; attributes[0] != nullptr; attributes += 2) {
    if (std::strcmp(attributes[0], name) == 0) return attributes[1];
  }
  return nullptr;
}

// Parses a whole XML file with expat, calling `opened` for each element's
// start tag (its name and attributes) and `closed` for each end tag, with the
// text the element held.
struct XmlReader {
  std::function<void(const char*, const XML_Char**)> opened;
  std::function<void(const char*, const std::string&)> closed;
  std::string text;

  void Parse(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, this);
    XML_SetElementHandler(
        parser,
        [](void* self, const XML_Char* name, const XML_Char** attributes) {
          auto* reader = static_cast<XmlReader*>(self);
          reader->text.clear();
          if (reader->opened) reader->opened(name, attributes);
        },
        [](void* self, const XML_Char* name) {
          auto* reader = static_cast<XmlReader*>(self);
          if (reader->closed) reader->closed(name, reader->text);
          reader->text.clear();
        });
    XML_SetCharacterDataHandler(parser, [](void* self, const XML_Char* characters, int length) {
      static_cast<XmlReader*>(self)->text.append(characters, static_cast<std::size_t>(length));
    });
    const bool parsed = XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) != XML_STATUS_ERROR;
    const std::string problem = parsed ? "" : XML_ErrorString(XML_GetErrorCode(parser));
    const auto line = XML_GetCurrentLineNumber(parser);
    XML_ParserFree(parser);
    if (!parsed) throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " + problem);
  }
};

// The superscript digits CLDR's English names carry to tell equal names
// apart ("Île-de-France²").
std::string WithoutSuperscripts(std::string name) {
  for (const std::string_view mark : {"\u00b9", "\u00b2", "\u00b3", "\u2070", "\u2074", "\u2075", "\u2076", "\u2077",
                                      "\u2078", "\u2079"}) {
    for (std::size_t at; (at = name.find(mark)) != std::string::npos;) name.erase(at, mark.size());
  }
  return name;
}

}  // namespace

std::multimap<std::string, std::string> ReadSubdivisionNames(const std::filesystem::path& xml) {
  std::multimap<std::string, std::string> names;
  if (!std::filesystem::is_regular_file(xml)) return names;
  std::string code;
  XmlReader reader;
  reader.opened = [&](const char* element, const XML_Char** attributes) {
    const char* type = std::strcmp(element, "subdivision") == 0 ? Attribute(attributes, "type") : nullptr;
    code = type != nullptr ? type : "";
  };
  reader.closed = [&](const char* element, const std::string& text) {
    if (std::strcmp(element, "subdivision") == 0 && !code.empty() && !text.empty()) {
      names.emplace(code, WithoutSuperscripts(text));
    }
  };
  reader.Parse(xml);
  return names;
}

std::map<std::string, std::vector<std::string>> ReadOfficialLanguages(const std::filesystem::path& xml) {
  std::map<std::string, std::vector<std::string>> languages;
  std::string country;
  XmlReader reader;
  reader.opened = [&](const char* element, const XML_Char** attributes) {
    if (std::strcmp(element, "territory") == 0) {
      const char* type = Attribute(attributes, "type");
      country = type != nullptr ? type : "";
    } else if (std::strcmp(element, "languagePopulation") == 0 && !country.empty()) {
      const char* language = Attribute(attributes, "type");
      const char* status = Attribute(attributes, "officialStatus");
      if (language != nullptr && status != nullptr && std::string_view(status).find("official") != std::string_view::npos) {
        languages[country].emplace_back(language);
      }
    }
  };
  reader.closed = [&](const char* element, const std::string&) {
    if (std::strcmp(element, "territory") == 0) country.clear();
  };
  reader.Parse(xml);
  return languages;
}

}  // namespace zentara::places::atlas_maker
