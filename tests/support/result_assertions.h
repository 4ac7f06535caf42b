#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "core/result.h"

namespace vorlix::test {

// For EXPECT_TRUE: success, or a failure that shows its message in the test's output.
inline ::testing::AssertionResult succeeded(const Result& result) {
    if (result.ok()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "failed with: " << result.message();
}

// For EXPECT_TRUE: a failure with exactly this message.
inline ::testing::AssertionResult failedWith(const Result& result, std::string_view message) {
    if (result.ok()) {
        return ::testing::AssertionFailure() << "succeeded; expected the failure: " << message;
    }
    if (result.message() != message) {
        return ::testing::AssertionFailure()
               << "failed with: " << result.message() << "\nexpected:    " << message;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace vorlix::test
