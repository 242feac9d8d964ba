#include "circuit/compress.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/expression/expression.h"
#include "core/table/truthtable.h"

namespace ronri {
namespace {
using ::testing::IsEmpty;

TEST(CircuitCompress, SplitsTermListsIntoTerms) {
  EXPECT_EQ(splitTerms("aob+abp+", 3), (std::vector<std::string>{"aob", "abp"}));
  EXPECT_THAT(splitTerms("", 3), IsEmpty());
}

TEST(CircuitCompress, PrimeImplicantsOrTheSmallestCoverDrawTheSameFunction) {
  const TruthTable t = createTable(InsideExp("a*b+~c*d+a*~b*c"), 4);
  CompressCache cache;
  const Compressed all = compressExpression(t.oneTerms, 4, false, cache);
  EXPECT_FALSE(all.failed);
  EXPECT_EQ(evaluateRows(all.rpn, 4), evaluateRows(t.rpn, 4));
  EXPECT_EQ(std::count(all.caption.begin(), all.caption.end(), '+'), 3) << all.caption;
  const Compressed cover = compressExpression(t.oneTerms, 4, true, cache);
  EXPECT_FALSE(cover.failed);
  EXPECT_EQ(evaluateRows(cover.rpn, 4), evaluateRows(t.rpn, 4));
  EXPECT_EQ(std::count(cover.caption.begin(), cover.caption.end(), '+'), 2) << cover.caption;
  EXPECT_EQ(cache.sc3Cache.empty(), false);
}

TEST(CircuitCompress, ConstantsAreReportedAsSuch) {
  CompressCache cache;
  const Compressed one = compressExpression("n+a+", 1, true, cache);
  EXPECT_TRUE(one.constant);
  EXPECT_EQ(one.rpn, "1");
  EXPECT_FALSE(one.failed);
  const Compressed zero = compressExpression("", 2, false, cache);
  EXPECT_TRUE(zero.constant);
  EXPECT_EQ(zero.rpn, "0");
  EXPECT_FALSE(zero.failed);
}

TEST(CircuitCompress, CacheServesOnlyTheFunctionItWasMadeFor) {
  CompressCache cache;
  EXPECT_EQ(compressExpression("ao+ab+", 2, false, cache).rpn, "a");
  EXPECT_EQ(compressExpression("nb+ab+", 2, false, cache).rpn, "b");
  EXPECT_EQ(compressExpression("nb+ab+", 3, false, cache).failed, true);  // not 3-letter terms
}

}  // namespace
}  // namespace ronri
