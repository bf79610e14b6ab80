#pragma once

#include <string>

// Deterministic pages in the manner of the late 1990s, made in memory so a
// fresh clone measures without anything beside it. Names: "p16k", "p64k",
// "p1m", "p8m" (mixed markup of that size), "huge_para" (one 1 MB
// paragraph) and "big_table" (2000 rows of 8 cells). An unknown name gives
// an empty page. Pure ASCII: anything else is written as an entity.
std::string GenerateBenchPage(const std::string& name);
