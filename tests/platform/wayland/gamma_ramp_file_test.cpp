#include "platform/wayland/gamma_ramp_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

using torvel::sealedGammaRampFile;

TEST(GammaRampFile, HoldsTheThreeRampsInOrderFromOffsetZeroAndIsSealed) {
    const std::vector<std::uint16_t> red{0, 100, 65535}, green{1, 2, 3}, blue{7, 8, 9};
    const torvel::UniqueFd file = sealedGammaRampFile(red, green, blue);
    ASSERT_TRUE(file);
    const int fd = file.get();
    EXPECT_EQ(::lseek(fd, 0, SEEK_CUR), 0);
    std::vector<std::uint16_t> all(10);
    ASSERT_EQ(::read(fd, all.data(), all.size() * 2), 18);
    all.resize(9);
    EXPECT_EQ(all, (std::vector<std::uint16_t>{0, 100, 65535, 1, 2, 3, 7, 8, 9}));
    const int seals = ::fcntl(fd, F_GET_SEALS);
    EXPECT_TRUE(seals & F_SEAL_WRITE);
    EXPECT_TRUE(seals & F_SEAL_SHRINK);
    EXPECT_TRUE(seals & F_SEAL_GROW);
    EXPECT_TRUE(seals & F_SEAL_SEAL);
    EXPECT_LT(::pwrite(fd, all.data(), 2, 0), 0); // the compositor reads what we wrote
    EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC);
}
