#include "document/BuildOrder.h"

#include <map>
#include <set>

namespace document {

namespace {

struct Walk
{
    const Chart &chart;
    std::map<int, std::size_t> pointOf;  // id → point index
    std::map<int, std::size_t> producer; // output id → process index
    std::set<int> added;
    std::size_t next = 0; // the next process to add
    BuildOrder order;

    void fault(OrderFault::Kind kind, std::size_t index, const char *member = "", int id = 0)
    {
        order.fault = OrderFault{kind, index, member, id};
    }

    bool uses(std::size_t j, const char *member, int id)
    {
        if (added.count(id))
            return true;
        fault(pointOf.count(id) ? OrderFault::Kind::LaterPoint : OrderFault::Kind::MissingPoint, j,
              member, id);
        return false;
    }

    // Adds the processes up to `last`, which may produce a point; the ones
    // before it must not.
    bool addProcessesTo(std::size_t last, bool lastProduces)
    {
        for (; next <= last && next < chart.processes.size(); ++next) {
            const Process &p = chart.processes[next];
            if (!uses(next, "from", p.definition.from))
                return false;
            if (chart::TakesSecondPoint(p.definition.kind) && !uses(next, "to", p.definition.to))
                return false;
            if (p.output && (next != last || !lastProduces)) {
                fault(pointOf.count(p.output) ? OrderFault::Kind::OutputOrder
                                              : OrderFault::Kind::OutputNotListed,
                      next, "output", p.output);
                return false;
            }
            order.steps.push_back({true, next});
            if (p.output)
                added.insert(p.output);
        }
        return true;
    }

    bool run()
    {
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            if (!pointOf.emplace(chart.points[i].id, i).second) {
                fault(OrderFault::Kind::DuplicateId, i, "id", chart.points[i].id);
                return false;
            }
        }
        for (std::size_t j = 0; j < chart.processes.size(); ++j) {
            const int output = chart.processes[j].output;
            if (output && !producer.emplace(output, j).second) {
                fault(OrderFault::Kind::OutputTwice, j, "output", output);
                return false;
            }
        }
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            const Point &point = chart.points[i];
            const auto made = producer.find(point.id);
            if (point.definition) {
                if (made != producer.end()) {
                    fault(OrderFault::Kind::ProducedIsTyped, made->second, "output", point.id);
                    return false;
                }
                order.steps.push_back({false, i});
                added.insert(point.id);
                continue;
            }
            if (made == producer.end()) {
                fault(OrderFault::Kind::NotProduced, i, "id", point.id);
                return false;
            }
            if (made->second < next) {
                fault(OrderFault::Kind::OutputOrder, made->second, "output", point.id);
                return false;
            }
            if (!addProcessesTo(made->second, true))
                return false;
        }
        return chart.processes.empty() || addProcessesTo(chart.processes.size() - 1, false);
    }
};

} // namespace

BuildOrder OrderOf(const Chart &chart)
{
    Walk walk{chart, {}, {}, {}, 0, {}};
    if (walk.run())
        return std::move(walk.order);
    BuildOrder fallback;
    fallback.fault = walk.order.fault;
    for (std::size_t i = 0; i < chart.points.size(); ++i) {
        if (chart.points[i].definition)
            fallback.steps.push_back({false, i});
    }
    for (std::size_t j = 0; j < chart.processes.size(); ++j)
        fallback.steps.push_back({true, j});
    return fallback;
}

} // namespace document
