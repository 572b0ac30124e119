#include "astro/match/chart_wheel_svg.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace zentara {
namespace {

class SvgText {
 public:
  SvgText& operator<<(std::string_view text) {
    out_ += text;
    return *this;
  }
  SvgText& operator<<(double number) {
    char buffer[32];
    // -0.00 and 0.00 are one number.
    if (std::abs(number) < 0.005) number = 0;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, 2);
    out_.append(buffer, result.ptr);
    return *this;
  }
  SvgText& operator<<(Colour colour) {
    constexpr std::string_view digits = "0123456789abcdef";
    out_ += '#';
    for (const std::uint8_t part : {colour.Red, colour.Green, colour.Blue}) {
      out_ += digits[part >> 4];
      out_ += digits[part & 15];
    }
    return *this;
  }
  // Text content with the characters XML reserves escaped.
  void escaped(std::string_view text) {
    for (const char c : text) {
      switch (c) {
        case '&': out_ += "&amp;"; break;
        case '<': out_ += "&lt;"; break;
        case '>': out_ += "&gt;"; break;
        default: out_ += c;
      }
    }
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

void Write(SvgText& svg, const WheelCircle& circle) {
  svg << "<circle cx=\"" << circle.X << "\" cy=\"" << circle.Y << "\" r=\"" << circle.Radius << "\" fill=\"";
  if (circle.Fill) {
    svg << *circle.Fill;
  } else {
    svg << "none";
  }
  svg << "\" stroke=\"" << circle.Stroke << "\" stroke-width=\"" << circle.StrokeWidth << "\"/>\n";
}

void Write(SvgText& svg, const WheelSector& sector) {
  const double end = sector.StartAngle + sector.Sweep;
  const auto point = [&](double radius, double angle) {
    svg << sector.X + radius * std::cos(Radians(angle)) << " " << sector.Y - radius * std::sin(Radians(angle));
  };
  const std::string_view large = std::abs(sector.Sweep) > 180 ? " 1 " : " 0 ";
  // Counter-clockwise on the screen is SVG's negative sweep direction.
  const std::string_view outward = sector.Sweep > 0 ? "0 " : "1 ", inward = sector.Sweep > 0 ? "1 " : "0 ";
  svg << "<path d=\"M ";
  point(sector.Outer, sector.StartAngle);
  svg << " A " << sector.Outer << " " << sector.Outer << " 0" << large << outward;
  point(sector.Outer, end);
  svg << " L ";
  point(sector.Inner, end);
  svg << " A " << sector.Inner << " " << sector.Inner << " 0" << large << inward;
  point(sector.Inner, sector.StartAngle);
  svg << " Z\" fill=\"" << sector.Fill << "\"/>\n";
}

void Write(SvgText& svg, const WheelLine& line) {
  svg << "<line x1=\"" << line.X1 << "\" y1=\"" << line.Y1 << "\" x2=\"" << line.X2 << "\" y2=\"" << line.Y2
      << "\" stroke=\"" << line.Stroke << "\" stroke-width=\"" << line.StrokeWidth
      << "\" stroke-linecap=\"round\"/>\n";
}

void Write(SvgText& svg, const WheelText& text) {
  svg << "<text x=\"" << text.X << "\" y=\"" << text.Y << "\" font-size=\"" << text.Size << "\" fill=\""
      << text.Fill << "\">";
  svg.escaped(text.Text);
  svg << "</text>\n";
}

}  // namespace

std::string ChartWheelSvg(const WheelDrawing& drawing) {
  SvgText svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << drawing.Side << "\" height=\""
      << drawing.Side << "\" viewBox=\"0 0 " << drawing.Side << " " << drawing.Side << "\">\n"
      << "<title>Chart wheel</title>\n"
      << "<rect width=\"" << drawing.Side << "\" height=\"" << drawing.Side << "\" fill=\"#ffffff\"/>\n"
      << "<g font-family=\"" << WheelFontFamily << ", sans-serif\" text-anchor=\"middle\">\n";
  for (const WheelShape& shape : drawing.Shapes) {
    std::visit([&svg](const auto& item) { Write(svg, item); }, shape);
  }
  svg << "</g>\n</svg>\n";
  return svg.take();
}

std::string ChartWheelSvg(const ChartPositions& male, const ChartPositions& female, const WheelOptions& options) {
  return ChartWheelSvg(DrawChartWheel(LayoutChartWheel(male, female, options), SvgWheelSide));
}

}  // namespace zentara
