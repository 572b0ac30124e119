// The couple report (reports/couple_report.h) laid out on A4 pages, with page
// numbers, and written as a PDF file: its text stays text, its wheels are
// drawn as the windows draw them.
#pragma once
#include <string>

#include "reports/couple_report.h"

class QIODevice;
class QWidget;

namespace astro {

// False when the entries make no match, the report refuses them
// (CoupleReportRefusal) or the pages could not be written.
bool WriteCoupleReportPdf(QIODevice& device, const zentara::CoupleReportInput& input);

// Asks for a PDF file name, suggesting `name` in the folder of the last PDF
// file, and writes the report there; says why instead when the report
// refuses the entries.
void ExportCoupleReport(QWidget* owner, const zentara::CoupleReportInput& input, const std::string& name);

}  // namespace astro
