#include "host/core/errors.h"

#include <cstdio>

namespace skolvarin::host {

namespace {
ErrorSink& current_sink() {
  static ErrorSink sink;
  return sink;
}
}  // namespace

ErrorSink set_error_sink(ErrorSink sink) {
  ErrorSink old = std::move(current_sink());
  current_sink() = std::move(sink);
  return old;
}

void report_error(HostContext* ctx, int code, const std::string& message) {
  if (ctx) ctx->error_code = code == 0 ? -1 : code;
  append_to_log(ctx, message);
  if (current_sink()) {
    current_sink()(ctx, code, message);
  } else {
    std::fprintf(stderr, "skolvarin: %s\n", message.c_str());
  }
}

void append_to_log(HostContext* ctx, const std::string& line) {
  if (!ctx || ctx->common_dir.empty()) return;
  std::string path = ctx->common_dir + "skolvarin.log";
  if (FILE* f = std::fopen(path.c_str(), "a")) {
    std::fprintf(f, "%04d-%02d-%02d %s\n", ctx->today.year, ctx->today.month, ctx->today.day,
                 line.c_str());
    std::fclose(f);
  }
}

}  // namespace skolvarin::host
