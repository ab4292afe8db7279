#include "data/year_carry_over.h"

#include <filesystem>
#include <set>
#include <string>

#include "data/catalogue.h"
#include "data/module_state.h"
#include "data/opener.h"
#include "host/api/db_api.h"
#include "host/api/screen_api.h"

namespace skolvarin::data {

namespace {

constexpr int kCannotCreate = 20053;
constexpr int kCannotOpenPrevious = 20054;
constexpr int kNoDataYet = 20055;
constexpr int kCarryOverQuestion = 20057;

std::set<std::string>& carried() {
  static std::set<std::string> files;
  return files;
}

// 1 copied, 0 nothing to do or declined, -1 the copy failed.
int carry_over(HostContext* ctx, const CatalogueEntry& entry, int year) {
  const std::string this_year = table_file_name(ctx, entry, year);
  const std::string last_year = table_file_name(ctx, entry, year - 1);
  if (enter_place(ctx, entry) != 0) return -1;
  const std::string target = EnvFilePath(ctx, this_year.c_str());
  const std::string source = EnvFilePath(ctx, last_year.c_str());
  const bool due = !EnvFileExists(ctx, this_year.c_str()) && EnvFileExists(ctx, last_year.c_str());
  RestoreDir(ctx);
  if (!due) return 0;
  // Question window: the message, the question on a line of its own.
  if (MessageWindow(8 | 16, kNoDataYet, RcQStr(kCarryOverQuestion), 0) != 13) return 0;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(source, ec)) {
    Uwaga(kCannotOpenPrevious);
    return -1;
  }
  if (!std::filesystem::copy_file(source, target, std::filesystem::copy_options::none, ec)) {
    std::filesystem::remove(target, ec);
    Uwaga(kCannotCreate);
    return -1;
  }
  return 1;
}

}  // namespace

int open_with_carry_over(HostContext* ctx, std::string_view file, int tag_option, int year) {
  const CatalogueEntry* entry = find_table(file);
  if (!ctx || !entry) return -1;
  if (year == 0) year = working_year(ctx);
  const int copied = carry_over(ctx, *entry, year);
  if (copied < 0) return -1;
  OpenRequest r;
  r.tag_option = copied ? 1 : tag_option;  // the copy's index is built anew
  r.year = year;
  const int rc = open_table(ctx, *entry, r);
  if (rc == 0 && copied) carried().insert(std::string(file));
  return rc;
}

bool take_carried_over(std::string_view file) { return carried().erase(std::string(file)) > 0; }

}  // namespace skolvarin::data
