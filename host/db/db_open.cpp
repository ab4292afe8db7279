// Layout definition, open, create, binding of handles and closing.
#include <algorithm>
#include <cstring>

#include "host/db/db_handles.h"

namespace skolvarin::db {

namespace {

std::string unpack_name(std::uint32_t packed) {
  std::string name;
  for (int shift = 24; shift >= 0; shift -= 8) {
    char c = static_cast<char>((packed >> shift) & 0xFF);
    if (c == 0) break;
    name += c;
  }
  return name;
}

std::string describe(const FieldDesc& f) {
  std::string s(1, static_cast<char>(f.type));
  s += std::to_string(f.width);
  if (f.type == FieldType::Numeric && f.decimals) s += "." + std::to_string(f.decimals);
  return s;
}

std::string path_of(HostContext* ctx, const char* name) {
  std::string n = name ? name : "";
  if (!n.empty() && n[0] == '/') return n;
  return ctx->current_dir + n;
}

DbfDefinition* definition_of(HostContext* ctx) { return session(ctx).definition.get(); }

// Checks that the table holds every defined field with its type and width.
bool layout_matches(const Table& t, const std::vector<FieldDesc>& wanted, std::string& why) {
  for (const FieldDesc& w : wanted) {
    int i = t.field_index(w.name);
    if (i < 0) {
      why = "brak pola " + w.name;
      return false;
    }
    const FieldDesc& f = t.fields()[static_cast<size_t>(i)];
    if (f.type != w.type || f.width != w.width || (f.type == FieldType::Numeric && f.decimals != w.decimals)) {
      why = "pole " + w.name + " ma typ " + describe(f) + ", oczekiwano " + describe(w);
      return false;
    }
  }
  return true;
}

}  // namespace

}  // namespace skolvarin::db

using namespace skolvarin::db;

int AllocDbfDefinition(HostContext* ctx) {
  if (!ctx) return e4param;
  session(ctx).definition = std::make_unique<DbfDefinition>();
  return succeed(ctx);
}

int DefineField(HostContext* ctx, std::uint32_t packed_name, int format) {
  if (!ctx) return e4param;
  DbfDefinition* def = definition_of(ctx);
  if (!def) return fail(ctx, e4param, "definicja pola bez AllocDbfDefinition");
  FieldDesc f;
  f.name = unpack_name(packed_name);
  int code = format & 0xF;
  f.decimals = (format >> 4) & 0xF;
  f.width = format >> 8;
  switch (code) {
    case f4type_numeric: f.type = FieldType::Numeric; break;
    case f4type_character: f.type = FieldType::Character; break;
    case f4type_date: f.type = FieldType::Date; f.width = 8; break;
    case f4type_logical: f.type = FieldType::Logical; if (f.width == 0) f.width = 1; break;
    default:
      def->bad = true;
      def->bad_reason = "pole " + f.name + ": nieznany kod typu " + std::to_string(code);
      return fail(ctx, e4param, def->bad_reason);
  }
  std::vector<FieldDesc> probe = def->fields;
  probe.push_back(f);
  std::string error;
  if (lay_out_fields(probe, error) == 0) {
    def->bad = true;
    def->bad_reason = error;
    return fail(ctx, e4param, "błędna definicja tabeli: " + error);
  }
  def->fields = std::move(probe);
  return succeed(ctx);
}

int DefineTag(HostContext* ctx, const char* expression) { return DefineTag_(ctx, expression, nullptr, 0); }

int DefineTag_(HostContext* ctx, const char* expression, const char* filter, int flag) {
  if (!ctx) return e4param;
  DbfDefinition* def = definition_of(ctx);
  if (!def) return fail(ctx, e4param, "definicja indeksu bez AllocDbfDefinition");
  if (!expression || !*expression) return fail(ctx, e4tag, "puste wyrażenie klucza indeksu");
  def->tags.push_back(TagDefinition{expression, filter ? filter : "", flag == r4descending});
  return succeed(ctx);
}

TAG4INFO* GetTagsInfo(HostContext* ctx, int /*option*/) {
  if (!ctx) return nullptr;
  DbfDefinition* def = definition_of(ctx);
  return def ? &def->tag_info : nullptr;
}

FIELD4INFO* GetFieldsInfo(HostContext* ctx, TAG4INFO** tag_slot, TAG4INFO* tags) {
  if (!ctx) return nullptr;
  if (tag_slot) *tag_slot = tags;
  DbfDefinition* def = definition_of(ctx);
  return def ? &def->field_info : nullptr;
}

void ReleaseDbfDefinition(HostContext* ctx) {
  if (ctx) session(ctx).definition.reset();
}

int open_dbf(HostContext* ctx, const char* name, DATA4** data, FIELD4INFO* fields) {
  if (data) *data = nullptr;
  if (!ctx || !name || !data || !fields || !fields->definition) return ctx ? fail(ctx, e4param, "open_dbf: brak definicji tabeli") : e4param;
  DbfDefinition* def = fields->definition;
  if (def->bad) return fail(ctx, e4param, std::string("tabela ") + name + ": błędna definicja: " + def->bad_reason);
  std::string path = path_of(ctx, name);
  std::string error;
  std::unique_ptr<Table> table;
  if (!EnvFileExists(ctx, name)) {
    table = Table::create(path, def->fields, ctx->today, error);
    if (!table) return fail(ctx, e4create, "Nie można utworzyć tabeli " + path + ": " + error);
  } else {
    table = Table::open(path, ctx->today, error);
    if (!table) return fail(ctx, e4data, "Nie można otworzyć tabeli " + path + ": " + error);
    // A register changes its tables as it runs: on a damaged one its work
    // would be refused only at the save.  So it does not start; the file
    // stays exactly as it is until it is repaired on purpose.
    if (!table->damage().empty())
      return fail(ctx, e4data, "Tabela " + path + " jest uszkodzona: " + table->damage() +
                                   ". Niczego w niej nie zmieniono. Napraw ją poleceniem: skolvarin sprawdz --napraw "
                                   "(uszkodzony plik zostanie zachowany jako kopia).");
    std::string why;
    if (!layout_matches(*table, def->fields, why))
      return fail(ctx, e4layout, "Tabela " + std::string(name) + " ma inny układ niż wymagany: " + why + ".");
  }
  DATA4* d = make_handle(ctx, name, std::move(table));
  int rc = build_tags(d, def->tags);
  if (rc != 0) {
    drop_handle(d);
    return rc;
  }
  *data = d;
  return succeed(ctx);
}

int ResetDbfActivation(DATA4* data, TAG4INFO* tags) {
  if (!data) return e4param;
  data->next_field = data->next_tag = 0;
  data->activation_fields.clear();
  if (tags && tags->definition) {
    for (const FieldDesc& f : tags->definition->fields) data->activation_fields.push_back(f.name);
    if (data->tags.empty() && !tags->definition->tags.empty()) {
      int rc = build_tags(data, tags->definition->tags);
      if (rc) return rc;
    }
  } else {
    for (const FieldDesc& f : data->table->fields()) data->activation_fields.push_back(f.name);
  }
  return succeed(data->ctx);
}

FIELD4* ActivateField(DATA4* data) {
  if (!data) return nullptr;
  if (data->next_field >= data->activation_fields.size()) {
    fail(data->ctx, e4field, "tabela " + data->alias + ": więcej pól do powiązania niż w definicji");
    return nullptr;
  }
  const std::string& name = data->activation_fields[data->next_field++];
  return d4field(data, name.c_str());
}

TAG4* ActivateTag(DATA4* data) {
  if (!data) return nullptr;
  if (data->next_tag >= data->tags.size()) {
    fail(data->ctx, e4tag, "tabela " + data->alias + ": więcej indeksów do powiązania niż w definicji");
    return nullptr;
  }
  return data->tags[data->next_tag++].get();
}

DATA4* d4create(HostContext* ctx, const char* name, FIELD4INFO* fields, TAG4INFO* tags) {
  if (!ctx || !name || !fields || !fields->definition) {
    if (ctx) fail(ctx, e4param, "d4create: brak definicji tabeli");
    return nullptr;
  }
  DbfDefinition* def = fields->definition;
  if (def->bad) {
    fail(ctx, e4param, std::string("tabela ") + name + ": błędna definicja: " + def->bad_reason);
    return nullptr;
  }
  std::string error;
  std::string path = path_of(ctx, name);
  auto table = Table::create(path, def->fields, ctx->today, error);
  if (!table) {
    fail(ctx, e4create, "Nie można utworzyć tabeli " + path + ": " + error);
    return nullptr;
  }
  DATA4* d = make_handle(ctx, name, std::move(table));
  if (tags && tags->definition && build_tags(d, tags->definition->tags) != 0) {
    drop_handle(d);
    return nullptr;
  }
  succeed(ctx);
  return d;
}

DATA4* d4open(HostContext* ctx, const char* name) {
  if (!ctx || !name) return nullptr;
  std::string error;
  std::string path = path_of(ctx, name);
  auto table = Table::open(path, ctx->today, error);
  if (!table) {
    fail(ctx, e4data, "Nie można otworzyć tabeli " + path + ": " + error);
    return nullptr;
  }
  // A damaged table is shown as it stands and never changed here.
  if (!table->damage().empty())
    skolvarin::host::report_error(ctx, e4data, "Tabela " + path + " jest uszkodzona: " + table->damage() +
                                                   ". Otwarto ją tylko do odczytu, niczego w niej nie zmieniono. "
                                                   "Napraw ją poleceniem: skolvarin sprawdz --napraw.");
  DATA4* d = make_handle(ctx, name, std::move(table));
  succeed(ctx);
  return d;
}

int d4repair(HostContext* ctx, const char* name, std::string& done) {
  done.clear();
  if (!ctx || !name) return e4param;
  std::string path = path_of(ctx, name);
  std::string error;
  if (!Table::repair_file(path, ctx->today, done, error))
    return fail(ctx, e4write, "Nie można naprawić tabeli " + path + ": " + error);
  if (!done.empty()) skolvarin::host::append_to_log(ctx, "naprawiono tabelę " + path + ": " + done);
  return succeed(ctx);
}

int d4damaged(DATA4* data, std::string* why) {
  if (!data || data->table->damage().empty()) return 0;
  if (why) *why = data->table->damage();
  return 1;
}

bool ReadTableFile(const std::string& path, std::string& bytes, std::string& error) {
  return Table::read_whole(path, bytes, error);
}

int i4create(DATA4* data, TAG4INFO* tags) {
  if (!data) return e4param;
  int rc = build_tags(data, tags && tags->definition ? tags->definition->tags : std::vector<TagDefinition>{});
  return rc ? rc : succeed(data->ctx);
}

FIELD4* d4field(DATA4* data, const char* name) {
  if (!data || !name) return nullptr;
  std::string upper(name);
  while (!upper.empty() && upper.back() == ' ') upper.pop_back();
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  int i = data->table->field_index(upper);
  if (i < 0) {
    fail(data->ctx, e4field, "tabela " + data->alias + ": brak pola " + upper);
    return nullptr;
  }
  succeed(data->ctx);
  return data->fields[static_cast<size_t>(i)].get();
}

FIELD4* d4field_j(DATA4* data, int j) {
  if (!data || j < 1 || j > static_cast<int>(data->fields.size())) return nullptr;
  return data->fields[static_cast<size_t>(j - 1)].get();
}

int d4num_fields(DATA4* data) { return data ? static_cast<int>(data->fields.size()) : 0; }

int d4close(DATA4* data) {
  if (!data) return e4param;
  HostContext* ctx = data->ctx;
  int rc = leave_record(data);
  drop_handle(data);
  return rc ? rc : succeed(ctx);
}

int d4close_all(HostContext* ctx) {
  if (!ctx) return e4param;
  int first = 0;
  auto& open = session(ctx).open;
  while (!open.empty()) {
    int rc = d4close(open.back().get());
    if (rc && !first) first = rc;
  }
  if (first) ctx->error_code = first;
  else succeed(ctx);
  return first;
}

int d4open_count(HostContext* ctx) { return ctx ? static_cast<int>(session(ctx).open.size()) : 0; }

const char* d4alias(DATA4* data) { return data ? data->alias.c_str() : ""; }
std::string d4path(DATA4* data) { return data ? data->table->path() : std::string(); }

TAG4* d4tag(DATA4* data, int j) {
  if (!data || j < 1 || j > static_cast<int>(data->tags.size())) return nullptr;
  return data->tags[static_cast<size_t>(j - 1)].get();
}
int d4num_tags(DATA4* data) { return data ? static_cast<int>(data->tags.size()) : 0; }
TAG4* d4tag_default(DATA4* data) { return data && !data->tags.empty() ? data->tags[0].get() : nullptr; }
TAG4* d4tag_selected(DATA4* data) { return data ? data->selected : nullptr; }
const char* t4expr(TAG4* tag) { return tag ? tag->index->expression().c_str() : ""; }
const char* t4filter(TAG4* tag) { return tag ? tag->index->filter().c_str() : ""; }

void d4lock_wait(HostContext* ctx, int milliseconds) {
  if (!ctx) return;
  session(ctx).lock_wait_ms = std::max(0, milliseconds);
  for (auto& d : session(ctx).open) d->table->set_header_wait(session(ctx).lock_wait_ms);
}
