#include "support/pipes_and_devices.h"

#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace vantrel::test {

std::future<std::vector<std::uint8_t>> ReadPipe(const std::filesystem::path& pipe)
{
    return std::async(std::launch::async, [pipe] {
        std::vector<std::uint8_t> bytes;
        const int fd = ::open(pipe.c_str(), O_RDONLY | O_CLOEXEC);
        std::array<std::uint8_t, 4096> block{};
        for (long got = 0; fd >= 0 && (got = ::read(fd, block.data(), block.size())) > 0;)
            bytes.insert(bytes.end(), block.begin(), block.begin() + got);
        if (fd >= 0)
            ::close(fd);
        return bytes;
    });
}

std::optional<DeviceNodes> MakeDeviceNodes(const std::filesystem::path& folder)
{
    DeviceNodes nodes{folder / "null", folder / "full"};
    if (::mknod(nodes.null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(nodes.full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        return std::nullopt;
    return nodes;
}

} // namespace vantrel::test
