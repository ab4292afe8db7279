// Shared set-up of the database tests: a fresh directory per test, a host
// context opening tables there, and the error messages the engine reported.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/api/db_api.h"
#include "host/core/errors.h"

namespace dbtest {

namespace fs = std::filesystem;

struct FieldSpec {
  const char* name;
  char type;  // N C D L
  int width, decimals;
};

inline int spec_of(const FieldSpec& f) {
  int code = f.type == 'N' ? 1 : f.type == 'C' ? 2 : f.type == 'D' ? 3 : 4;
  return (f.width << 8) + (f.decimals << 4) + code;
}

class DbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int serial = 0;
    dir = fs::temp_directory_path() /
          ("skolvarin_db_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ctx.current_dir = dir.string() + "/";
    ctx.today = HostDate{2024, 5, 17};
    previous = skolvarin::host::set_error_sink(
        [this](HostContext*, int, const std::string& m) { messages.push_back(m); });
  }
  void TearDown() override {
    d4close_all(&ctx);
    skolvarin::host::set_error_sink(previous);
    fs::remove_all(dir);
  }

  // Defines a layout with tags (expression, filter, flag) in ctx.
  struct TagSpec {
    const char* expression;
    const char* filter = nullptr;
    int flag = 0;
  };
  void define(const std::vector<FieldSpec>& fields, const std::vector<TagSpec>& tags = {}) {
    AllocDbfDefinition(&ctx);
    for (const auto& f : fields) ASSERT_EQ(DefineField(&ctx, PackFieldName(f.name), spec_of(f)), 0) << f.name;
    for (const auto& t : tags) {
      if (t.filter || t.flag) DefineTag_(&ctx, t.expression, t.filter, t.flag);
      else DefineTag(&ctx, t.expression);
    }
  }
  // The opener protocol: open (creating when missing) with the defined
  // layout, bind fields and tags in order, release the definition.
  int open(const char* name, DATA4** data, std::vector<FIELD4*>* fields = nullptr,
           std::vector<TAG4*>* tags = nullptr) {
    TAG4INFO* tag_info = nullptr;
    int rc = open_dbf(&ctx, name, data, GetFieldsInfo(&ctx, &tag_info, GetTagsInfo(&ctx, 0)));
    if (rc == 0) {
      ResetDbfActivation(*data, tag_info);
      for (int i = 0; i < d4num_fields(*data) && fields; ++i) fields->push_back(ActivateField(*data));
      for (int i = 0; i < d4num_tags(*data) && tags; ++i) tags->push_back(ActivateTag(*data));
    }
    ReleaseDbfDefinition(&ctx);
    return rc;
  }
  std::string path(const char* name) const { return (dir / name).string(); }
  std::vector<unsigned char> bytes(const char* name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void write_bytes(const char* name, const std::vector<unsigned char>& b) const {
    std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }
  std::string last_message() const { return messages.empty() ? std::string() : messages.back(); }

  fs::path dir;
  HostContext ctx;
  std::vector<std::string> messages;
  skolvarin::host::ErrorSink previous;
};

}  // namespace dbtest
