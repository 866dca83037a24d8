#pragma once

#include "support/stored_design.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::test {

// The design of the corpus file of one version: elements of every kind the
// version's lists hold, wired to each other, paint objects of every class
// bound to the logic, complex commands (one naming an id twice, one naming
// an input that is not a user input), simulation elements, remote I/O and
// custom modules, page images and the legacy raw background, as far as the
// version stores them. Page images are in the fake codec's format.
StoredDesign CorpusDesign(std::int32_t version);

struct CorpusFile
{
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// The design versions with a corpus file "design_vNN.lgc": 0 to 19 and one
// newer than the current.
std::vector<std::int32_t> CorpusVersions();
std::string CorpusFileName(std::int32_t version);

// Every file of tests/data/corpus: the designs of CorpusVersions, then the
// damaged files ("damaged_*.lgc"), each damaged in one way.
std::vector<CorpusFile> CorpusFiles();

} // namespace vantrel::test
