#pragma once

#include "SystemBuilder.h"

// The systems the loss sheet's tests work by hand; the work document's tests
// store them.
namespace losssheet_test {

inline Fitting divergingBranch()
{
    return fitting("tee.diverging.branch");
}

inline Fitting divergingStraight()
{
    return fitting("tee.diverging.straight");
}

// A supply system from the fan to four outlets, galvanised sheet (ε = 0.18
// mm), standard air (ρ = 1.2 kg/m³), worked by hand:
//
//   fan ─ 1 ─┬─ 2 ─┬─ 3  outlet a   800 m³/h
//            │     └─ 4  outlet b  1000 m³/h
//            └─ 5 ─┬─ 6  outlet c  1200 m³/h
//                  └─ 7  outlet d  1000 m³/h
//
// Flows: 2 = 800 + 1000 = 1800, 5 = 1200 + 1000 = 2200, 1 = 4000 m³/h.
// v = Q/3600/A, P_v = 0.6 v², R from the duct page's model
// (λ = 0.0055 (1 + (20000 ε/D + 15/(v·D[m]))^⅓), R = ρ v²/19.6 · λ/D mmAq/m
// × 9.80665 Pa):
//   sec  Q     D    L   v [m/s]   P_v [Pa]   R [Pa/m]  R·L [Pa]
//   1    4000  450  10  6.986225  29.284406  1.195357  11.953575
//   2    1800  350   8  5.196896  16.204637  0.929147   7.433176
//   3     800  250   6  4.527074  12.296639  1.089339   6.536037
//   4    1000  250   4  5.658842  19.213499  1.659843   6.639373
//   5    2200  350  12  6.351762  24.206928  1.360051  16.320610
//   6    1200  250   5  6.790611  27.667438  2.347184  11.735921
//   7    1000  250   3  5.658842  19.213499  1.659843   4.979530
// Tees (Idelchik, 90°), the flow and area ratios from the tree, ζ_c on the
// upstream (combined) velocity, × (v_up/v)² onto the section's own:
//   2 straight: q = (4000−1800)/4000 = 0.55, a = A5/A1 = 0.604938,
//     τ = 0.3(2q−1) = 0.03, ζ_c = 0.009075, × 1.807162 = 0.016400
//   5 branch:   q = 0.55, a = 0.604938, A′ = 1 − 0.6q = 0.67,
//     ζ_c = 0.67 (1 + (q/a)²) = 1.223832, × 1.209753 = 1.480535
//   3 branch:   q = 800/1800 = 0.444444, a = A3/A2 = 0.510204, A′ = 0.733333,
//     ζ_c = 1.289812, × 1.317810 = 1.699728
//   4 straight: q = 0.444444, a = 0.510204, τ = 2(2q−1) = −0.444444,
//     ζ_c = −0.043896, × 0.843399 = −0.037022
//   6 straight: q = 1000/2200 = 0.454545, τ = −0.363636, ζ_c = −0.037566,
//     × 0.874925 = −0.032867
//   7 branch:   q = 0.454545, A′ = 0.727273, ζ_c = 1.304523, × 1.259892 = 1.643558
// Section 1 also has a 90° elbow (R/D = 1, ζ = 0.21) and a coil rated 250 Pa
// at 4000 m³/h; each outlet is rated 30 Pa at 1000 m³/h (3: 19.2, 6: 43.2 Pa).
//   sec  Σζ         Σζ·P_v      equipment  section    cumulative
//   1    0.210000    6.149725   250.0      268.103300 268.103300
//   2    0.016400    0.265756     0          7.698932 275.802232
//   3    1.699728   20.900936    19.2       46.636973 322.439205
//   4   −0.037022   −0.711315    30.0       35.928059 311.730291
//   5    1.480535   35.839193     0         52.159804 320.263104
//   6   −0.032867   −0.909351    43.2       54.026570 374.289674
//   7    1.643558   31.578492    30.0       66.558022 386.821125
// Critical path 1–5–7: 386.821125 Pa (friction 33.253715, fittings
// 73.567410, equipment 280); × 1.1 = 425.503238 Pa. Surpluses: outlet a
// 64.381920, b 75.090835, c 12.531452, d 0.
inline System FanToFourOutlets()
{
    return ductSystem({
        section("1", "", std::nullopt, "φ450", 10, {elbow(), equipment(250, 4000, "コイル")}),
        section("2", "1", std::nullopt, "φ350", 8, {divergingStraight()}),
        section("3", "2", 800, "φ250", 6, {divergingBranch(), equipment(30, 1000)}),
        section("4", "2", 1000, "φ250", 4, {divergingStraight(), equipment(30, 1000)}),
        section("5", "1", std::nullopt, "φ350", 12, {divergingBranch()}),
        section("6", "5", 1200, "φ250", 5, {divergingStraight(), equipment(30, 1000)}),
        section("7", "5", 1000, "φ250", 3, {divergingBranch(), equipment(30, 1000)}),
    });
}

// Darby's 3-K rows by their place in the table.
inline Fitting darby(int row, long double count = 1)
{
    return fitting("pipe.darby3k", {static_cast<long double>(row - 1)}, count);
}

// A chilled-water pump feeding two air-handler coils, rusty steel pipe
// (ε = 0.3 mm), water at 10 ℃ (ρ = 999.7 kg/m³), worked by hand:
//
//   pump ─ 1 (65A, 20 m) ─┬─ 2 (50A, 15 m) AHU-1 170 L/min
//                         └─ 3 (40A, 25 m) AHU-2 130 L/min
//
// Inner diameters 67.9, 52.9, 41.6 mm (the pipe page's table); v = Q/60000/A;
// Re = v·D/10⁻⁶; λ = 0.0055 (1 + (20000 ε/D + 10⁶/Re)^⅓);
// R = ρ v²/19.6 · λ/D mmAq/m × 9.80665 Pa:
//   sec  Q    v [m/s]   Re       λ         R [Pa/m]     R·L [Pa]   P_v [Pa]
//   1    300  1.380831  93758.4  0.030946   434.660639   8693.2128  953.061323
//   2    170  1.289129  68194.9  0.033224   522.070315   7831.0547  830.677768
//   3    130  1.594100  66314.6  0.035316  1079.043907  26976.0977  1270.196217
// Fittings, Darby 3-K (K = 800/Re + K_i (1 + K_d/D_n^0.3), D_n = 2.5, 2, 1.5 in):
//   1: 4 elbows (row 1) 4 × 0.573941, 2 gate valves (row 30) 2 × 0.149818,
//      a swing check valve (row 33) 1.873769: Σζ = 4.469169, 4259.392387 Pa
//   2: tee branch (Idelchik, q = 170/300 = 0.566667, a = A2/A1 = 0.606976,
//      A′ = 1 − 0.6q = 0.66, ζ_c = 1.235249, × (v1/v2)² 1.147330 = 1.417238),
//      2 elbows 2 × 0.606592, a gate valve 0.158607: Σζ = 2.789030,
//      2316.784927 Pa; its coil, 45 kPa at 180 L/min: 45000 (170/180)² =
//      40138.888889 Pa
//   3: tee straight (q = (300 − 130)/300 = 0.566667, a = A2/A1 = 0.606976,
//      τ = 0.3(2q − 1) = 0.04, ζ_c = 0.012844, × (v1/v3)² 0.750326 = 0.009638):
//      12.243 Pa, and fittings taken as 50 % of the straight loss,
//      13488.0488 Pa: 13500.290374 Pa; its coil 30 kPa at 130 L/min
// Sections: 1 12952.605167, 2 50286.728545, 3 70476.388037 Pa; cumulative
// 2: 63239.333712, 3: 83428.993204 Pa. Critical path 1–3: friction
// 35669.310443, fittings 17759.682761, equipment 30000 Pa; with a static head
// of 3 m (29419.95 Pa) and 20 kPa at the terminal, × 1.1:
// H = 146133.837525 Pa = 14.901504 m = 146.133838 kPa. AHU-1's valve takes
// up 20189.659492 Pa.
inline System ChilledWater()
{
    System s = pipeSystem({
        section("1", "", std::nullopt, "65", 20, {darby(1, 4), darby(30, 2), darby(33)}),
        section("2", "1", 170, "50", 15,
                {fitting("tee.diverging.branch"), darby(1, 2), darby(30),
                 equipment(45000, 180, "AHU-1")}),
        section("3", "1", 130, "40", 25,
                {fitting("tee.diverging.straight"), fitting("pipe.fittings_percent", {50}),
                 equipment(30000, 130, "AHU-2")}),
    });
    s.pipe.temperature = 1;
    s.pipe.density = 999.7L;
    s.pipe.staticHead = 3;
    s.pipe.terminalPressure = 20;
    return s;
}

} // namespace losssheet_test
