#pragma once
// The value of a result a test expects to succeed: a failed expectation
// with the reason, and an empty value, when it does not.

#include "base/result.h"

#include <gtest/gtest.h>

namespace torvel::test {

template <class T> T valueOf(Result<T> result) {
    EXPECT_TRUE(result) << result.error().toStdString();
    return result ? std::move(result.value()) : T{};
}

} // namespace torvel::test
