// The snap index against the plain search at length (label "long").

#include "snap_drawings.h"

namespace orvik::exchange::snap_test {
namespace {

TEST(SnapIndexLong, AgreesWithThePlainSearchEverywhere) { AgreeEverywhere(10); }

} // namespace
} // namespace orvik::exchange::snap_test
