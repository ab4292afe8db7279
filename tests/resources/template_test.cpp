// Templates: fixed-width rows, the three kinds, and the resource-id
// functions the host is given.
#include <gtest/gtest.h>

#include "resources/module_resources.h"
#include "resources/resource_format.h"

namespace res = skolvarin::resources;

namespace {

res::TemplateSource parse(const std::string& text) {
  res::TemplateSource t;
  std::string error;
  EXPECT_TRUE(res::parse_template_source(text, t, error)) << error;
  return t;
}

}  // namespace

TEST(Resources, ScreenFormOfFourRowsIs312Bytes) {
  // The builder works on Mazovia rows (one byte a character); ASCII here.
  auto t = parse("@id 45\n@kind form\n@width 78\n@rows 4\n|czy kraj nalezy do UE ?\n|nazwa kraju\n|\n|kod waluty...  \n");
  std::vector<std::uint8_t> out;
  std::string error;
  ASSERT_TRUE(res::build_template(t, out, error)) << error;
  ASSERT_EQ(out.size(), 312u);
  EXPECT_EQ(std::string(out.begin() + 78, out.begin() + 89), "nazwa kraju");
  EXPECT_EQ(out[89], ' ');
  EXPECT_EQ(std::string(out.begin() + 156, out.begin() + 234), std::string(78, ' '));
  EXPECT_EQ(std::string(out.begin() + 234, out.begin() + 249), "kod waluty...  ");
}

TEST(Resources, TemplateRowsAndSizesAreChecked) {
  std::string error;
  std::vector<std::uint8_t> out;
  struct Case {
    const char* what;
    std::string source;
  } cases[] = {
      {"row longer than the form", "@id 47\n@kind form\n@width 78\n|" + std::string(79, 'x') + "\n"},
      {"form not 78 wide", "@id 47\n@kind form\n@width 80\n|a\n"},
      {"page width not allowed", "@id 3\n@kind page\n@width 100\n|a\n"},
      {"row count differs", "@id 47\n@kind form\n@width 78\n@rows 3\n|a\n|b\n"},
      {"positions over the declared size", "@id 53\n@kind positions\n@size 2\n1 2\n3 4\n"},
  };
  for (const Case& c : cases) {
    res::TemplateSource t;
    ASSERT_TRUE(res::parse_template_source(c.source, t, error)) << c.what << ": " << error;
    EXPECT_FALSE(res::build_template(t, out, error)) << c.what;
  }
  res::TemplateSource t;
  EXPECT_FALSE(res::parse_template_source("@id 204\n@kind form\n@width 78\n", t, error));
  EXPECT_FALSE(res::parse_template_source("@id 5\n@kind picture\n", t, error));
  EXPECT_FALSE(res::parse_template_source("@id 5\n@kind form\n@width 78\nbez kreski\n", t, error));
}

TEST(Resources, PageKindsAndPositionTables) {
  std::string error;
  std::vector<std::uint8_t> out;
  auto wide = parse("@id 3\n@kind page\n@width 131\n|a\n|b\n");
  ASSERT_TRUE(res::build_template(wide, out, error)) << error;
  EXPECT_EQ(out.size(), 262u);

  auto lines = parse("@id 25\n@kind page-crlf\n|DOWÓD\n|\n");
  ASSERT_TRUE(res::build_template(lines, out, error)) << error;
  EXPECT_EQ(std::string(out.begin(), out.end()), "DOWÓD\r\n\r\n");

  auto positions = parse("@id 53\n@kind positions\n@size 8\n3 10\n0 0\n5 7\n");
  ASSERT_TRUE(res::build_template(positions, out, error)) << error;
  EXPECT_EQ(out, (std::vector<std::uint8_t>{3, 10, 0, 0, 5, 7, 0, 0}));
}

TEST(Resources, ResourceIdFunctionsReturnTheirIds) {
  for (int id = 1; id <= 203; ++id) {
    auto fn = res::resource_id_function(id);
    ASSERT_NE(fn, nullptr) << id;
    EXPECT_EQ(fn(), id);
  }
  EXPECT_EQ(res::resource_id_function(0), nullptr);
  EXPECT_EQ(res::resource_id_function(204), nullptr);
}

TEST(Resources, HostSeesTheSameBytesAsTheModule) {
  for (int id : res::module_resource_ids()) {
    auto bytes = res::module_resource(id);
    RcsBytes host = res::module_rcs(id);
    EXPECT_EQ(host.data, bytes.data()) << id;
    EXPECT_EQ(host.size, bytes.size()) << id;
  }
  EXPECT_EQ(res::module_rcs(291).size, 0u);
  EXPECT_EQ(res::module_rcs(46).size, 0u);  // there is no resource 46
}
