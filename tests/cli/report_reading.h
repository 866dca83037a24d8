#pragma once

// The design's documentation read back the way a reader gets it, to hold
// against the report model the design gives.

#include "export/report_model.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vantrel::test {

using ReportRow = std::vector<std::string>;

// The rows of every table of the report, header rows included, as the
// writers must show them.
std::vector<ReportRow> TableRows(const DesignReport& report);

// The rows of the HTML file's tables, header rows included; fails the test
// when the file is not well-formed.
std::vector<ReportRow> ReadHtmlRows(const std::filesystem::path& html);

} // namespace vantrel::test
