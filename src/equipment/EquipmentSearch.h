#pragma once

#include <string>
#include <vector>

namespace vantrel {

// A search typed into a box: its words, lower-cased (ASCII letters), in the order typed. Blanks of
// any kind separate words; an empty search has none and matches everything.
std::vector<std::string> SearchWords(const std::string& query);

// Lower-cases ASCII letters; other bytes (UTF-8 included) stay as they are.
std::string LowerAscii(std::string text);

// True when every word occurs somewhere in `lowered` (already lower-cased), in any order.
bool MatchesWords(const std::string& lowered, const std::vector<std::string>& words);

}  // namespace vantrel
