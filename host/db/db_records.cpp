// Handles and their record buffer (make, load, write, append, leave, drop,
// tags built and rebuilt), then the calls that position, seek, append,
// write and lock records.
#include <algorithm>
#include <cstring>

#include "host/db/db_handles.h"

namespace skolvarin::db {

Session& session(HostContext* ctx) {
  if (!ctx->db_session) ctx->db_session = std::make_shared<Session>();
  return *ctx->db_session;
}

DATA4* make_handle(HostContext* ctx, const std::string& alias, std::unique_ptr<Table> table) {
  auto d = std::make_unique<DATA4>();
  d->ctx = ctx;
  d->alias = alias;
  d->table = std::move(table);
  d->table->set_header_wait(session(ctx).lock_wait_ms);
  d->record.assign(static_cast<size_t>(d->table->record_length()), ' ');
  for (size_t i = 0; i < d->table->fields().size(); ++i) {
    auto f = std::make_unique<FIELD4>();
    f->data = d.get();
    f->index = static_cast<int>(i);
    d->fields.push_back(std::move(f));
  }
  d->recno = d->table->record_count() + 1;
  d->eof = true;
  d->bof = d->table->record_count() == 0;
  DATA4* raw = d.get();
  session(ctx).open.push_back(std::move(d));
  return raw;
}

int build_tags(DATA4* d, const std::vector<TagDefinition>& defs) {
  std::vector<std::unique_ptr<TAG4>> tags;
  for (const TagDefinition& def : defs) {
    std::string error;
    auto index = TagIndex::compile(def.expression, def.filter, def.descending, d->table->fields(), error);
    if (!index) return fail(d->ctx, e4tag, "tabela " + d->alias + ": " + error);
    auto tag = std::make_unique<TAG4>();
    tag->data = d;
    tag->index = std::move(index);
    tags.push_back(std::move(tag));
  }
  d->selected = nullptr;
  d->tags = std::move(tags);
  return rebuild_tags(d);
}

int rebuild_tags(DATA4* d) {
  if (d->tags.empty()) return 0;
  long count = d->table->record_count();
  std::vector<char> buf(static_cast<size_t>(d->table->record_length()));
  std::string error;
  bool failed = false;
  // Read every record once and feed all tags from it.
  for (auto& tag : d->tags) tag->index->clear();
  // Tags are built one record pass each; records come from the read-ahead
  // block, so each pass costs memory copies only.
  for (auto& tag : d->tags) {
    tag->index->build(count, [&](long r, RecordView& view) {
      if (!d->table->read_record(r, buf.data(), true, error)) {
        failed = true;
        return false;
      }
      view = RecordView{d->table->fields(), buf.data(), r};
      return true;
    });
    if (failed) break;
  }
  if (failed) return fail(d->ctx, e4read, error);
  return 0;
}

void drop_handle(DATA4* d) {
  HostContext* ctx = d->ctx;
  d->table->unlock_all();
  auto& open = session(ctx).open;
  auto it = std::find_if(open.begin(), open.end(), [&](const auto& p) { return p.get() == d; });
  if (it != open.end()) open.erase(it);
}

void blank_record(DATA4* d) {
  std::memset(d->record.data(), ' ', d->record.size());
}

void go_eof(DATA4* d) {
  d->recno = d->table->record_count() + 1;
  d->eof = true;
  d->changed = false;
  d->append_pending = false;
  blank_record(d);
}

int load_record(DATA4* d, long recno, bool sequential) {
  std::string error;
  if (!d->table->read_record(recno, d->record.data(), sequential, error)) return fail(d->ctx, e4read, error);
  d->recno = recno;
  d->eof = d->bof = false;
  d->changed = false;
  d->append_pending = false;
  return 0;
}

int sync_table(DATA4* d) {
  bool changed = false;
  std::string error;
  if (!d->table->refresh(changed, error)) return fail(d->ctx, e4read, error);
  if (changed) return rebuild_tags(d);
  return 0;
}

static void update_tags(DATA4* d, long recno) {
  RecordView v{d->table->fields(), d->record.data(), recno};
  for (auto& tag : d->tags) tag->index->put(v);
}

int write_current(DATA4* d, long recno) {
  std::string error;
  if (!d->table->write_record(recno, d->record.data(), error)) return fail(d->ctx, e4write, error);
  update_tags(d, recno);
  if (recno == d->recno) d->changed = false;
  return 0;
}

int append_current(DATA4* d) {
  // The table layer numbers the record after whatever is in the file now;
  // when someone else appended meanwhile the change counter differs and
  // the next positioning rebuilds our tags with their records.
  long recno = 0;
  std::string error;
  if (!d->table->append_record(d->record.data(), recno, error)) return fail(d->ctx, e4write, error);
  d->recno = recno;
  d->eof = d->bof = false;
  d->changed = false;
  d->append_pending = false;
  update_tags(d, recno);
  return 0;
}

int leave_record(DATA4* d) {
  if (!d->changed) return 0;
  if (d->append_pending || d->eof) {
    // A prepared record that was never appended is dropped on a move.
    d->changed = false;
    return 0;
  }
  return write_current(d, d->recno);
}

}  // namespace skolvarin::db

using namespace skolvarin::db;

namespace {

int begin_move(DATA4* d) {
  if (int rc = leave_record(d)) return rc;
  return sync_table(d);
}

int land(DATA4* d, long recno, bool sequential) {
  if (int rc = load_record(d, recno, sequential)) return rc;
  return succeed(d->ctx);
}

int at_eof(DATA4* d) {
  go_eof(d);
  succeed(d->ctx);
  return r4eof;
}

TagIndex* tag_of(DATA4* d) { return d->selected ? d->selected->index.get() : nullptr; }

// Position of the current record in the selected tag: its entry, or the
// entry that follows where it would stand (end at eof).
TagIndex::Iter current_in_tag(DATA4* d, TagIndex* t) {
  if (d->eof) return t->end();
  auto it = t->find(d->recno);
  if (it != t->end()) return it;
  return t->position_of(d->view());
}

int seek_bytes(DATA4* d, const std::string& key) {
  TagIndex* t = tag_of(d);
  auto it = t->seek(key);
  if (it == t->end()) return at_eof(d);
  if (int rc = load_record(d, static_cast<long>(*it), false)) return rc;
  succeed(d->ctx);
  return t->starts_with(it, key) ? r4success : r4after;
}

int need_tag(DATA4* d) {
  return fail(d->ctx, e4tag, "tabela " + d->alias + ": szukanie bez wybranego indeksu");
}

}  // namespace

int d4top(DATA4* data) {
  if (!data) return e4param;
  if (int rc = begin_move(data)) return rc;
  TagIndex* t = tag_of(data);
  if (t) {
    if (t->begin() == t->end()) {
      data->bof = true;
      return at_eof(data);
    }
    return land(data, static_cast<long>(*t->begin()), false);
  }
  if (data->table->record_count() == 0) {
    data->bof = true;
    return at_eof(data);
  }
  return land(data, 1, true);
}

int d4bottom(DATA4* data) {
  if (!data) return e4param;
  if (int rc = begin_move(data)) return rc;
  TagIndex* t = tag_of(data);
  if (t) {
    if (t->begin() == t->end()) {
      data->bof = true;
      return at_eof(data);
    }
    return land(data, static_cast<long>(*std::prev(t->end())), false);
  }
  long n = data->table->record_count();
  if (n == 0) {
    data->bof = true;
    return at_eof(data);
  }
  return land(data, n, false);
}

int d4go(DATA4* data, long rec) {
  if (!data) return e4param;
  if (int rc = begin_move(data)) return rc;
  if (rec < 1 || rec > data->table->record_count()) {
    go_eof(data);
    succeed(data->ctx);
    return r4entry;
  }
  return land(data, rec, false);
}

int d4skip(DATA4* data, long n) {
  if (!data) return e4param;
  if (int rc = leave_record(data)) return rc;
  TagIndex* t = tag_of(data);
  if (!t) {
    long count = data->table->record_count();
    long target = (data->eof ? count + 1 : data->recno) + n;
    if (target > count || target < 1) {
      // Someone may have appended meanwhile: look again before giving up.
      if (int rc = sync_table(data)) return rc;
      count = data->table->record_count();
    }
    if (target > count) return at_eof(data);
    if (target < 1) {
      if (count == 0) {
        data->bof = true;
        return at_eof(data);
      }
      if (int rc = load_record(data, 1, false)) return rc;
      data->bof = true;
      succeed(data->ctx);
      return r4bof;
    }
    return land(data, target, n > 0);
  }
  if (int rc = sync_table(data)) return rc;
  auto it = current_in_tag(data, t);
  bool on_entry = !data->eof && t->holds(data->recno);
  long steps = n;
  if (n > 0) {
    if (!on_entry) --steps;  // the following entry is the first step
    while (steps > 0 && it != t->end()) {
      ++it;
      --steps;
    }
    if (it == t->end()) return at_eof(data);
    return land(data, static_cast<long>(*it), false);
  }
  if (n < 0) {
    while (steps < 0) {
      if (it == t->begin()) {
        if (t->begin() == t->end()) {
          data->bof = true;
          return at_eof(data);
        }
        if (int rc = load_record(data, static_cast<long>(*t->begin()), false)) return rc;
        data->bof = true;
        succeed(data->ctx);
        return r4bof;
      }
      --it;
      ++steps;
    }
    return land(data, static_cast<long>(*it), false);
  }
  // skip 0: reread the current record
  if (data->eof) return at_eof(data);
  return land(data, data->recno, false);
}

int d4seek(DATA4* data, const char* key) {
  if (!data || !key) return e4param;
  return d4seek_n(data, key, static_cast<int>(std::strlen(key)));
}

int d4seek_n(DATA4* data, const char* key, int len) {
  if (!data || !key || len < 0) return e4param;
  if (!data->selected) return need_tag(data);
  if (int rc = begin_move(data)) return rc;
  std::string bytes = data->selected->index->key_expression().seek_key(std::string_view(key, static_cast<size_t>(len)));
  return seek_bytes(data, bytes);
}

int d4seek_double(DATA4* data, double value) {
  if (!data) return e4param;
  if (!data->selected) return need_tag(data);
  if (int rc = begin_move(data)) return rc;
  return seek_bytes(data, data->selected->index->key_expression().seek_key(value));
}

int d4tag_select(DATA4* data, TAG4* tag) {
  if (!data) return e4param;
  if (tag && tag->data != data) return fail(data->ctx, e4tag, "tabela " + data->alias + ": indeks innej tabeli");
  data->selected = tag;
  return succeed(data->ctx);
}

long d4recno(DATA4* data) { return data ? data->recno : 0; }

long d4reccount(DATA4* data) {
  if (!data) return 0;
  sync_table(data);
  return data->table->record_count();
}

int d4eof(DATA4* data) { return data && data->eof ? 1 : 0; }
int d4bof(DATA4* data) { return data && data->bof ? 1 : 0; }

int d4append_start(DATA4* data, int /*unused*/) {
  if (!data) return e4param;
  if (int rc = leave_record(data)) return rc;
  blank_record(data);
  data->append_pending = true;
  data->changed = false;
  return succeed(data->ctx);
}

int d4append(DATA4* data) {
  if (!data) return e4param;
  if (int rc = append_current(data)) return rc;
  return succeed(data->ctx);
}

int d4append_blank(DATA4* data) {
  if (!data) return e4param;
  if (int rc = leave_record(data)) return rc;
  blank_record(data);
  return d4append(data);
}

int d4write(DATA4* data, long rec) {
  if (!data) return e4param;
  long target = rec > 0 ? rec : data->recno;
  if (data->append_pending) return d4append(data);
  if (target < 1 || target > data->table->record_count()) {
    sync_table(data);
    if (target < 1 || target > data->table->record_count())
      return fail(data->ctx, e4write, "tabela " + data->alias + ": zapis bez bieżącego rekordu");
  }
  if (int rc = write_current(data, target)) return rc;
  return succeed(data->ctx);
}

// The deletion flag is the record's first byte: '*' deleted, ' ' not.
static int set_deletion_flag(DATA4* data, char flag) {
  if (!data) return e4param;
  if (data->record[0] != flag) {
    data->record[0] = flag;
    data->changed = true;
  }
  return succeed(data->ctx);
}

int d4delete(DATA4* data) { return set_deletion_flag(data, '*'); }
int d4recall(DATA4* data) { return set_deletion_flag(data, ' '); }

int d4deleted(DATA4* data) { return data && data->record[0] == '*' ? 1 : 0; }

int d4flush(DATA4* data) {
  if (!data) return e4param;
  if (int rc = leave_record(data)) return rc;
  std::string error;
  if (!data->table->flush(error)) return fail(data->ctx, e4write, error);
  return succeed(data->ctx);
}

int d4changed(DATA4* data) { return data && data->changed ? 1 : 0; }

const char* d4record(DATA4* data) { return data ? data->record.data() : ""; }
int d4record_width(DATA4* data) { return data ? static_cast<int>(data->record.size()) : 0; }

int d4refresh_record(DATA4* data) {
  if (!data) return e4param;
  data->changed = false;
  if (int rc = sync_table(data)) return rc;
  if (data->eof || data->recno > data->table->record_count()) return at_eof(data);
  return land(data, data->recno, false);
}

// ---------------------------------------------------------------- locks

namespace {

int locked_elsewhere(DATA4* d, long rec) {
  std::string what = rec < 0 ? "Tabela " + d->alias : "Rekord " + std::to_string(rec) + " tabeli " + d->alias;
  return fail(d->ctx, r4locked, what + " jest zablokowany przez innego użytkownika. Spróbuj ponownie za chwilę.");
}

int wait_ms(DATA4* d) { return session(d->ctx).lock_wait_ms; }

}  // namespace

int set_lock(DATA4* data, long rec) {
  if (!data) return e4param;
  if (rec == -1) {
    if (!data->table->lock_table(wait_ms(data))) return locked_elsewhere(data, -1);
    // Whoever changed the file before we got the lock: see it now.
    if (int rc = sync_table(data)) return rc;
    return succeed(data->ctx);
  }
  if (rec < 1) return fail(data->ctx, e4param, "tabela " + data->alias + ": błędny numer rekordu do blokady");
  if (!data->table->lock_record(rec, wait_ms(data))) return locked_elsewhere(data, rec);
  return succeed(data->ctx);
}

int d4unlock(DATA4* data) {
  if (!data) return e4param;
  int rc = leave_record(data);
  data->table->unlock_all();
  return rc ? rc : succeed(data->ctx);
}

int lock_and_append(DATA4* data) {
  if (!data) return e4param;
  if (!data->append_pending) {
    if (int rc = leave_record(data)) return rc;
    blank_record(data);
  }
  if (int rc = append_current(data)) return rc;
  if (!data->table->lock_record(data->recno, wait_ms(data))) return locked_elsewhere(data, data->recno);
  return succeed(data->ctx);
}

int lock_and_append_numbered(DATA4* data, const std::function<int()>& number) {
  if (!data) return e4param;
  if (!data->append_pending) {
    if (int rc = leave_record(data)) return rc;
    blank_record(data);
    data->append_pending = true;
  }
  bool taken = false;
  if (!data->table->hold_appends(wait_ms(data), taken)) return locked_elsewhere(data, -1);
  int rc = sync_table(data);
  if (rc == 0 && number) rc = number();
  if (rc == 0) rc = append_current(data);
  data->table->release_appends(taken);
  if (rc != 0) return rc;
  if (!data->table->lock_record(data->recno, wait_ms(data))) return locked_elsewhere(data, data->recno);
  return succeed(data->ctx);
}

int go_and_lock(DATA4* data, long rec) {
  if (!data) return e4param;
  if (int rc = leave_record(data)) return rc;
  if (rec < 1) return fail(data->ctx, e4param, "tabela " + data->alias + ": błędny numer rekordu do blokady");
  if (!data->table->lock_record(rec, wait_ms(data))) return locked_elsewhere(data, rec);
  return d4go(data, rec);
}

int write_and_unlock(DATA4* data) {
  if (!data) return e4param;
  if (data->eof || !data->table->record_locked(data->recno))
    return fail(data->ctx, e4unlock, "tabela " + data->alias + ": zapis rekordu, który nie był zablokowany");
  if (int rc = write_current(data, data->recno)) return rc;
  if (!data->table->table_locked()) data->table->unlock_record(data->recno);
  return succeed(data->ctx);
}

int d4lock_test(DATA4* data, long rec) {
  if (!data) return 0;
  if (rec == -1) return data->table->table_locked() ? 1 : 0;
  return data->table->record_locked(rec) ? 1 : 0;
}
