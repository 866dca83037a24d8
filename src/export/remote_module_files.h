#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vantrel {

class CVantrelDoc;
struct RemoteIoModule;

// The configuration image of a remote I/O module, the module at `position`
// of the module list: a 56-byte program image header without sections,
// marked as a remote module's own. The time stamp, the random number and
// the reserved bytes are zero.
std::vector<std::uint8_t> RemoteModuleImage(const RemoteIoModule& module, int position,
                                            std::int32_t speed);

// Writes "remote<position>.lgf" into the folder for every remote I/O module
// (custom modules get none), each file replaced whole. A file that cannot
// be written raises FileError; the modules before it keep their new files.
void ExportRemoteModules(const CVantrelDoc& document, const std::filesystem::path& folder);

} // namespace vantrel
