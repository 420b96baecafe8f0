// The design forces M and S of each check location, as the required spacing takes them;
// the location table (check_locations.h) names each location's procedure. A location whose
// forces cannot be known for the current wall throws SectionRefusal.
#pragma once

class Program;

// The upright wall at mid-height (1) and at its fixed end on the slab (2).
void wallForces(Program& program, int loc);
// The slab between the walls: centre (5), fixed ends at the front (6) and rear (7) wall.
void slabForces(Program& program, int loc);
// The fixed ends of the heel (8), the toe (9) and the shear key (10).
void heelForces(Program& program, int loc);
void toeForces(Program& program, int loc);
void keyForces(Program& program, int loc);

// The ground reaction under the span between the walls: uniform; falling from the front
// wall to the rear wall; rising towards it; or none that the model gives (the contact
// ends short of the rear wall, or the two ordinates are equal on an eccentric base).
enum class SpanReaction { Uniform, Falling, Rising, None };
SpanReaction spanReaction(const Program& program);
// Whether a slab end (6 at the front wall, 7 at the rear wall) lies under the larger
// ordinate of a falling or rising span reaction: that end takes C21 and a third of the
// triangle, the other C22 and a sixth.
bool underLargerOrdinate(int loc, SpanReaction reaction);

// The ground reaction under the heel: the whole base in contact; a contact from the toe
// end that ends at Xn; or a contact from the heel end, which the model does not give.
enum class HeelReaction { WholeBase, FromToe, FromHeel };
HeelReaction heelReaction(const Program& program);
// The contact from the toe end beyond the heel root, m: c = Xn − toe − front wall − span −
// rear wall, none where the contact ends before the root.
double heelContactLength(const Program& program);

// Throws SectionRefusal when the slab model of the current stability result does not
// give the ground reaction that the location is designed for (the reaction its entry in
// the location table needs; a location that needs none passes).
void requireGroundReaction(const Program& program, int loc);
