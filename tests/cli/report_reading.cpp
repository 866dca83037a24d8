#include "report_reading.h"

#include "archive/text_codec.h"

#include "cli_run.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace vantrel::test {

std::vector<ReportRow> TableRows(const DesignReport& report)
{
    std::vector<ReportRow> rows;
    const auto addRow = [&rows](const std::vector<std::u16string>& cells) {
        rows.emplace_back();
        for (const std::u16string& cell : cells)
            rows.back().push_back(ToUtf8(cell));
    };
    const auto add = [&addRow](const ReportTable& table) {
        addRow(table.header);
        for (const auto& row : table.rows)
            addRow(row);
    };
    for (const ReportBlock& block : report.titlePage)
        if (const auto* table = std::get_if<ReportTable>(&block))
            add(*table);
    for (const ReportSection& section : report.sections)
        for (const ReportBlock& block : section.blocks)
            if (const auto* table = std::get_if<ReportTable>(&block))
                add(*table);
    return rows;
}

std::vector<ReportRow> ReadHtmlRows(const std::filesystem::path& html)
{
    QFile file(Q(html));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<ReportRow> rows;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"tr")
            rows.emplace_back();
        else if (xml.name() == u"td" || xml.name() == u"th")
            rows.back().push_back(
                xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber();
    return rows;
}

} // namespace vantrel::test
