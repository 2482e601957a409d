// Names of the numbered convergence-history files.
#include <gtest/gtest.h>

#include <string>

#include "textio/numbered_name.h"

namespace tembrix {
namespace {

TEST(NumberedName, RightAlignedInThreeColumnsOrStars) {
  const struct {
    std::int32_t n;
    const char* field;
  } cases[] = {
      {1, "  1i"},     {9, "  9i"},     {10, " 10i"},   {12, " 12i"},
      {100, "100i"},   {123, "123i"},   {999, "999i"},  {1000, "***i"},
      {2147483647, "***i"},             {0, "  0i"},    {-1, " -1i"},
      {-9, " -9i"},    {-10, "-10i"},   {-99, "-99i"},  {-100, "***i"},
      {INT32_MIN, "***i"},
  };
  for (const auto& c : cases) {
    const auto field = numbered_name(c.n);
    EXPECT_EQ(std::string(field.begin(), field.end()), c.field) << c.n;
  }
}

}  // namespace
}  // namespace tembrix
