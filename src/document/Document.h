#pragma once

#include "air/Psychrometrics.h"
#include "chart/Diagram.h"
#include "chart/Ranges.h"
#include "document/JsonValue.h"
#include "losssheet/System.h"

#include <optional>
#include <string>
#include <vector>

// A work document: what the designer built for one project, as typed. Only
// definitions are kept (a point's dry bulb and second property, a process's
// kind, points and settings); every state and heat is computed again when the
// document is opened.
namespace document {

// A member that this version of Zefra does not know, written by a newer one:
// kept as it was, after the known member it followed (`after`, empty for the
// start of its object), and written back there.
struct KeptMember
{
    std::string after;
    std::string name;
    json::Value value;

    bool operator==(const KeptMember &) const = default;
};
using KeptMembers = std::vector<KeptMember>;

struct TitleBlock
{
    std::string project;  // 件名
    std::string designer; // 設計者
    std::string date;     // 日付, as typed
    std::string notes;    // 備考
    KeptMembers kept;

    bool operator==(const TitleBlock &) const = default;
};

// How a chart's atmospheric pressure is given, as on the moist-air page:
// standard (760 mmHg), a pressure, or the altitude (the standard-atmosphere
// law of air/AtmosphericPressure.h).
enum class PressureBasis { Standard, Given, Altitude };

struct Atmosphere
{
    PressureBasis basis = PressureBasis::Standard;
    long double pressure = air::StandardPressure; // mmHg, for Given
    long double altitude = 0.0L;                  // m above sea level, for Altitude

    // Equal when they give the pressure the same way: the value the basis
    // does not use is not saved, so it does not count.
    bool operator==(const Atmosphere &other) const;
};

// A state point of a chart. A point of the user's has its definition and
// may have an airflow; a point a process produces has neither (the process
// computes both) but keeps its label and note.
struct Point
{
    int id = 0; // refers to the point within its chart's file; 1 or more
    std::string label;
    std::optional<chart::PointDefinition> definition;
    std::optional<long double> airflow; // m³/h
    std::string note;
    KeptMembers kept;

    // Definitions compare by dry bulb, property and value (a state taken over
    // from the page is not saved).
    bool operator==(const Point &other) const;
};

struct Process
{
    // `from` and `to` are point ids of the chart; the members a kind does
    // not use are not saved and do not count in a comparison.
    chart::ProcessDefinition definition;
    int output = 0; // the id of the point it produces, 0 for the kinds that produce none
    KeptMembers kept;

    bool operator==(const Process &other) const;
};

struct Chart
{
    std::string name;
    Atmosphere atmosphere;
    chart::Ranges view; // as the window left it; chart::Limited before use
    // The points in the order of the chart's list, the processes in the
    // order they were added (and are computed). A process uses points that
    // come before it: points of the user's listed before the point it
    // produces, and points produced by earlier processes.
    std::vector<Point> points;
    std::vector<Process> processes;
    KeptMembers kept;

    bool operator==(const Chart &) const = default;
};

struct Document
{
    TitleBlock title;
    std::vector<Chart> charts;
    // The system loss sheets, as typed. Each system, section and fitting
    // carries the members of its file that this version does not know
    // (losssheet::KeptMember).
    std::vector<losssheet::System> systems;
    KeptMembers kept;

    // Systems compare by SameSystem.
    bool operator==(const Document &other) const;
};

// A new document with the title block of the last one and one empty chart.
Document NewDocument(const TitleBlock &lastTitle, const std::string &chartName);

// Whether two process definitions mean the same, over the members their
// kind uses.
bool SameProcess(const chart::ProcessDefinition &a, const chart::ProcessDefinition &b);

// Whether two systems hold the same as the file stores it: the conditions
// of their kind (a duct system's pipe conditions are not saved), a fixed
// side or aspect ratio only with its shape, values missing at the end of a
// fitting's as blanks, and of a fitting of a kind or method this version
// does not know only what is written back (its type, method and members).
bool SameSystem(const losssheet::System &a, const losssheet::System &b);

} // namespace document
