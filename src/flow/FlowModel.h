#pragma once

#include "numeric/Medium.h"

// The flow and friction model shared by the duct, outlet and pipe pages.
//
// Units: sizes (sides, diameters) and roughness in mm; areas in m²; velocities
// in m/s; flows in m³/h of air or L/min of water as the Medium says;
// density in kg/m³ (numerically the specific weight in kgf/m³); friction loss
// in mmAq/m.
//
// A section is named by two sizes: sizeB exactly 0 means a round section of
// diameter sizeA, anything else the rectangle sizeA × sizeB.
//
// Every function computes with numeric::Real in the order its comment gives, so a
// division by zero, the logarithm or root of a bad value, or an overflow throws
// numeric::FloatingPointFault; no result is ever inf or nan.

namespace flow {

using numeric::Medium;

// value rounded up to a whole multiple of step; a multiple stays as it is.
long double RoundUpToStep(int step, long double value);

// Round-equivalent diameter of the rectangle a × b (mm), 1.3·((ab)⁵/(a+b)²)^(1/8)
// (Huebscher), taken through logarithms. Fails for a side of 0 or when a·b or
// a + b is not positive.
long double EquivalentDiameter(long double a, long double b);

// Area (m²) of the section sizeA × sizeB, or of the circle of diameter sizeA
// when sizeB is 0.
long double SectionArea(long double sizeA, long double sizeB);

// With side 0: the diameter (mm) of a circle of the given area (m²); else the
// other side (mm) of a rectangle of that area with the given side.
long double SideFromArea(long double area, long double side);

// Mean velocity (m/s) of a flow through an area (m²).
long double FlowVelocity(long double flow, long double area, Medium medium);

// Area (m²) that carries a flow at the given velocity (m/s).
long double AreaForVelocity(long double flow, long double velocity, Medium medium);

// Friction loss per metre (mmAq/m) of a flow in a round duct or pipe of the
// given inner diameter (mm), fluid density (kg/m³) and absolute roughness (mm):
// Darcy–Weisbach with Moody's explicit approximation of the friction factor.
// A rectangle enters through its EquivalentDiameter.
long double FrictionLoss(long double flow, long double diameter, long double density,
                         long double roughness, Medium medium);

// The Darcy friction factor λ that FrictionLoss uses for the same flow,
// diameter (mm) and roughness (mm).
long double FrictionFactor(long double flow, long double diameter, long double roughness,
                           Medium medium);

// The Reynolds number v·D/ν of that flow, with the kinematic viscosities
// FrictionLoss takes (air 15·10⁻⁶ m²/s, water 10⁻⁶ m²/s).
long double ReynoldsNumber(long double flow, long double diameter, Medium medium);

} // namespace flow
