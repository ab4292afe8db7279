// Filtered walks (x4...) and key-prefix scans (InitDbScan / DbScan).
#include "host/db/db_handles.h"

using namespace skolvarin::db;

namespace {

bool passes(X4FILTER* s) { return !s->filter || s->filter(s->arg) != r4ignore; }

// From the current position, moves in direction dir until a record passes.
int settle(X4FILTER* s, int rc, long dir) {
  while (rc == r4success || (rc == r4bof && dir > 0)) {
    if (d4eof(s->data)) return r4eof;
    if (passes(s)) return rc == r4bof ? r4success : rc;
    if (rc == r4bof) return r4bof;
    rc = d4skip(s->data, dir);
  }
  return rc;
}

}  // namespace

int x4init(X4FILTER* scan, DATA4* data, X4FilterFn filter, void* arg) {
  if (!scan || !data) return e4param;
  scan->data = data;
  scan->filter = filter;
  scan->arg = arg;
  return 0;
}

int x4top(X4FILTER* scan) {
  if (!scan || !scan->data) return e4param;
  return settle(scan, d4top(scan->data), 1);
}

int x4bottom(X4FILTER* scan) {
  if (!scan || !scan->data) return e4param;
  int rc = settle(scan, d4bottom(scan->data), -1);
  if (rc == r4bof) {  // nothing passes
    d4go(scan->data, d4reccount(scan->data) + 1);
    return r4eof;
  }
  return rc;
}

int x4skip(X4FILTER* scan, long n) {
  if (!scan || !scan->data) return e4param;
  long dir = n < 0 ? -1 : 1;
  long steps = n < 0 ? -n : n;
  if (steps == 0) return passes(scan) ? r4success : r4entry;
  long here = d4recno(scan->data);
  for (long i = 0; i < steps; ++i) {
    int rc = settle(scan, d4skip(scan->data, dir), dir);
    if (rc == r4bof) {
      // Nothing passes before: stay where we were.
      d4go(scan->data, here);
      scan->data->bof = true;
      return r4bof;
    }
    if (rc != r4success) return rc;
    here = d4recno(scan->data);
  }
  return r4success;
}

int x4seek(X4FILTER* scan, const char* key) {
  if (!scan || !scan->data || !key) return e4param;
  int rc = d4seek(scan->data, key);
  if (rc < 0 || rc == r4eof) return rc;
  bool exact = rc == r4success;
  if (passes(scan)) return rc;
  rc = settle(scan, d4skip(scan->data, 1), 1);
  if (rc != r4success) return rc;
  (void)exact;
  // The passing record may still carry the key.
  TAG4* tag = d4tag_selected(scan->data);
  const auto& index = *tag->index;
  std::string k = index.key_expression().seek_key(std::string_view(key));
  return index.starts_with(index.find(d4recno(scan->data)), k) ? r4success : r4after;
}

int x4go(X4FILTER* scan, long rec) {
  if (!scan || !scan->data) return e4param;
  int rc = d4go(scan->data, rec);
  if (rc != r4success) return rc;
  return passes(scan) ? r4success : r4entry;
}

int InitDbScan(DBSCAN* scan, DATA4* data, TAG4* tag, const char* key_prefix) {
  if (!scan || !data) return e4param;
  scan->data = data;
  scan->tag = tag;
  scan->prefix = key_prefix ? key_prefix : "";
  scan->started = false;
  return 0;
}

int DbScan(DBSCAN* scan) {
  if (!scan || !scan->data) return e4param;
  DATA4* d = scan->data;
  if (scan->tag && d4tag_selected(d) != scan->tag) d4tag_select(d, scan->tag);
  int rc;
  if (!scan->started) {
    scan->started = true;
    if (!scan->tag) rc = d4top(d);
    else rc = d4seek(d, scan->prefix.c_str());
    if (rc < 0) return rc;
    if (rc != r4success) {
      if (rc != r4eof) d4go(d, d4reccount(d) + 1);
      return r4eof;
    }
    return r4success;
  }
  rc = d4skip(d, 1);
  if (rc < 0) return rc;
  if (rc != r4success) return r4eof;
  if (scan->tag) {
    const auto& index = *scan->tag->index;
    std::string k = index.key_expression().seek_key(std::string_view(scan->prefix));
    if (!index.starts_with(index.find(d4recno(d)), k)) {
      d4go(d, d4reccount(d) + 1);
      return r4eof;
    }
  }
  return r4success;
}
