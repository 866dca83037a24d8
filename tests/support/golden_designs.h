#pragma once

#include "support/every_kind_design.h"
#include "support/plant_design.h"

namespace vantrel::test {

// The designs whose exports are pinned byte for byte by the files under
// tests/data/golden/<name>/.
struct GoldenDesign
{
    const char* name;
    void (*build)(CVantrelDoc&);
};
inline constexpr GoldenDesign kGoldenDesigns[] = {
    {"plant", BuildPlant},
    {"every_kind", BuildEveryKindDesign},
};

} // namespace vantrel::test
