// Parameterised tests whose rows carry a name, so that a failing row is
// reported as its own case ("Suite/Test.Row") and the others still run.
#pragma once

#include <gtest/gtest.h>
#include <string>

// INSTANTIATE_TEST_SUITE_P(..., testing::ValuesIn(rows), RowName());
struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row> &c) const { return c.param.name; }
};
