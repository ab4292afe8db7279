// The pieces every database call file shares, and nothing else: the layout
// being defined (DbfDefinition, behind the opaque TAG4INFO / FIELD4INFO of
// host/api/db_api.h), the database state of one host context (Session), and
// the error convention of the calls (fail / succeed).
//
// Include order of the engine, with no cycles:
//   file_io -> dbf_format -> dbf_table -> tag_index
//   db_session (this file) -> db_handles (DATA4 / FIELD4 / TAG4 and the
//   record-buffer steps, db_records.cpp) -> the call files db_open.cpp,
//   db_records.cpp, db_fields.cpp, db_files.cpp, db_scan.cpp.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/api/context.h"
#include "host/core/errors.h"
#include "host/db/record_view.h"

struct DATA4;

namespace skolvarin::db {

struct TagDefinition {
  std::string expression, filter;
  bool descending = false;
};

struct DbfDefinition;

}  // namespace skolvarin::db

struct TAG4INFO {
  skolvarin::db::DbfDefinition* definition;
};
struct FIELD4INFO {
  skolvarin::db::DbfDefinition* definition;
};

namespace skolvarin::db {

struct DbfDefinition {
  std::vector<FieldDesc> fields;
  std::vector<TagDefinition> tags;
  TAG4INFO tag_info{this};
  FIELD4INFO field_info{this};
  bool bad = false;        // a DefineField failed: open_dbf refuses
  std::string bad_reason;
};

class Session {
 public:
  std::unique_ptr<DbfDefinition> definition;
  std::vector<std::unique_ptr<DATA4>> open;
  std::string remembered_dir;
  int lock_wait_ms = 2000;
};

// The session of ctx, made on first use (defined beside the handles it
// owns, in db_records.cpp, where DATA4 is complete).
Session& session(HostContext* ctx);

// Error reporting of the calls: report the message, set ctx->error_code and
// return code.  succeed() clears the error code and returns 0.
inline int fail(HostContext* ctx, int code, const std::string& message) {
  skolvarin::host::report_error(ctx, code, message);
  if (ctx) ctx->error_code = code;
  return code;
}

inline int succeed(HostContext* ctx) {
  if (ctx) ctx->error_code = 0;
  return 0;
}

}  // namespace skolvarin::db
