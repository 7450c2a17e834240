#include "foundation/LevelStudentTable.h"

#include <utility>

#include <gtest/gtest.h>

namespace {
TEST(LevelStudentTable, ResetRestoresEveryCellWrittenSinceTheLastReset)
{
    LevelStudentTable<int> table(99999);
    table(3, 1) = 40;
    table(35, 5000) = 12;
    table(0, 0) = 1;
    table.reset();
    EXPECT_EQ(std::as_const(table)(3, 1), 99999);
    EXPECT_EQ(std::as_const(table)(35, 5000), 99999);
    EXPECT_EQ(std::as_const(table)(0, 0), 99999);

    table(3, 2) = 7; // written again after a reset
    table.reset();
    EXPECT_EQ(std::as_const(table)(3, 2), 99999);
    EXPECT_EQ(std::as_const(table)(7, 7), 99999); // never written
}
} // namespace
