#include "losssheet/Flows.h"

#include "losssheet/Problems.h"

#include <cmath>

namespace losssheet {

std::vector<SectionFlow> DeriveFlows(const System &system, const Tree &tree)
{
    const std::size_t n = system.sections.size();
    std::vector<SectionFlow> flows(n);
    // Downstream sections come after their upstream one in the order.
    for (auto it = tree.order.rbegin(); it != tree.order.rend(); ++it) {
        const auto i = static_cast<std::size_t>(*it);
        SectionFlow &f = flows[i];
        if (const auto typed = system.sections[i].flow) {
            if (*typed > 0 && std::isfinite(*typed))
                f.flow = *typed;
            else
                f.problem = problem::FlowNotPositive(system.kind);
            continue;
        }
        const std::vector<int> &children = tree.children[i];
        if (children.empty()) {
            f.problem = problem::NoFlow(system.kind);
            continue;
        }
        f.fromBranches = true;
        long double sum = 0;
        for (int child : children) {
            const auto &c = flows[static_cast<std::size_t>(child)].flow;
            if (!c) {
                f.problem = problem::FlowOfBranchesUnknown(system.kind);
                break;
            }
            sum += *c;
        }
        if (f.problem.empty()) {
            if (std::isfinite(sum))
                f.flow = sum;
            else
                f.problem = problem::Overflow();
        }
    }
    return flows;
}

} // namespace losssheet
