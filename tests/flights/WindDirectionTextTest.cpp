#include "flights/WindDirectionText.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace aloftra {
namespace {

enum : int { E, ENE, NE, NNE, N, NNW, NW, WNW, W, WSW, SW, SSW, S, SSE, SE, ESE };

WindFlags Set(std::initializer_list<int> directions) {
  WindFlags flags{};
  for (int d : directions)
    flags[static_cast<std::size_t>(d)] = kFlagSet;
  return flags;
}

WindFlags AllBut(int direction) {
  WindFlags flags;
  flags.fill(kFlagSet);
  flags[static_cast<std::size_t>(direction)] = 0;
  return flags;
}

WindFlags AllSet() {
  WindFlags flags;
  flags.fill(kFlagSet);
  return flags;
}

struct TextCase {
  const char* name;
  WindFlags flags;
  const char* text;
};

class WindDirectionTextTable : public testing::TestWithParam<TextCase> {};

TEST_P(WindDirectionTextTable, ListsRunsCounterClockwiseInOrderOfTheirFirstDirection) {
  EXPECT_EQ(WindDirectionText(GetParam().flags), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WindDirectionTextTable,
    testing::Values(TextCase{"None", WindFlags{}, ""}, TextCase{"All", AllSet(), "ALL"},
                    TextCase{"OneRun", Set({N, NNW, NW}), "N-NW"},
                    TextCase{"RunAndSingle", Set({NNE, N, SW}), "NNE-N, SW"},
                    TextCase{"WrappingRun", Set({SE, ESE, E, ENE}), "SE-ENE"},
                    TextCase{"WrappingRunComesLast", Set({SE, ESE, E, ENE, N}), "N, SE-ENE"},
                    TextCase{"RunFromEast", Set({E, ENE, N}), "E-ENE, N"},
                    TextCase{"EsePlusEast", Set({ESE, E}), "ESE-E"},
                    TextCase{"EseAlone", Set({ESE}), "ESE"}, TextCase{"EastAlone", Set({E}), "E"},
                    TextCase{"EastToNortheast", Set({E, ENE, NE}), "E-NE"},
                    TextCase{"AllButWestNorthwest", AllBut(WNW), "W-NW"},
                    TextCase{"AllButEast", AllBut(E), "ENE-ESE"},
                    TextCase{"Alternate", Set({E, NE, N, NW, W, SW, S, SE}),
                             "E, NE, N, NW, W, SW, S, SE"}),
    [](const testing::TestParamInfo<TextCase>& param) { return param.param.name; });

// The logbook counts a wind flag as set only when it holds 1; other values are clear.
TEST(WindDirectionText, OnlyTheValueOneCountsAsSet) {
  WindFlags flags = Set({N, NNW});
  flags[NW] = 255;
  flags[E] = 2;
  EXPECT_EQ(WindDirectionText(flags), "N-NNW");

  WindFlags almostAll;
  almostAll.fill(kFlagSet);
  almostAll[S] = 255;
  EXPECT_EQ(WindDirectionText(almostAll), "SSE-SSW");
}

}  // namespace
}  // namespace aloftra
