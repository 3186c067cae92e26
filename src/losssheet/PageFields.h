#pragma once

// The roughness and density the duct and pipe pages calculate with for a
// choice of their lists: each page writes the table's value into its field
// with three decimals and reads the field back, so a section computes with
// exactly that number (0.0015 mm shows, and counts, as 0.002).
namespace losssheet {

long double DuctRoughnessAsShown(int material);
long double PipeRoughnessAsShown(int material);
long double WaterDensityAsShown(int temperature);

} // namespace losssheet
