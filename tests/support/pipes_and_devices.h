#pragma once

#include <cstdint>
#include <filesystem>
#include <future>
#include <optional>
#include <vector>

namespace vantrel::test {

// Everything a reader of the named pipe gets until its writer closes it,
// read on a thread of its own (opening waits for the writer).
std::future<std::vector<std::uint8_t>> ReadPipe(const std::filesystem::path& pipe);

// Nodes of the system's null and full devices, made in a test's folder so
// that nothing of the system's own /dev is at stake.
struct DeviceNodes
{
    std::filesystem::path null; // takes every byte
    std::filesystem::path full; // fails every write as a full disk
};

// Makes "null" and "full" in the folder; none where the system refuses
// (only root may make device nodes).
std::optional<DeviceNodes> MakeDeviceNodes(const std::filesystem::path& folder);

} // namespace vantrel::test
