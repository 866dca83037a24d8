#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vantrel {
class CVantrelDoc;
class ImageCodec;
} // namespace vantrel

namespace vantrel::test {

// Every export of a design, written the way the program writes them. Tests
// reach the export routines through this one place only.

// The random number that golden files are written with.
inline constexpr std::int32_t kGoldenRandomNumber = 0x1234;

// Writes into `folder`, in this order: "flash.lgf" with the remote module
// files "remote<n>.lgf", "flash.lgj" (which writes the remote module files
// again), the four I/O lists as ".csv" on boards of 32 and as ".txt" on
// boards of 48, and "simulation.lgf". Returns the two resource reports,
// flash first, one per line.
std::u16string WriteAllExports(CVantrelDoc& document, const std::filesystem::path& folder,
                               const ImageCodec& codec, std::int32_t randomNumber);

// The names of the files WriteAllExports writes for the design, sorted.
std::vector<std::string> ExportFileNames(const CVantrelDoc& document);

} // namespace vantrel::test
