// Every golden code plays the match recorded for it, or the rules changed
// without their version.
#include "sim/golden.h"

#include <gtest/gtest.h>

TEST(GoldenMatches, EachGoldenCodePlaysTheMatchRecordedForIt) {
  for (const std::string& failure : goldenFailures()) ADD_FAILURE() << failure;
  if (HasFailure())
    ADD_FAILURE() << "The golden matches as this build plays them:\n" << goldenTable();
}
