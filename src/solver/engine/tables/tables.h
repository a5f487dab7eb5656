// SPDX-License-Identifier: MIT
#pragma once
// Each solid's table, one file each; allSolids() (engine/solids.cpp) lists
// them in the order the program offers them.

#include <vector>

#include "engine/solids.h"

namespace solver::tables {

// A base of any shape, given by its perimeter P and area B.
extern const ConditionRow baseOfAnyShape[1];

const SolidRow& cube();
const SolidRow& box();
const SolidRow& prism();
const SolidRow& pyramid();
const SolidRow& regularPolygon();
const SolidRow& cylinder();
const SolidRow& cone();
const SolidRow& sphere();
// The frustums of a cone and of a regular pyramid (frustums.cpp).
const SolidRow& coneFrustum();
const SolidRow& pyramidFrustum();
// Two cones on one base: a triangle turned about a side (double_cone.cpp).
const SolidRow& doubleCone();
// Two solids on a common base, and a hollow one (composed.cpp).
const SolidRow& cylinderWithCone();
const SolidRow& cylinderWithHemisphere();
const SolidRow& coneWithHemisphere();
const SolidRow& hollowCylinder();
const SolidRow& cylinderWithoutCone();
const SolidRow& prismWithPyramid();
// A cylinder with a cone on each base, standing out or cut in: an isosceles
// trapezoid turned about a base (two_cones.cpp).
const SolidRow& cylinderWithTwoCones();
const SolidRow& cylinderWithoutTwoCones();
// Two cylinders on one axis, the narrower on the wider (two_cylinders.cpp).
const SolidRow& twoCylinders();

// Bases of any shape a textbook draws (bases.cpp), and the right prisms and
// pyramids on them (on_bases.cpp).
const SolidRow& rightTriangle();
const SolidRow& isoscelesTriangle();
const SolidRow& anyTriangle();
const SolidRow& rectangle();
const SolidRow& rhombus();
const SolidRow& parallelogram();
const SolidRow& isoscelesTrapezoid();
const SolidRow& rightTrapezoid();
std::vector<const SolidRow*> makeBaseShapes();

// The sums of a polyhedron's edges (edges.cpp).
const SolidRow& cubeEdges();
const SolidRow& boxEdges();
const SolidRow& prismEdges();
const SolidRow& pyramidEdges();
const SolidRow& triangularPrismEdges();
const SolidRow& quadrangularPrismEdges();
const SolidRow& triangularPyramidEdges();
const SolidRow& quadrangularPyramidEdges();
const SolidRow& triangleFacesPyramidEdges();
const SolidRow& isoscelesFacesPyramidEdges();
const SolidRow& rhombusFacesPyramidEdges();

// The sphere described about a solid and the ball inscribed in it (spheres.cpp).
const SolidRow& sphereAroundCube();
const SolidRow& ballInCube();
const SolidRow& sphereAroundBox();
const SolidRow& sphereAroundCylinder();
const SolidRow& ballInCylinder();
const SolidRow& sphereAroundCone();
const SolidRow& ballInCone();
const SolidRow& sphereAroundPrism();
const SolidRow& ballInPrism();
const SolidRow& sphereAroundPyramid();
const SolidRow& ballInPyramid();
const SolidRow& sphereAroundConeFrustum();
const SolidRow& ballInConeFrustum();
const SolidRow& sphereAroundPyramidFrustum();
const SolidRow& ballInPyramidFrustum();

// The quantities of use (uses.cpp) each kind of solid takes in, with its sums of edges.
extern const PartRow solidUses[7], vesselUses[8], cubeUses[12], boxUses[11], cylinderUses[11], ballUses[4];
extern const PartRow prismUses[11], pyramidUses[10];
extern const PartRow coneUses[9], coneFrustumUses[9], pyramidFrustumUses[9];
extern const PartRow triangularPrismUses[9], quadrangularPrismUses[9];
extern const PartRow triangularPyramidUses[8], quadrangularPyramidUses[8];
extern const PartRow triangleFacesPyramidUses[8], isoscelesFacesPyramidUses[8], rhombusFacesPyramidUses[8];
std::vector<const SolidRow*> makeSolidsOnBases();
// The worksheet's tasks on a right prism or a pyramid on such a base
// (sheets_on_bases.cpp): its task patterns, its nice measures, its wording.
enum class OnBase { Prism, EqualEdges, EqualFaces };
WorksheetRow sheetTasksOn(const SolidRow& (*base)(), OnBase kind);

}  // namespace solver::tables
