#include "equipment/EquipmentSearch.h"

namespace vantrel {

namespace {
bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
}  // namespace

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::vector<std::string> SearchWords(const std::string& query) {
    std::vector<std::string> words;
    std::string word;
    for (char c : query) {
        if (!Blank(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(LowerAscii(std::move(word)));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(LowerAscii(std::move(word)));
    return words;
}

bool MatchesWords(const std::string& lowered, const std::vector<std::string>& words) {
    for (const std::string& w : words)
        if (lowered.find(w) == std::string::npos) return false;
    return true;
}

}  // namespace vantrel
