// The chart positions of John and Mary, the couple of tests/cli/match_cli.sh,
// as their charts' slot texts: the input of the wheel and aspect tests.
#pragma once
#include "astro/engine/birth_moment.h"

namespace testing_support {

inline const zentara::ChartPositions kJohn = {"22 Leo 15", "07 Sag 42", "05 Vir 58", "10 Vir 23", "00 Gem 40",
                                              "24 Ari 57", "26 Can 50", "29 Lib 21", "09 Sag 21", "07 Lib 45",
                                              "25 Sco 40", "25 Tau 40", "13 Sag 43", "24 Vir 56", ""};
inline const zentara::ChartPositions kMary = {"21 Aqu 37", "28 Pis 22", "09 Aqu 24", "26 Aqu 14", "25 Can 10",
                                              "26 Gem 31", "27 Leo 57", "16 Sco 41", "18 Sag 13", "16 Lib 52",
                                              "07 Lib 29", "07 Ari 29", "15 Cap 07", "09 Sco 47", ""};

}  // namespace testing_support
