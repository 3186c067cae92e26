#pragma once

#include "chart/Diagram.h"
#include "document/Document.h"

#include <map>

// Between a document's chart (what was typed) and the chart window's
// chart::Diagram (the same with every state computed).
namespace document {

// The members a newer version wrote into each point and process, by the id
// the Diagram gave it, so that they go back where they were when the chart is
// taken out of the Diagram again.
struct KeptByDiagramId
{
    std::map<int, KeptMembers> points;
    std::map<int, KeptMembers> processes;
};

struct BuiltDiagram
{
    chart::Diagram diagram;
    KeptByDiagramId kept;
};

// The chart's pressure, mmHg: 760, the given pressure, or the pressure at
// the altitude (760 where the altitude has none, which no document holds).
long double PressureOf(const Atmosphere &atmosphere);

// The Diagram of a chart, every state computed at the chart's pressure: its
// points in the chart's order with their labels, airflows and notes, and its
// processes in order, each using the points it names.
BuiltDiagram ToDiagram(const Chart &chart);

// Puts the Diagram's points and processes into the chart (its name,
// atmosphere and view stay): definitions, labels, airflows and notes, ids
// numbered 1, 2, … in the order of the points, and the kept members of each
// item that came from the document.
void StoreDiagram(const chart::Diagram &diagram, const KeptByDiagramId &kept, Chart &chart);

} // namespace document
