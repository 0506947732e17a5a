#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "builder/BuilderFixture.h"
#include "builder/KindGenerators.h"

namespace builder {
namespace {

class Circle : public GeneratorTest {
 protected:
  std::vector<std::string> Ring(const std::string& size, const std::string& centre = "30,20") {
    Module1::ginc = 0;
    GenerateCircle(context, Line("5,Ring,512," + centre + ",circle," + size + ",45"));
    return Vertices();
  }
};

TEST_F(Circle, RingOfSizeTwoAtItsListedAngles) {
  const auto ring = Ring("2");
  ASSERT_EQ(ring.size(), 21u);
  EXPECT_EQ(Module1::ginc, 24);
  struct Vertex {
    int angle;
    const char* record;
  };
  for (const Vertex& v :
       {Vertex{1, "30.0125 21.1547 3"}, Vertex{19, "30.3212 21.0954 2"}, Vertex{37, "30.5987 20.9278 2"},
        Vertex{91, "31.0000 19.9797 2"}, Vertex{181, "29.9776 18.8457 2"}, Vertex{271, "29.0003 20.0200 2"},
        Vertex{343, "29.7032 21.1010 2"}, Vertex{361, "30.0125 21.1547 2"}}) {
    EXPECT_EQ(ring[static_cast<std::size_t>((v.angle - 1) / 18)], v.record) << "angle " << v.angle;
  }
  EXPECT_EQ(Records().front(), "9999 9999  Circle   5 Ring circle\n");
  EXPECT_EQ(Records().back(), "99.0000 99.0000 3\n");
}

TEST_F(Circle, VertexCountFollowsTheSizeWithTruncatedSteps) {
  // 1.08 makes 10.8 vertices a ring: truncated to 10, not rounded to 11.
  struct Case {
    const char* size;
    std::size_t vertices;
  };
  for (const Case& c : {Case{"1", 11},
                        Case{"0.5", 11},
                        Case{"1.08", 11},
                        Case{"-3", 11},
                        Case{"2", 21},
                        Case{"3", 31},
                        Case{"4", 41},
                        Case{"5", 53},
                        Case{"6", 61},
                        Case{"7", 73},
                        Case{"8", 91},
                        Case{"9", 91},
                        Case{"10", 121},
                        Case{"11", 121},
                        Case{"12", 121},
                        Case{"13", 181},
                        Case{"14", 181},
                        Case{"15", 181},
                        Case{"18", 181},
                        Case{"19", 361},
                        Case{"24", 361},
                        Case{"25", 361},
                        Case{"35", 361},
                        Case{"36", 361},
                        Case{"40", 361},
                        Case{"800", 361},
                        Case{"1e300", 361},
                        Case{"-1e300", 11},
                        Case{"1.7976931348623157e308", 361}}) {
    EXPECT_EQ(Ring(c.size).size(), c.vertices) << "size " << c.size;
    EXPECT_EQ(Module1::ginc, static_cast<Int32>(c.vertices) + 3) << "size " << c.size;
  }
}

TEST_F(Circle, EdgeRings) {
  struct Case {
    const char* size;
    const char* centre;
    const char* first;
    const char* last;
  };
  for (const Case& c : {Case{"0", "30,20", "30.0001 20.0000 3", "30.0001 20.0000 2"},
                        Case{"-2", "30,20", "29.9776 18.8457 3", "29.9776 18.8457 2"},
                        Case{"5", "30,20", "30.0123 22.8870 3", "30.1867 22.8815 2"},
                        Case{"2", "0,0", "0.0176 0.9998 3", "0.0176 0.9998 2"}}) {
    const auto ring = Ring(c.size, c.centre);
    EXPECT_EQ(ring.front(), c.first) << "size " << c.size;
    EXPECT_EQ(ring.back(), c.last) << "size " << c.size;
  }
}

TEST_F(Circle, ZeroSizePutsEveryVertexOnTheCentre) {
  const auto ring = Ring("0");
  ASSERT_EQ(ring.size(), 11u);
  for (std::size_t k = 1; k < ring.size(); ++k) EXPECT_EQ(ring[k], "30.0001 20.0000 2");
}

}  // namespace
}  // namespace builder
