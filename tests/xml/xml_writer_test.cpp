#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "host/api/xml_api.h"
#include "host/xml/xml_validate.h"
#include "host/xml/xml_writer.h"
#include "tests/support/files.h"

namespace skolvarin::xml {
namespace {

std::string temp_dir() { return testing_support::make_temp_dir("skolvarin-xml") + "/"; }

using testing_support::read_file;

bool exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

TEST(XmlTags, OpeningTagTextsSplitIntoNameAndAttributes) {
  std::string name;
  Attributes a;
  ASSERT_TRUE(parse_tag(R"(KEDU wersja_schematu="1" xmlns="http://www.zus.pl/2013/KEDU_4" xmlns:xsi='x y')", name, a));
  EXPECT_EQ(name, "KEDU");
  ASSERT_EQ(a.size(), 3u);
  EXPECT_EQ(a[0], (std::pair<std::string, std::string>{"wersja_schematu", "1"}));
  EXPECT_EQ(a[1].second, "http://www.zus.pl/2013/KEDU_4");
  EXPECT_EQ(a[2], (std::pair<std::string, std::string>{"xmlns:xsi", "x y"}));
  EXPECT_TRUE(parse_tag("ZUSDRA", name, a));
  EXPECT_TRUE(a.empty());
  EXPECT_FALSE(parse_tag("", name, a));
  EXPECT_FALSE(parse_tag("A b=", name, a));
  EXPECT_FALSE(parse_tag("A b=\"open", name, a));
}

TEST(XmlCalls, LevelledCallsWriteAWellFormedEscapedFile) {
  std::string path = temp_dir() + "ZUS 2017-03_01 pracownicy.xml";
  int h = XmlOpen(path.c_str());
  ASSERT_GT(h, 0);
  EXPECT_EQ(XmlElement(h, 0, 1, XmlAttrTag("KEDU", "wersja_schematu=\"1\" xmlns=\"http://www.zus.pl/2013/KEDU_4\"")), 0);
  EXPECT_EQ(XmlElement(h, 1, 1, "naglowek.KEDU"), 0);
  EXPECT_EQ(XmlString(h, 2, "symbol", "SKOLVARIN WIN"), 0);
  EXPECT_EQ(XmlString(h, 2, "nazwa", "Łódź & Gdańsk <sp. z o.o.>"), 0);
  EXPECT_EQ(XmlElement(h, 1, 0, "naglowek.KEDU"), 0);
  EXPECT_EQ(XmlElement(h, 1, 1, XmlAttrTag("ZUSDRA", "id_dokumentu=\"1\"")), 0);
  EXPECT_EQ(XmlElement(h, 1, 0, "ZUSDRA"), 0);
  EXPECT_EQ(XmlElement(h, 0, 0, "KEDU"), 0);
  EXPECT_EQ(XmlClose(h), 0);

  std::string text = read_file(path);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u) << text;
  EXPECT_NE(text.find("Łódź &amp; Gdańsk &lt;sp. z o.o.&gt;"), std::string::npos) << text;
  EXPECT_NE(text.find("<ZUSDRA id_dokumentu=\"1\"/>"), std::string::npos) << text;
  // libxml2's own parser reads it back.
  xmlDocPtr doc = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
  ASSERT_NE(doc, nullptr);
  xmlNodePtr root = xmlDocGetRootElement(doc);
  EXPECT_STREQ(reinterpret_cast<const char*>(root->name), "KEDU");
  xmlFreeDoc(doc);
}

TEST(XmlCalls, AWrongLevelOrNameFailsAndRemovesTheFile) {
  std::string dir = temp_dir();
  struct Case {
    const char* what;
    void (*calls)(int);
  };
  const Case cases[] = {
      {"child at the root's level", [](int h) {
         XmlElement(h, 0, 1, "KEDU");
         XmlElement(h, 0, 1, "naglowek");
       }},
      {"closing another element", [](int h) {
         XmlElement(h, 0, 1, "KEDU");
         XmlElement(h, 1, 1, "A");
         XmlElement(h, 1, 0, "B");
       }},
      {"left open", [](int h) {
         XmlElement(h, 0, 1, "KEDU");
         XmlString(h, 1, "p1", "x");
       }},
      {"text outside the root", [](int h) { XmlString(h, 0, "p1", "x"); }},
      {"second root", [](int h) {
         XmlElement(h, 0, 1, "A");
         XmlElement(h, 0, 0, "A");
         XmlElement(h, 0, 1, "B");
         XmlElement(h, 0, 0, "B");
       }},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string path = dir + "f" + std::to_string(n++) + ".xml";
    int h = XmlOpen(path.c_str());
    ASSERT_GT(h, 0);
    c.calls(h);
    EXPECT_EQ(XmlClose(h), -1) << c.what;
    EXPECT_FALSE(exists(path)) << c.what;
  }
}

TEST(XmlCalls, AFileThatCannotBeCreatedGivesNoHandle) {
  EXPECT_EQ(XmlOpen("/nonexistent-dir/x.xml"), 0);
  EXPECT_EQ(XmlClose(12345), -1);
}

TEST(XmlValidate, SchemaValidationFindsAMissingElement) {
  std::string dir = temp_dir();
  std::ofstream(dir + "s.xsd") << R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="r"><xs:complexType><xs:sequence>
    <xs:element name="p1" type="xs:decimal"/>
    <xs:element name="p2" type="xs:string"/>
  </xs:sequence></xs:complexType></xs:element>
</xs:schema>)";
  {
    XmlWriter w(dir + "good.xml");
    w.start("r");
    w.text_element("p1", "12.50");
    w.text_element("p2", "Żółw");
    w.end("r");
    ASSERT_TRUE(w.close());
  }
  std::string error;
  EXPECT_TRUE(validate_against_schema(dir + "good.xml", dir + "s.xsd", error)) << error;
  {
    XmlWriter w(dir + "bad.xml");
    w.start("r");
    w.text_element("p1", "dwanaście");
    w.end("r");
    ASSERT_TRUE(w.close());
  }
  EXPECT_FALSE(validate_against_schema(dir + "bad.xml", dir + "s.xsd", error));
  EXPECT_NE(error.find("p1"), std::string::npos) << error;
}

}  // namespace
}  // namespace skolvarin::xml
