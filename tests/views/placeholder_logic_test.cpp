#include <gtest/gtest.h>
TEST(ViewLogicPlaceholder, Builds) {}
