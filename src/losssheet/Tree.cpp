#include "losssheet/Tree.h"

#include "losssheet/Problems.h"
#include "losssheet/SectionNames.h"

#include <cstddef>
#include <unordered_map>

namespace losssheet {

namespace {

// Breaks the links of every section on a loop. The links form a graph with
// at most one edge out of each node, so each walk up from an unvisited node
// ends at a start, at a node seen on an earlier walk, or at a node of its
// own walk: then the nodes from there on are a loop.
void breakLoops(Tree &tree)
{
    const std::size_t n = tree.parent.size();
    std::vector<int> walk(n, -1); // the walk that first reached each node
    std::vector<int> path;
    for (std::size_t start = 0; start < n; ++start) {
        if (walk[start] >= 0)
            continue;
        path.clear();
        int node = static_cast<int>(start);
        while (node >= 0 && walk[static_cast<std::size_t>(node)] < 0) {
            walk[static_cast<std::size_t>(node)] = static_cast<int>(start);
            path.push_back(node);
            node = tree.parent[static_cast<std::size_t>(node)];
        }
        if (node < 0 || walk[static_cast<std::size_t>(node)] != static_cast<int>(start))
            continue;
        bool onLoop = false;
        for (int p : path) {
            onLoop = onLoop || p == node;
            if (onLoop)
                tree.problem[static_cast<std::size_t>(p)] = problem::Loop();
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!tree.problem[i].empty())
            tree.parent[i] = -1;
    }
}

} // namespace

Tree BuildTree(const System &system)
{
    const std::vector<Section> &sections = system.sections;
    const std::size_t n = sections.size();
    Tree tree;
    tree.parent.assign(n, -1);
    tree.children.assign(n, {});
    tree.problem.assign(n, {});
    tree.warnings.assign(n, {});
    tree.connected.assign(n, false);

    std::unordered_map<std::string, int> byName;
    byName.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        std::string key = NameKey(sections[i].name);
        if (key.empty())
            continue;
        if (!byName.emplace(std::move(key), static_cast<int>(i)).second)
            tree.warnings[i] = problem::DuplicateName(sections[i].name);
    }

    std::vector<bool> starts(n, false);
    bool started = false;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string key = NameKey(sections[i].upstream);
        if (key.empty()) {
            if (started && !system.severalRootsAllowed)
                tree.problem[i] = problem::SecondStart(system.kind);
            else
                starts[i] = true;
            started = true;
            continue;
        }
        const auto found = byName.find(key);
        if (found == byName.end())
            tree.problem[i] = problem::UnknownUpstream(sections[i].upstream);
        else
            tree.parent[i] = found->second;
    }
    breakLoops(tree);

    for (std::size_t i = 0; i < n; ++i) {
        if (tree.parent[i] >= 0)
            tree.children[static_cast<std::size_t>(tree.parent[i])].push_back(static_cast<int>(i));
    }
    // Every tree of the forest from its top, the accepted starts connecting theirs.
    tree.order.reserve(n);
    for (std::size_t top = 0; top < n; ++top) {
        if (tree.parent[top] >= 0)
            continue;
        const std::size_t first = tree.order.size();
        tree.order.push_back(static_cast<int>(top));
        for (std::size_t k = first; k < tree.order.size(); ++k) {
            const auto node = static_cast<std::size_t>(tree.order[k]);
            tree.connected[node] = starts[top];
            for (int child : tree.children[node])
                tree.order.push_back(child);
        }
    }
    return tree;
}

} // namespace losssheet
