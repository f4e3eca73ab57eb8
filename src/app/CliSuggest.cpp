#include "app/CliSuggest.h"

#include "equipment/Suggest.h"
#include "files/DesignFile.h"
#include "model/Context.h"
#include "rules/StatusLine.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

namespace {

constexpr int kNothing = 1;
constexpr int kFailed = 2;
constexpr int kMaxTop = 100;
constexpr double kMaxSeconds = 3600;

struct SuggestRequest {
    std::string design, apply;
    SuggestOptions options;
};

std::optional<double> Number(const std::string& text) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string ParseOption(const std::string& option, const std::string& value, SuggestRequest& request) {
    if (option == "--objective") {
        const std::optional<Objective> o = ObjectiveByName(value);
        if (!o)
            return "--objective takes bv, damage-short, damage-medium, damage-long or bv-per-cost, not " +
                   value;
        request.options.objective = *o;
    } else if (option == "--top") {
        const std::optional<double> n = Number(value);
        if (!n || *n < 1 || *n > kMaxTop || *n != std::floor(*n))
            return "--top takes a whole number from 1 to 100, not " + value;
        request.options.top = static_cast<int>(*n);
    } else if (option == "--time-limit") {
        const std::optional<double> s = Number(value);
        if (!s || *s <= 0 || *s > kMaxSeconds)
            return "--time-limit takes seconds above 0, up to 3600, not " + value;
        request.options.timeLimitSeconds = *s;
    } else {
        request.apply = value;
    }
    return {};
}

// The arguments after --suggest; an empty problem when they make a request.
std::string ParseRequest(int argc, char** argv, SuggestRequest& request) {
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg != "--objective" && arg != "--top" && arg != "--time-limit" && arg != "--apply") {
            files.push_back(arg);
            continue;
        }
        if (i + 1 >= argc) return arg + " needs a value";
        if (std::string problem = ParseOption(arg, argv[++i], request); !problem.empty()) return problem;
    }
    if (files.size() != 1) return "--suggest takes one design file";
    request.design = files[0];
    return {};
}

std::string Seconds(double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", s);
    return text;
}

void PrintResult(const Catalog& catalog, const SuggestRequest& request, const SuggestResult& r) {
    const Objective objective = request.options.objective;
    const char* caption = ObjectiveCaption(objective);
    std::cout << "Objective: " << ObjectiveName(objective) << " (" << caption << ")\n";
    std::cout << "The design now: " << FormatObjectiveValue(objective, r.baseValue) << "\n";
    const std::string searched =
        std::to_string(r.nodes) + " combinations searched in " + Seconds(r.seconds) + " s";
    if (r.proven)
        std::cout << "Proven best (" << searched << ").\n";
    else
        std::cout << kNotProven << " (" << (r.cancelled ? "cancelled" : "time limit reached") << ", "
                  << searched << ").\n";
    int number = 0;
    for (const Proposal& p : r.proposals) {
        std::cout << "\n"
                  << ++number << ". " << caption << ": " << FormatObjectiveValue(objective, p.value) << "\n";
        for (const std::string& text : StatusTexts(p.design)) std::cout << "   " << text << "\n";
        for (const Addition& a : p.added)
            std::cout << "   + " << a.count << " x " << AdditionEntry(catalog, a) << "\n";
    }
}

}  // namespace

int SuggestCommand(int argc, char** argv, const OpenDesignFile& open, const UsageProblem& usage) {
    SuggestRequest request;
    if (const std::string problem = ParseRequest(argc, argv, request); !problem.empty())
        return usage(problem);
    auto ctx = std::make_unique<Context>();
    if (!open(request.design, *ctx)) return kFailed;
    const SuggestResult result = Suggest(*ctx, request.options);
    if (result.proposals.empty()) {
        std::cout << result.problem << "\n";
        std::cout.flush();
        return std::cout ? kNothing : kFailed;
    }
    PrintResult(ctx->catalog, request, result);
    if (!request.apply.empty()) {
        std::string error;
        if (!DoSaveAs(result.proposals.front().design, request.apply, error)) {
            std::cout.flush();
            std::cerr << "Cannot write the design " << request.apply << ": " << error << ".\n";
            return kFailed;
        }
        std::cout << "\nProposal 1 written to " << request.apply << ".\n";
    }
    std::cout.flush();
    return std::cout ? 0 : kFailed;
}

}  // namespace vantrel
