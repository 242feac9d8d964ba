#include "core/table/table_export.h"

#include <gtest/gtest.h>

#include "support/recording_surface.h"

namespace ronri {
namespace {

TEST(TableExport, CsvFollowsTheFilter) {
  const char* rpn = "ab*c+";  // a*b+c
  EXPECT_EQ(tableCsv(rpn, 3, 2),
            "a,b,c,f\r\n0,0,0,0\r\n0,0,1,1\r\n0,1,0,0\r\n0,1,1,1\r\n"
            "1,0,0,0\r\n1,0,1,1\r\n1,1,0,1\r\n1,1,1,1\r\n");
  EXPECT_EQ(tableCsv(rpn, 3, 0), "a,b,c,f\r\n0,0,0,0\r\n0,1,0,0\r\n1,0,0,0\r\n");
  EXPECT_EQ(tableCsv(rpn, 3, 1),
            "a,b,c,f\r\n0,0,1,1\r\n0,1,1,1\r\n1,0,1,1\r\n1,1,0,1\r\n1,1,1,1\r\n");
  EXPECT_EQ(tableCsv("an+", 1, 0), "a,f\r\n");  // never 0: only the header
  EXPECT_EQ(tableCsv("ab++", 2, 2), "a,b,f\r\n0,0,?\r\n0,1,?\r\n1,0,?\r\n1,1,?\r\n");
  // Don't-care rows show X and belong to neither filter.
  EXPECT_EQ(tableCsv(rpn, 3, 0, {0, 4}), "a,b,c,f\r\n0,1,0,0\r\n");
  EXPECT_EQ(tableCsv(rpn, 3, 2, {0, 4}),
            "a,b,c,f\r\n0,0,0,X\r\n0,0,1,1\r\n0,1,0,0\r\n0,1,1,1\r\n"
            "1,0,0,X\r\n1,0,1,1\r\n1,1,0,1\r\n1,1,1,1\r\n");
}

TEST(TableExport, DrawsOneTextPerCellAndTwoRules) {
  test::RecordingSurface s;
  drawTable(s, "ab*c+", 3, 1);
  EXPECT_EQ(s.of(test::DrawCall::Text).size(), 4u + 5u * 4u);  // header and five rows
  EXPECT_EQ(s.of(test::DrawCall::Line).size(), 2u);
}

}  // namespace
}  // namespace ronri
