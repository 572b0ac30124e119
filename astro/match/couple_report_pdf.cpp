#include "astro/match/couple_report_pdf.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QIODevice>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextOption>
#include <QUrl>

#include "astro/engine/houses/chart_houses.h"
#include "astro/match/chart_wheel.h"
#include "astro/match/chart_wheel_drawing.h"
#include "astro/match/chart_wheel_view.h"
#include "astro/match/relationship_charts.h"
#include "common/application_title.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "reports/file_export.h"

namespace astro {
namespace {

// The wheels' pixels: sharp at the width the document gives them on A4.
constexpr int kWheelPixels = 900;
constexpr double kTextPoints = 10;

void AddPicture(QTextDocument& document, std::string_view name, const zentara::ChartWheel& wheel) {
  document.addResource(QTextDocument::ImageResource, QUrl(platform::ToQt(name)),
                       RenderChartWheel(wheel, kWheelPixels).convertToFormat(QImage::Format_RGB32));
}

}  // namespace

bool WriteCoupleReportPdf(QIODevice& device, const zentara::CoupleReportInput& input) {
  if (zentara::CoupleReportRefusal(input)) return false;
  const auto match = zentara::CalculateAstroMatch(input.Astro, input.Options);
  if (!match) return false;
  const std::string html = zentara::CoupleReportHtml(input, *match);
  QTextDocument document;
  document.setDefaultFont(QFont(platform::ToQt(zentara::WheelFontFamily), static_cast<int>(kTextPoints)));
  // A name longer than a line (one word of thousands of letters) is broken
  // where the line ends, instead of overflowing the page and being measured
  // again at every layout pass.
  QTextOption wrapping = document.defaultTextOption();
  wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(wrapping);
  const zentara::ChartHouses his = zentara::CastChartHouses(match->MaleHouseBasis, input.Houses);
  AddPicture(document, zentara::CoupleWheelPicture,
             zentara::LayoutChartWheel(match->Male, match->Female,
                                       {.Orbs = input.Orbs, .Positions = input.Options,
                                        .Houses = zentara::WheelHousesOf(his, zentara::Partner::Male)}));
  for (const auto kind : {zentara::RelationshipKind::Composite, zentara::RelationshipKind::Davison}) {
    const zentara::RelationshipChart chart = zentara::CastRelationshipChart(kind, *match, input.Houses);
    AddPicture(document,
               kind == zentara::RelationshipKind::Composite ? zentara::CompositeWheelPicture
                                                            : zentara::DavisonWheelPicture,
               zentara::LayoutSingleChartWheel(chart.Positions, std::string(zentara::RelationshipTitle(kind)),
                                               {.Orbs = input.Orbs, .Positions = input.Options,
                                                .Houses = zentara::WheelHousesOf(chart.Houses, zentara::Partner::Male)}));
  }
  document.setHtml(platform::ToQt(html));
  QPdfWriter writer(&device);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setCreator(platform::ToQt(zentara::ApplicationTitle));
  writer.setTitle(QStringLiteral("Couple Report"));  // the document is English
  // Not paginated itself, the document is broken into the writer's pages with
  // their numbers at the foot.
  document.print(&writer);
  return true;
}

void ExportCoupleReport(QWidget* owner, const zentara::CoupleReportInput& input, const std::string& name) {
  if (const auto refusal = zentara::CoupleReportRefusal(input)) {
    platform::current().showMessage(owner, platform::Translated("Checks", *refusal), platform::Icon::Information,
                                    platform::Buttons::Ok);
    return;
  }
  reports::ExportPdf(owner, QCoreApplication::translate("CoupleReport", "Couple Report"), platform::ToQt(name),
                     [&](QIODevice& device) { return WriteCoupleReportPdf(device, input); });
}

}  // namespace astro
