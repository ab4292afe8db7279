// The host's database calls, as the module sees them: dBASE III tables with
// in-memory index tags, opened through layouts defined field by field.
//
// Conventions kept by every call here:
//  - Results: 0 (r4success) is success.  Positioning calls may return the
//    positive results r4after, r4eof, r4bof, r4entry; those are not errors
//    and leave ctx->error_code at 0.  Errors are negative (e4...) or
//    r4locked; every error sets ctx->error_code to the returned value and
//    reports exactly one clear Polish message through the host's error sink
//    (host/core/errors.h).  A call that succeeds sets ctx->error_code to 0.
//    No call throws; a null handle gives e4param, never a crash.
//  - Text in and out is UTF-8.  Character fields are stored in the Mazovia
//    code page on disk; a character outside that code page is stored as '?'.
//    Widths count characters (one Mazovia byte each).
//  - Table names are relative to ctx->current_dir unless they start with
//    '/'.  Names are used exactly as given (8.3 upper case by convention);
//    the process working directory is never changed.
//  - Record numbers are 1-based `long`s; nothing is limited to 16 bits.
//  - The current record lives in a record buffer.  Field assignments change
//    the buffer only; the buffer is written by d4write, d4append, or
//    automatically when a changed record is left (d4go, d4skip, d4top,
//    d4bottom, d4seek..., d4close, d4unlock).  Index tags follow every
//    write: the key of a changed record is replaced only when it changed.
//  - Tags are built in memory when a table is opened and rebuilt whenever
//    the table was changed by another handle or process (a change counter in
//    the file header is compared before every positioning call).
//  - Locks: a whole-table lock (set_lock with -1) or record locks; a lock
//    held by another process (or another handle of this process) is retried
//    for a short time (2 s by default, d4lock_wait) and then refused with
//    r4locked and a message.  Nothing waits forever.  Locks are released by
//    d4unlock, d4close and the end of the process.
//  - Handles (DATA4, FIELD4, TAG4) stay valid until their table is closed.
//    Definitions (TAG4INFO, FIELD4INFO) stay valid until
//    ReleaseDbfDefinition.
//
// Opener protocol of the module:
//   AllocDbfDefinition(ctx);
//   DefineField(ctx, PackFieldName("NAZ"), (30 << 8) + (0 << 4) + 2);  // ...
//   DefineTag(ctx, "UPPER(NAZ)");                                      // ...
//   SaveDir(ctx); [SwitchDir / ChangeDir]
//   TAG4INFO* tags = nullptr;
//   int rc = open_dbf(ctx, "W3PRAC.DBF", &data,
//                     GetFieldsInfo(ctx, &tags, GetTagsInfo(ctx, 0)));
//   RestoreDir(ctx);
//   if (rc == 0) { ResetDbfActivation(data, tags);
//                  f_naz = ActivateField(data); ... t_naz = ActivateTag(data); }
//   ReleaseDbfDefinition(ctx);
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "host/api/context.h"

// ---------------------------------------------------------------- results
inline constexpr int r4success = 0;
inline constexpr int r4found = 1;      // tag-level match (d4seek itself returns 0 on a match)
inline constexpr int r4after = 2;      // seek: no match, positioned on the next key
inline constexpr int r4eof = 3;        // positioned after the last record
inline constexpr int r4bof = 4;        // skip went before the first record
inline constexpr int r4entry = 5;      // d4go: no such record
inline constexpr int r4locked = 50;    // lock held elsewhere (error)
inline constexpr int r4keep = 1;       // x4 filter result: take the record
inline constexpr int r4ignore = 0;     // x4 filter result: skip the record

inline constexpr int e4param = -2;     // null handle, bad argument
inline constexpr int e4open = -10;     // file cannot be opened
inline constexpr int e4create = -20;   // file cannot be created
inline constexpr int e4layout = -30;   // table's layout differs from the definition
inline constexpr int e4data = -40;     // damaged or foreign file
inline constexpr int e4overflow = -60; // value does not fit its field
inline constexpr int e4write = -70;    // write failed
inline constexpr int e4read = -80;     // read failed
inline constexpr int e4field = -90;    // no such field
inline constexpr int e4tag = -100;     // bad tag expression or no such tag
inline constexpr int e4dir = -110;     // bad directory or directory purpose
inline constexpr int e4unlock = -120;  // write_and_unlock without a lock

// Tag flag of DefineTag_: descending order.
inline constexpr int r4descending = 10;

// Field type codes of DefineField's format word.
inline constexpr int f4type_numeric = 1, f4type_character = 2, f4type_date = 3, f4type_logical = 4;

// ---------------------------------------------------------------- handles
struct DATA4;       // an open table with its record buffer, tags and locks
struct FIELD4;      // one field of an open table
struct TAG4;        // one index tag of an open table
struct TAG4INFO;    // tag part of the definition being built (opaque)
struct FIELD4INFO;  // field part of the definition being built (opaque)

// ---------------------------------------------------------------- layout and open
// Packs a field name of up to four letters into DefineField's form:
// first letter in the highest byte ("NAZ" -> 'N'<<24 | 'A'<<16 | 'Z'<<8).
constexpr std::uint32_t PackFieldName(const char* name) {
  std::uint32_t v = 0;
  bool ended = false;
  for (int i = 0; i < 4; ++i) {
    if (!ended && name[i] == 0) ended = true;
    v = (v << 8) | (ended ? 0u : static_cast<unsigned char>(name[i]));
  }
  return v;
}
// Starts a new definition for ctx (drops an unreleased earlier one).
int AllocDbfDefinition(HostContext* ctx);
// Adds a field: packed name (see PackFieldName) and format word
// (width << 8) + (decimals << 4) + type code (1 N, 2 C, 3 D, 4 L).
// A logical field of width 0 is stored with width 1.  Returns 0, or e4param
// for a bad name, type or width (C 1..254, N 1..19 with decimals < width-1
// when there are decimals, D is always 8).
int DefineField(HostContext* ctx, std::uint32_t packed_name, int format);
// Adds a plain ascending tag with a dBASE key expression ("UPPER(NAZ)").
// The expression is checked at open time.
int DefineTag(HostContext* ctx, const char* expression);
// Adds a tag with a filter expression (nullptr or "" for none; the tag
// holds only the records for which it is true) and a flag (0 plain,
// r4descending = 10 descending order).
int DefineTag_(HostContext* ctx, const char* expression, const char* filter, int flag);
// The tags of the current definition.  `option` is accepted for the
// module's protocol (0 normally; 1 asks for the index to be built anew,
// which this engine does at every open anyway).
TAG4INFO* GetTagsInfo(HostContext* ctx, int option);
// Stores `tags` in *tag_slot and returns the fields of the current
// definition for open_dbf / d4create.
FIELD4INFO* GetFieldsInfo(HostContext* ctx, TAG4INFO** tag_slot, TAG4INFO* tags);
// Opens `name` in ctx->current_dir with the definition's layout.  A missing
// file is created with the layout.  The file must hold every defined field
// with the same type, width and decimals (extra fields are allowed);
// otherwise the open is refused with a message naming the field.  Builds
// the definition's tags.  Returns 0 and sets *data, or an error (and
// *data = nullptr).
int open_dbf(HostContext* ctx, const char* name, DATA4** data, FIELD4INFO* fields);
// Starts binding handles of `data` against the definition of `tags`;
// tags not yet built on data are built now (for tables opened by d4open).
int ResetDbfActivation(DATA4* data, TAG4INFO* tags);
// The next field / tag of the definition, in definition order.  A field
// missing from the table or a tag past the end gives nullptr and an error
// in ctx->error_code.
FIELD4* ActivateField(DATA4* data);
TAG4* ActivateTag(DATA4* data);
// Frees ctx's definition.  Handles already bound stay valid.
void ReleaseDbfDefinition(HostContext* ctx);

// Creates (replacing an existing file) and opens a table with the fields of
// a definition and builds `tags` (may be nullptr).  nullptr on failure.
DATA4* d4create(HostContext* ctx, const char* name, FIELD4INFO* fields, TAG4INFO* tags);
// Opens a table with the layout its file holds, without tags.
DATA4* d4open(HostContext* ctx, const char* name);
// A damaged table (records missing against its header, bytes after its end
// mark, a header length or count that would shift the records; a torn last
// append is not damage, the open completes it) is never changed by opening:
// open_dbf refuses it (e4data), d4open opens it read-only, both with a
// message that says what is wrong and how to repair it.
// 1 (and why) when data was opened from a damaged file, else 0.
int d4damaged(DATA4* data, std::string* why = nullptr);
// The one repair of a damaged table file (relative to ctx->current_dir):
// keeps a copy of it beside it (NAME.USZ, NAME.U01, ...), then sets the
// header length, the record count and the end mark right, keeping every
// whole record; writes what it did to the host log.  done: what was done,
// "" when the file needed nothing.  0, or an error with its message.
int d4repair(HostContext* ctx, const char* name, std::string& done);
// Reads a whole table file as it stands, under its append lock (an append
// of another handle or process is never seen half-way); changes nothing.
bool ReadTableFile(const std::string& path, std::string& bytes, std::string& error);
// Builds the tags of a definition on an open table (replacing its tags).
int i4create(DATA4* data, TAG4INFO* tags);
// A field by name (case-insensitive); nullptr and e4field when missing.
FIELD4* d4field(DATA4* data, const char* name);
// The i-th field (1-based) and the number of fields.
FIELD4* d4field_j(DATA4* data, int j);
int d4num_fields(DATA4* data);
// Writes a changed record, releases the table's locks and closes it.
int d4close(DATA4* data);
// Closes every table opened in ctx.  Returns 0 or the first error.
int d4close_all(HostContext* ctx);
// Number of tables open in ctx.
int d4open_count(HostContext* ctx);
// The file name the table was opened with, and its full path.
const char* d4alias(DATA4* data);
std::string d4path(DATA4* data);

// 1 when `name` exists in ctx->current_dir (or is an absolute path that
// exists), else 0.
int EnvFileExists(HostContext* ctx, const char* name);
// Full path of `name` as the database calls would open it.
std::string EnvFilePath(HostContext* ctx, const char* name);
// The Polish text of a system error number (errno) for messages: "brak
// uprawnień", "brak miejsca na dysku", ...; never the system's English.
std::string SystemErrorText(int error_number);
// Renames / removes a file relative to ctx->current_dir: 0 or e4write.
int EnvFileRename(HostContext* ctx, const char* from, const char* to);
int EnvFileRemove(HostContext* ctx, const char* name);
// Gives `name` (a buffer of `size` bytes) the extension `ext` ("CNV"):
// replaces an existing extension when `replace` is non-zero, adds one when
// the name has none.  Returns 0, or e4param when it does not fit.
int u4name_ext(char* name, int size, const char* ext, int replace);
// Per-year names: writes the last two digits of `year` over the two
// characters before ".DBF" of an 8.3 name whose base has 8 characters
// ("W3PENS  .DBF" -> "W3PENS24.DBF"; again with 2025 -> "W3PENS25.DBF").
// Other names are left unchanged.  Returns name.
char* SetDbfYear(char* name, int year);

// ---------------------------------------------------------------- directories
// current_dir is where tables are opened.  The directories come from ctx.
// SaveDir pushes current_dir; RestoreDir pops it (e4dir when nothing saved).
int SaveDir(HostContext* ctx);
int RestoreDir(HostContext* ctx);
// SwitchDir: 1 firm_dir, 2 common_dir, 3 shared_dir.  e4dir for another code
// or when the directory does not exist.
int SwitchDir(HostContext* ctx, int where);
// ChangeDir purposes:
//  12  `path` (absolute, or relative to firms_dir) becomes firm_dir and
//      current_dir; it must be an existing directory;
//  13  current_dir = firm_dir (back to the firm after a failed 12);
//  14  remembers current_dir, then current_dir = firms_dir (firm_dir when
//      firms_dir is empty);
//  15  current_dir = the directory remembered by 14;
//  16..21 current_dir = `path` when given (non-empty), else common_dir:
//      17 firm access, 18 firm catalogue, 19 user list, 20 main options,
//      21 user entries.
// Returns 0, or e4dir (with a message naming the directory).  A relative
// path of purpose 12 that leaves firms_dir ("../x") is refused.
int ChangeDir(HostContext* ctx, const char* path, int purpose);
// The directory of a firm (ending with '/'): an absolute path as it stands,
// a relative one under ctx->firms_dir.  "" for a relative path whose ".."
// parts lead out of firms_dir (or back to firms_dir itself): a firm's data
// never lives outside the data directory by way of a relative path.
std::string FirmDirPath(const HostContext* ctx, const std::string& path);

// ---------------------------------------------------------------- records
// Positioning in the selected tag's order (record order without a tag).
// d4top / d4bottom: 0, or r4eof on an empty table (or empty filtered tag).
int d4top(DATA4* data);
int d4bottom(DATA4* data);
// d4go: reads record `rec` (1..reccount): 0, or r4entry (buffer blanked,
// position at eof).
int d4go(DATA4* data, long rec);
// d4skip: moves n records (negative: back): 0 while a record was reached;
// r4eof (positioned after the last, d4eof true) or r4bof (positioned on the
// first, d4bof true).  A record outside a filtered selected tag skips to
// the tag's entry after / before its key.
int d4skip(DATA4* data, long n);
// Seeks in the selected tag (e4tag without one).  For a character key a
// shorter value is a prefix seek.  0 when an entry with that key (prefix)
// exists, positioned on the first such entry in tag order (for a
// descending tag that is the highest key); r4after when not found,
// positioned on the next entry; r4eof when nothing follows.
int d4seek(DATA4* data, const char* key);
int d4seek_n(DATA4* data, const char* key, int len);   // first len bytes of key
int d4seek_double(DATA4* data, double value);          // numeric (or date as YYYYMMDD number) tags
// Selects a tag (nullptr: record order).  The position is kept.
int d4tag_select(DATA4* data, TAG4* tag);
TAG4* d4tag_selected(DATA4* data);
TAG4* d4tag_default(DATA4* data);     // the first tag, or nullptr
TAG4* d4tag(DATA4* data, int j);      // j-th tag (1-based), or nullptr
int d4num_tags(DATA4* data);
const char* t4expr(TAG4* tag);
const char* t4filter(TAG4* tag);      // "" without a filter
// Current record number (reccount + 1 at eof, 0 before the first read of an
// empty table) and the number of records.
long d4recno(DATA4* data);
long d4reccount(DATA4* data);
int d4eof(DATA4* data);
int d4bof(DATA4* data);
// Blank record buffer for a new record; d4append then adds it.
int d4append_start(DATA4* data, int unused = 0);
int d4append(DATA4* data);
// Appends a blank record and positions on it.
int d4append_blank(DATA4* data);
// Writes the record buffer to record rec (0: the current record).
int d4write(DATA4* data, long rec = 0);
// Marks / unmarks the current record deleted (written like any change).
int d4delete(DATA4* data);
int d4recall(DATA4* data);
int d4deleted(DATA4* data);
// Writes a changed record and pushes the file to disk (fsync).
int d4flush(DATA4* data);
// 1 when the record buffer was changed since it was read.
int d4changed(DATA4* data);
// Rereads the current record from the file (dropping unsaved changes).
int d4refresh_record(DATA4* data);
// The record buffer as it stands in the file: d4record_width bytes, the
// deletion flag first, then the fields in order, character fields in the
// Mazovia code page.  For converters at the boundary of the program (the
// CSV export); everything else reads fields through f4ptr.  Valid until the
// next call on data.
const char* d4record(DATA4* data);
int d4record_width(DATA4* data);
// Offset of a field's bytes in d4record.
int f4offset(FIELD4* field);
// The UTF-8 text of field bytes as they stand in a file (Mazovia), with
// control characters shown as \xHH: for messages about a field's bytes.
std::string StoredText(std::string_view bytes);

// ---------------------------------------------------------------- fields
// f4ptr / f4str: the field's value as text, null-terminated, in a buffer
// owned by the field (valid until the next f4ptr/f4str on it):
//   C: UTF-8, padded with blanks to the field's width in characters;
//   N: the stored digits as they stand (right-aligned); D: "YYYYMMDD" or 8
//   blanks; L: one character.
const char* f4ptr(FIELD4* field);
const char* f4str(FIELD4* field);
// The field's text without trailing blanks (std::string copy).
std::string f4trim(FIELD4* field);
// First character as a code point (ASCII, or Unicode for Polish letters).
int f4char(FIELD4* field);
// Numeric value: N fields their number, C fields the number they start
// with, D fields YYYYMMDD as a number, L 1/0.  Blank gives 0.
int f4int(FIELD4* field);
long f4long(FIELD4* field);
double f4double(FIELD4* field);
int f4true(FIELD4* field);            // L: 1 for T/t/Y/y; else 0
int f4len(FIELD4* field);             // width (characters)
int f4decimals(FIELD4* field);
int f4type(FIELD4* field);            // 'C', 'N', 'D' or 'L'
const char* f4name(FIELD4* field);
DATA4* f4data(FIELD4* field);
// Assignments.  Return 0, or e4overflow when a number does not fit its
// field (the field is left unchanged; numbers are never truncated nor
// shown as asterisks), e4param for a bad value.
//  f4assign: C takes UTF-8 text, cut or padded to the width; N parses a
//  number ("1 234,50" and "1234.50" both work; blank is 0); D takes
//  "YYYYMMDD" or blanks; L takes its first character.
int f4assign(FIELD4* field, const char* value);
int f4assign_n(FIELD4* field, const char* value, int len);  // first len bytes
int f4assign_char(FIELD4* field, int code_point);           // one character
int f4assign_int(FIELD4* field, int value);
int f4assign_long(FIELD4* field, long value);
// N: the value rounded to the field's decimals (skolvarin::R) and
// right-aligned; C: the number's text; L: 'T' for non-zero.
int f4assign_double(FIELD4* field, double value);
int f4assign_logical(FIELD4* field, int value);             // 'T' / 'F'
int f4assign_date(FIELD4* field, const HostDate& date);
HostDate f4date(FIELD4* field);                             // blank date when empty
// Copies a value between fields of any tables: same type by value, else
// through text.
int f4assign_field(FIELD4* to, FIELD4* from);
// Blank value (C blanks, N blanks, D blanks, L blank).
int f4blank(FIELD4* field);

// ---------------------------------------------------------------- bulk helpers
// values[i] -> fields[i] for i < count; 0 or the first error.
int ToFieldCopyDouble(FIELD4* const* fields, const double* values, int count);
int ToFieldCopyLongint(FIELD4* const* fields, const long* values, int count);
// Copies a field's UTF-8 text (trailing blanks removed) into dest of `size`
// bytes, cut at a character boundary, always null-terminated.  Returns the
// number of bytes copied.
int ToMemCopyMaxField(char* dest, FIELD4* field, int size);
// strncpy that always terminates and never cuts a UTF-8 character.
int ToMemCopyMaxString(char* dest, const char* src, int size);
// The field's text with trailing blanks removed, in one of eight rotating
// buffers (valid for the next seven calls); MaxFldQStr cuts it to at most
// max characters.  Never nullptr ("" for a null field).
const char* FldQStr(FIELD4* field);
const char* MaxFldQStr(FIELD4* field, int max);
// Blanks every field of the record buffer (the deletion mark is kept).
int EmptyRecord(DATA4* data);
// Sets every numeric field of the list to 0.
int ZeroFields_(std::initializer_list<FIELD4*> fields);
int ZeroFields_(FIELD4* const* fields, int count);
// Sum of the fields' values (f4double), not rounded.
double Suma_(std::initializer_list<FIELD4*> fields);
double Suma_(FIELD4* const* fields, int count);
double Suma2(FIELD4* a, FIELD4* b);
// x rounded to n decimals, half away from zero (skolvarin::R).
double ROUND(double x, int n);

// ---------------------------------------------------------------- scans
// A filtered walk over a table in its selected tag's order.  The filter is
// called with the record buffer loaded and `arg`; r4keep (non-zero) takes
// the record, r4ignore skips it.  A null filter takes every record.
using X4FilterFn = int (*)(void* arg);
struct X4FILTER {
  DATA4* data = nullptr;
  X4FilterFn filter = nullptr;
  void* arg = nullptr;
};
int x4init(X4FILTER* scan, DATA4* data, X4FilterFn filter, void* arg);
// First / next (n may be negative) record that passes: 0, or r4eof / r4bof.
int x4top(X4FILTER* scan);
int x4bottom(X4FILTER* scan);
int x4skip(X4FILTER* scan, long n);
// Seek, then the first passing record from there: 0 when that record
// matches the key, r4after when another passing record follows, r4eof.
int x4seek(X4FILTER* scan, const char* key);
// Go to a record: 0 when it passes, r4entry when it does not exist or
// does not pass.
int x4go(X4FILTER* scan, long rec);

// The records of a tag whose key starts with a prefix, one by one:
//   DBSCAN s; InitDbScan(&s, data, tag, "  12");
//   while (DbScan(&s) == 0) { ... }
// DbScan positions on the next such record and returns 0, or r4eof when
// there is none left (the position is then after the last match).
struct DBSCAN {
  DATA4* data = nullptr;
  TAG4* tag = nullptr;
  std::string prefix;
  bool started = false;
};
int InitDbScan(DBSCAN* scan, DATA4* data, TAG4* tag, const char* key_prefix);
int DbScan(DBSCAN* scan);

// ---------------------------------------------------------------- locking
// set_lock(data, -1): the whole table; set_lock(data, rec): one record.
// 0, or r4locked after the retry time with a message.  A handle may hold
// the table lock and record locks together; locks of this handle never
// conflict with each other.
int set_lock(DATA4* data, long rec);
// Writes a changed record and releases every lock of the handle.
int d4unlock(DATA4* data);
// Appends a record and leaves it locked and current: the buffer prepared
// by d4append_start and field assignments when d4append_start was called
// since the last positioning, else a blank record.  0 or an error (nothing
// appended).
int lock_and_append(DATA4* data);
// lock_and_append with the record's number taken under the append lock:
// takes the table's append lock (waiting as every lock does), brings the
// handle up to date with the file, calls `number` on the prepared record
// (d4reccount is then exact: the new record will be d4reccount + 1, and no
// other handle or process can append until it is written), appends, and
// leaves the record locked and current.  A non-zero result of `number`
// stops the append and is returned.  A number taken before the lock may be
// taken by another process appending at the same time.
int lock_and_append_numbered(DATA4* data, const std::function<int()>& number);
// Locks record rec and reads it fresh: 0, r4entry, or r4locked.
int go_and_lock(DATA4* data, long rec);
// Writes the current record and releases its record lock (a table lock
// stays).  e4unlock when the record was not locked by this handle (the
// record is then not written).
int write_and_unlock(DATA4* data);
// Retry time of every lock call of ctx's tables, in milliseconds.
void d4lock_wait(HostContext* ctx, int milliseconds);
// 1 when this handle holds the record (rec > 0) or table (rec == -1) lock.
int d4lock_test(DATA4* data, long rec);

// ---------------------------------------------------------------- dates
// Dates in fields are "YYYYMMDD" (8 characters, blank when empty).
// date4year/month/day: parts of such a text (0 for blank or invalid).
int date4year(const char* yyyymmdd);
int date4month(const char* yyyymmdd);
int date4day(const char* yyyymmdd);
// Day number (days since 0001-01-01 counted from 1; 0 for a blank date):
// the difference of two is the number of days between them.
long date4long(const char* yyyymmdd);
// Day number of year, month, day (0 for an invalid date).
long c4dt_julian(int year, int month, int day);
// Writes the date of a day number as "YYYYMMDD" (9 bytes with the null);
// 8 blanks for day numbers <= 0.
char* date4assign(char* out, long day_number);
// Writes value right-aligned into out[0..width-1] blank-padded (width > 0)
// or zero-padded (width < 0, |width| characters), then a null.  A value too
// wide for the width fills it with '*' (texts only; fields never do this).
char* c4ltoa(long value, char* out, int width);
// Integer of the first len characters of s (leading blanks skipped).
int c4atoi(const char* s, int len);
// Today (ctx->today) as "YYYYMMDD" into buf (9 bytes); returns buf.
char* get_cur_das(HostContext* ctx, char* buf);
