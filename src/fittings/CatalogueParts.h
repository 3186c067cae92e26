#pragma once

#include "fittings/Catalogue.h"

// The parts the catalogue is assembled from (used by Catalogue.cpp alone).
namespace fittings::parts {

// Elbows, entrances, the exit, changes of size, tees, dampers.
void AddSectionFittings(std::vector<FittingType> &types);
// The pipe fitting tables: Darby's 3-K, Hooper's 2-K, Crane's L/D.
void AddPipeTables(std::vector<FittingType> &types);
// A user's ζ, a user's equivalent length, equipment, a share of the straight loss.
void AddUserEntries(std::vector<FittingType> &types);

// The method of a ζ the user gives, on the duct's own velocity: the only
// method of kinds without a published coefficient.
Method UserZeta();

} // namespace fittings::parts
