#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The entry libFuzzer calls with each input, and the replay programs with each seed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// The loader's check of one input, read once whole and once cut into pieces at `cuts`
// (loader_fuzz.cpp).
void checkLoad(std::string_view bytes, const std::vector<std::size_t>& cuts);
