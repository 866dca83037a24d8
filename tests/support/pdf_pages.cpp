#include "support/pdf_pages.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>

namespace vantrel::test {

namespace {

std::string Quoted(const std::filesystem::path& path)
{
    std::string quoted = "'";
    for (char c : path.string())
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The standard output of a shell command.
std::string Output(const std::string& command)
{
    std::string output;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        output.append(buffer, n);
    return output;
}

std::string Unescaped(std::string text)
{
    for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"},
                                            std::pair{"&quot;", "\""}, std::pair{"&amp;", "&"}})
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::string(entity).size(), character);
    return text;
}

} // namespace

std::string PdfPage::Text() const
{
    std::string text;
    for (const PdfWord& word : words)
        text += (text.empty() ? "" : " ") + word.text;
    return text;
}

std::vector<PdfPage> ReadPdfPages(const std::filesystem::path& pdf)
{
    const std::string html = Output("pdftotext -bbox " + Quoted(pdf) + " - 2>/dev/null");
    static const std::regex kPage(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    static const std::regex kWord(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfPage> pages;
    std::size_t at = 0;
    std::smatch match;
    auto rest = [&] { return html.cbegin() + std::ptrdiff_t(at); };
    while (std::regex_search(rest(), html.cend(), match, kPage)) {
        pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
        at += std::size_t(match.position(0) + match.length(0));
        const std::size_t end = html.find("</page>", at);
        const std::string body = html.substr(at, end - at);
        for (std::sregex_iterator word(body.begin(), body.end(), kWord), none; word != none; ++word)
            pages.back().words.push_back({std::stod((*word)[1]), std::stod((*word)[2]),
                                          std::stod((*word)[3]), std::stod((*word)[4]),
                                          Unescaped((*word)[5])});
        at = end == std::string::npos ? html.size() : end;
    }
    return pages;
}

int PdfPageCount(const std::filesystem::path& pdf)
{
    const std::string info = Output("pdfinfo " + Quoted(pdf) + " 2>/dev/null");
    static const std::regex kPages(R"(Pages:\s+(\d+))");
    std::smatch match;
    return std::regex_search(info, match, kPages) ? std::stoi(match[1]) : -1;
}

bool RenderPdfPage(const std::filesystem::path& pdf, int page, const std::filesystem::path& png)
{
    std::filesystem::path stem = png;
    stem.replace_extension();
    const std::string number = std::to_string(page);
    return std::system(("pdftoppm -r 72 -png -singlefile -f " + number + " -l " + number + " " +
                        Quoted(pdf) + " " + Quoted(stem))
                           .c_str()) == 0;
}

std::vector<std::filesystem::path> RenderPdfPages(const std::filesystem::path& pdf,
                                                  const std::filesystem::path& stem)
{
    if (std::system(("pdftoppm -r 72 -png " + Quoted(pdf) + " " + Quoted(stem)).c_str()) != 0)
        return {};
    // pdftoppm pads the page numbers to one width, so names sort in page order.
    const std::string prefix = stem.filename().string() + "-";
    std::vector<std::filesystem::path> pages;
    for (const auto& entry : std::filesystem::directory_iterator(stem.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && entry.path().extension() == ".png")
            pages.push_back(entry.path());
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

} // namespace vantrel::test
