#include "platform/wayland/gamma_ramp_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace torvel {

namespace {

bool writeAll(int fd, std::span<const std::uint16_t> data) {
    const auto* p = reinterpret_cast<const char*>(data.data());
    std::size_t left = data.size_bytes();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

UniqueFd sealedGammaRampFile(std::span<const std::uint16_t> red,
                             std::span<const std::uint16_t> green,
                             std::span<const std::uint16_t> blue) {
    UniqueFd file(::memfd_create("torvelbar-gamma", MFD_CLOEXEC | MFD_ALLOW_SEALING));
    const int fd = file.get();
    const bool ok =
        file && writeAll(fd, red) && writeAll(fd, green) && writeAll(fd, blue) &&
        ::lseek(fd, 0, SEEK_SET) == 0 &&
        ::fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL) == 0;
    return ok ? std::move(file) : UniqueFd();
}

} // namespace torvel
